// The cpz5-cli command print: the pages File > Print gives, through the
// program's own printing code, to a PDF file or a printer.
//
// The pages are drawn with QtGui, which cpz5-cli itself does not load: its
// print command runs the printing program cpz5-cli-print (beside it, or in
// the libexec folder of its installation) with the same arguments, and that
// program, the same tool with the printing code, prints them.
#pragma once

#include "CliOptions.h"

class CCliSession;

namespace PrintCommand {

inline constexpr SCliOptionDef kOptions[5] = {{"-o", true},
                                              {"--printer", true},
                                              {"--sections", true},
                                              {"--in-use", false},
                                              {"--version", true}};

// print FILE [-o OUT.pdf | --printer NAME] [--sections all|common,dtmf,...]
// [--in-use]: the chosen sections (default all) in the print dialog's
// order, to the PDF file, the named system printer, or else the printer of
// the settings ("device" of "windows") or the system's default printer; the
// pages are those of the desktop program, their footers naming FILE.
// --in-use leaves cleared channels out of the channel lists. Exit status 0, 2
// when FILE cannot be read, OUT.pdf cannot be written, the printer does not
// exist or there is none, or the printing program cannot be run; 64 for a
// usage error.
int Run(CCliSession& session, const CCliOptions& options);

}  // namespace PrintCommand
