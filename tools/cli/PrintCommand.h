// The cpz5-cli command print: the pages File > Print gives, written to a PDF
// file through the program's own printing code. It makes a QApplication for
// the run, on Qt's offscreen platform unless a display is set.
#pragma once

#include "CliOptions.h"

class CCliSession;

namespace PrintCommand {

extern const SCliOptionDef kOptions[3];

// print FILE -o OUT.pdf [--sections all|common,dtmf,pgr,mch,pch,cch]: the
// chosen sections (default all) in the print dialog's order. Exit status 0,
// 2 when FILE cannot be read or OUT.pdf cannot be written, 64 for a usage
// error.
int Run(CCliSession& session, const CCliOptions& options);

}  // namespace PrintCommand
