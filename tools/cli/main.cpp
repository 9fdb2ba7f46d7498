// cpz5-cli: the QM-Z5 clone commands from a shell. See PrintUsage.
#include <iostream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "CliExit.h"
#include "CliSession.h"
#include "UserSettings.h"
#include "platform/FileCleanup.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: cpz5-cli COMMAND [ARGUMENT]...\n"
           "The QM-Z5 clone file and radio commands from a shell.\n\n"
           "Commands:\n";
    for (const SCliCommand& command : CliCommands()) {
        out << "  " << command.usage << '\n';
    }
    out << "\nFILE is a clone file (.cz5). PATH is a dotted leaf path such as MCH.CH12.FreqRx,\n"
           "Common.Beep, DTMF.D3 or PGR.C4.Code; dump lists them all. --version replaces the\n"
           "model version of the settings for this run (import-csv takes only channels\n"
           "that version may receive).\n"
           "Exit status: 0 success, 2 a file could not be read or written, 64 usage;\n"
           "import-csv: 65 the CSV file has bad rows and nothing was imported;\n"
           "diff: 1 the files differ; setup, info, read, write: the transfer's result\n"
           "(1 cancelled, 77 failure, 85 wrong model, 90 wrong version, 91 port failed).\n"
           "cpz5-cli --help shows this text, cpz5-cli --version the program's version.\n";
}

bool IsHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "help";
}

// "--version" in place of a command; inside a command it names a model
// version instead.
bool IsVersionRequest(const std::string& argument) {
    return argument == "--version";
}

}  // namespace

int main(int argc, char** argv) {
    CFileCleanup::Start();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        PrintUsage(std::cerr);
        return CliExit::kUsage;
    }
    if (IsHelp(arguments.front())) {
        PrintUsage(std::cout);
        return CliExit::kOk;
    }
    if (IsVersionRequest(arguments.front())) {
        std::cout << "cpz5-cli " << CPZ5_VERSION << '\n';
        return CliExit::kOk;
    }
    const SCliCommand* command = FindCliCommand(arguments.front());
    if (command == nullptr) {
        CCliSession::Report("unknown command " + arguments.front());
        PrintUsage(std::cerr);
        return CliExit::kUsage;
    }
    CCliOptions options;
    const std::span<const std::string> rest(arguments.begin() + 1, arguments.end());
    const bool parsed = options.Parse(rest, command->options);
    // The settings store outlives the session: the document writes the
    // model options back when the session ends.
    std::unique_ptr<CSettingsStore> settings = MakeUserSettingsStore();
    CCliSession session(*settings, options.Has("--yes"));
    session.SetUsage(std::string(command->usage));
    return parsed ? command->run(session, options) : session.UsageError(options.Error());
}
