// cpz5-cli: the QM-Z5 clone commands from a shell. See PrintUsage.
#include <algorithm>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "CliExit.h"
#include "CliSession.h"
#include "ReadOnlySettings.h"
#include "UserSettings.h"
#include "platform/FileCleanup.h"
#include "platform/Translation.h"
#ifdef CPZ5_QT_SETTINGS
#include "platform/QtTranslationFiles.h"
#endif

namespace {

constexpr const char* kNotes = QT_TRANSLATE_NOOP(
    "CliMain",
    "FILE is a clone file (.cz5). PATH is a dotted leaf path such as MCH.CH12.FreqRx,\n"
    "Common.Beep, DTMF.D3 or PGR.C4.Code; dump lists them all. --market replaces the\n"
    "radio's market version of the settings for this run (import-csv takes only\n"
    "channels that version may receive); the old name --version VALUE still works.\n"
    "PORT is COMn or a device path such as /dev/ttyUSB0.\n"
    "Exit status: 0 success, 2 a file could not be read or written, 64 usage;\n"
    "import-csv: 65 the CSV file has bad rows and nothing was imported;\n"
    "diff: 1 the files differ; setup, info, read, write: the transfer's result\n"
    "(1 cancelled, 77 failure, 85 wrong model, 90 wrong version, 91 port failed);\n"
    "write --verify: 94 the radio holds other data than was sent; write --backup:\n"
    "95 the backup could not be kept (nothing was written).\n");

// What each command does, for "cpz5-cli COMMAND --help".
struct SCommandHelp {
    std::string_view name;
    const char* text;
};
constexpr SCommandHelp kCommandHelp[] = {
    {"new",
     QT_TRANSLATE_NOOP("CliMain",
                       "Writes the factory data of the market version to FILE, as Save would.")},
    {"dump", QT_TRANSLATE_NOOP(
                 "CliMain", "Prints every leaf of FILE as PATH=TEXT, one a line, in tree order.")},
    {"get", QT_TRANSLATE_NOOP("CliMain", "Prints the text of each PATH of FILE, one a line.")},
    {"set",
     QT_TRANSLATE_NOOP("CliMain", "Sets each PATH to TEXT, then saves over FILE (or to OUT).")},
    {"print",
     QT_TRANSLATE_NOOP("CliMain", "Prints the chosen sections of FILE to the PDF file OUT.pdf.")},
    {"setup", QT_TRANSLATE_NOOP("CliMain",
                                "Identifies the radio on PORT as the first-start setup does and\n"
                                "remembers its market version, options and port.")},
    {"info", QT_TRANSLATE_NOOP("CliMain",
                               "Shows the radio's model information (the Information command).")},
    {"read", QT_TRANSLATE_NOOP(
                 "CliMain", "Reads the radio's memory on PORT (Read <- TR) and saves it to FILE.")},
    {"write",
     QT_TRANSLATE_NOOP("CliMain",
                       "Writes FILE into the radio on PORT (Write -> TR) after a question\n"
                       "that --yes answers.")},
    {"export-csv",
     QT_TRANSLATE_NOOP("CliMain", "Writes the memory channels of FILE as a CSV channel list.")},
    {"import-csv",
     QT_TRANSLATE_NOOP("CliMain", "Reads a CSV channel list into the memory channels of FILE.")},
    {"diff", QT_TRANSLATE_NOOP("CliMain", "Lists the leaves that differ between two clone files.")},
};

// "Usage: " and the command line of synopsis (its names and options stay).
std::string Usage(std::string_view synopsis) {
    return CTranslation::Args(CTranslation::Tr("CliMain", "Usage: %1"), {synopsis});
}

void PrintUsage(std::ostream& out) {
    out << Usage("cpz5-cli COMMAND [ARGUMENT]...") << '\n'
        << CTranslation::Tr("CliMain", "The QM-Z5 clone file and radio commands from a shell.")
        << "\n\n"
        << CTranslation::Tr("CliMain", "Commands:") << '\n';
    for (const SCliCommand& command : CliCommands()) {
        out << "  " << command.usage << '\n';
    }
    out << '\n'
        << CTranslation::Tr("CliMain", kNotes)
        << CTranslation::Tr("CliMain",
                            "cpz5-cli --help shows this text, cpz5-cli COMMAND --help the help of "
                            "one\ncommand, cpz5-cli --version the program's version.\n");
}

void PrintCommandHelp(const SCliCommand& command) {
    std::cout << Usage(command.usage) << '\n';
    for (const SCommandHelp& help : kCommandHelp) {
        if (help.name == command.name) {
            std::cout << CTranslation::Tr("CliMain", help.text) << '\n';
        }
    }
    std::cout << '\n' << CTranslation::Tr("CliMain", kNotes);
}

bool IsHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "help";
}

// "--help" or "-h" among a command's arguments.
bool AsksForHelp(std::span<const std::string> arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument == "--help" || argument == "-h";
    });
}

// The commands that only read files (and print): the user's settings file is
// neither rewritten nor locked by them.
bool OnlyReads(std::string_view command) {
    constexpr std::string_view kReaders[] = {"dump", "get", "diff", "export-csv", "ports", "print"};
    return std::find(std::begin(kReaders), std::end(kReaders), command) != std::end(kReaders);
}

// "--version" in place of a command; inside a command with a value it is the
// old name of --market.
bool IsVersionRequest(const std::string& argument) {
    return argument == "--version";
}

}  // namespace

int main(int argc, char** argv) {
    CFileCleanup::Start();
#ifdef CPZ5_QT_SETTINGS
    // Messages to people in their language; what scripts read stays as it is.
    CQtTranslationFiles::Install(CQtTranslationFiles::Choose(""), false);
#endif
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
        CCliSession::Report(CTranslation::Args(CTranslation::Tr("CliMain", "unknown command %1"),
                                               {arguments.front()}));
        PrintUsage(std::cerr);
        return CliExit::kUsage;
    }
    const std::span<const std::string> rest(arguments.begin() + 1, arguments.end());
    if (AsksForHelp(rest)) {
        PrintCommandHelp(*command);
        return CliExit::kOk;
    }
    CCliOptions options;
    const bool parsed = options.Parse(rest, command->options);
    if (parsed && !options.Notice().empty()) {
        CCliSession::Report(options.Notice());
    }
    // The settings store outlives the session: the document writes the
    // model options back when the session ends.
    std::unique_ptr<CSettingsStore> settings = MakeUserSettingsStore();
    if (OnlyReads(command->name)) {
        settings = std::make_unique<CReadOnlySettings>(std::move(settings));
    }
    CCliSession session(*settings, options.Has("--yes"));
    session.SetUsage(std::string(command->usage));
    return parsed ? command->run(session, options) : session.UsageError(options.Error());
}
