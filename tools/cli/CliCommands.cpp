#include "CliCommands.h"

#include <algorithm>

#include "CsvCommands.h"
#include "DiffCommand.h"
#include "DocumentCommands.h"
#if CPZ5_PRINT
#include "PrintCommand.h"
#endif
#include "PortsCommand.h"
#include "TransferCommands.h"

namespace {

const SCliCommand kCommands[] = {
    {"new", "cpz5-cli new [--market GEN|SEA|USA|EUR] -o FILE", DocumentCommands::kNewOptions,
     &DocumentCommands::New},
    {"dump", "cpz5-cli dump [--market GEN|SEA|USA|EUR] FILE", DocumentCommands::kDumpOptions,
     &DocumentCommands::Dump},
    {"get", "cpz5-cli get [--market GEN|SEA|USA|EUR] FILE PATH...", DocumentCommands::kDumpOptions,
     &DocumentCommands::Get},
    {"set", "cpz5-cli set [--market GEN|SEA|USA|EUR] FILE PATH=TEXT... [-o OUT]",
     DocumentCommands::kSetOptions, &DocumentCommands::Set},
#if CPZ5_PRINT
    {"print",
     "cpz5-cli print FILE [-o OUT.pdf | --printer NAME] "
     "[--sections all|common,dtmf,pgr,mch,pch,cch] [--in-use]",
     PrintCommand::kOptions, &PrintCommand::Run},
#endif
    {"ports", "cpz5-cli ports", {}, &PortsCommand::Run},
    {"setup", "cpz5-cli setup --port PORT", TransferCommands::kPortOptions,
     &TransferCommands::Setup},
    {"info", "cpz5-cli info --port PORT", TransferCommands::kPortOptions, &TransferCommands::Info},
    {"read", "cpz5-cli read --port PORT [--port PORT]... -o FILE|DIR",
     TransferCommands::kReadOptions, &TransferCommands::Read},
    {"write", "cpz5-cli write --port PORT [--port PORT]... FILE [--yes] [--verify] [--backup]",
     TransferCommands::kWriteOptions, &TransferCommands::Write},
    {"export-csv", "cpz5-cli export-csv [--market GEN|SEA|USA|EUR] FILE [-o OUT.csv]",
     CsvCommands::kExportOptions, &CsvCommands::ExportCsv},
    {"import-csv",
     "cpz5-cli import-csv [--market GEN|SEA|USA|EUR] FILE IN.csv [-o OUT] [--skip-bad]",
     CsvCommands::kImportOptions, &CsvCommands::ImportCsv},
    {"diff", "cpz5-cli diff A B", {}, &DiffCommand::Run},
};

}  // namespace

std::span<const SCliCommand> CliCommands() {
    return kCommands;
}

const SCliCommand* FindCliCommand(std::string_view name) {
    auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                           [name](const SCliCommand& command) { return command.name == name; });
    return it != std::end(kCommands) ? &*it : nullptr;
}
