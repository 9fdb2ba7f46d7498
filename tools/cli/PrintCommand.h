// The cpz5-cli command print: the pages File > Print gives, through the
// program's own printing code, to a PDF file or a printer. It makes a QApplication for
// the run, on Qt's offscreen platform unless a display is set.
#pragma once

#include "CliOptions.h"

class CCliSession;

namespace PrintCommand {

extern const SCliOptionDef kOptions[4];

// print FILE [-o OUT.pdf | --printer NAME] [--sections all|common,dtmf,...]:
// the chosen sections (default all) in the print dialog's order, to the PDF
// file, the named system printer, or else the printer of the settings
// ("device" of "windows") or the system's default printer. Exit status 0, 2
// when FILE cannot be read, OUT.pdf cannot be written or there is no
// printer, 64 for a usage error.
int Run(CCliSession& session, const CCliOptions& options);

}  // namespace PrintCommand
