// cpz5-cli diff A B: the leaves whose texts differ between two clone files,
// one "PATH: A-TEXT -> B-TEXT" line each, in tree order. Both files are
// opened by the document's own load, each into a document of its own.
#pragma once

#include "CliOptions.h"

class CCliSession;

namespace DiffCommand {

// The files differ.
inline constexpr int kDifferent = 1;

// 0 when every leaf reads the same, kDifferent when any differs, and the
// statuses of CliExit.h for a file that cannot be read or a bad command line.
int Run(CCliSession& session, const CCliOptions& options);

}  // namespace DiffCommand
