// cpz5-cli read and write on several radios at once: --port given more than
// once. Every port runs in a process of its own (a fork of this one), so one
// radio that fails or hangs never holds up or stops the others. The document
// is built, and the file of a write loaded, once before the forks; each
// process starts from it with temporary files of its own.
//
// On a terminal each port shows one line of progress; at the end a table
// lists every port with the radio's identity and the result. A port given
// twice runs once and is marked in the table; a port that cannot be opened
// or is no port at all fails on its own row. A write asks once for all
// radios (--yes answers it).
//
// SIGINT, SIGTERM or SIGHUP to the tool (a kill, a closed terminal, a
// service manager) is passed on to every port's process, whose transfer
// ends as Cancel ends it; the tool waits for them all, and when none is
// left and no temporary file either, ends by that signal.
#pragma once

#include <string>
#include <vector>

class CCliSession;

namespace FleetTransfer {

enum class EJob { Read, Write };

// Writes the clone file target into, or reads every radio into a file of the
// directory target (named after the port: ttyUSB0.cz5). 0 when every radio
// succeeded, else the status of the first port (in the order given) that
// failed.
int Run(CCliSession& session, EJob job, const std::vector<std::string>& ports,
        const std::string& target);

}  // namespace FleetTransfer
