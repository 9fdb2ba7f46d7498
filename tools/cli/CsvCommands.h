// The cpz5-cli commands that move the memory channels between a clone file
// and a CSV channel list: export-csv and import-csv. Each returns the
// process's exit status (CliExit.h, and kBadCsv below).
#pragma once

#include "CliOptions.h"

class CCliSession;

namespace CsvCommands {

// import-csv: the list has bad rows (or lacks a needed column) and nothing
// was imported.
inline constexpr int kBadCsv = 65;

extern const SCliOptionDef kExportOptions[2];
extern const SCliOptionDef kImportOptions[3];

// export-csv FILE [-o OUT.csv]: the channels in use of FILE, to OUT.csv or
// standard output.
int ExportCsv(CCliSession& session, const CCliOptions& options);
// import-csv FILE IN.csv [-o OUT] [--skip-bad]: the rows of IN.csv into
// FILE's channels, saved to OUT or over FILE. Bad rows are listed on
// standard error; without --skip-bad one bad row stops the import. Values
// stored otherwise than the list says them are listed as warnings. With no
// version set up and no --version, frequencies may lie anywhere in 136 to
// 174 MHz.
int ImportCsv(CCliSession& session, const CCliOptions& options);

}  // namespace CsvCommands
