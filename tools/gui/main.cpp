// cpz5: the desktop program (see kUsage).
//
// Only one copy runs per user: a second start ends at once, silently, after
// handing its "--open FILE" to the running copy (COpenRequestServer), which
// opens it. A file name alone on the command line is not opened: the program
// always starts with new data. "--open FILE" (what the desktop entry passes
// for a double-clicked clone file) opens FILE once the main window is up, the
// same way as File > Open. A start that cannot take the single-instance lock
// says why and ends rather than run beside another copy.
//
// With the environment variable CPZ5_STARTUP_PROBE set, the program prints
// kShownMarker on stdout as soon as its main window is shown and its first
// events are handled, then ends: bench/startup times the start with it.
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <array>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string_view>

#include "VirtualRadioLink.h"
#include "app/CommandLineInfo.h"
#include "app/InstanceLock.h"
#include "app/OpenRequestServer.h"
#include "app/Z5App.h"
#include "clone/CloneDocument.h"
#include "model/MessageText.h"
#include "platform/ExitStatus.h"
#include "platform/FileCleanup.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtTranslationFiles.h"
#include "platform/RuntimeFolder.h"
#include "platform/Translation.h"

namespace {

constexpr std::string_view kOpenOption = "--open";
constexpr const char* kShownMarker = "cpz5: main window shown";

constexpr const char* kUsage = QT_TRANSLATE_NOOP("cpz5", R"(Usage: cpz5 [OPTION]... [QT OPTION]...
The cloning program of the QM-Z5 VHF hand-held transceiver: read the radio's
memory over a cloning cable, edit channels and settings, save and open clone
files (.cz5), print them and write them back into the radio.

  -S                          run the first-start setup again (/S works too)
  --virtual-radio[=VERSION]   start a virtual QM-Z5 of VERSION (GEN, SEA, USA
                              or EUR; default GEN) inside the program and bind
                              COM1 to it for this run
  --open FILE                 open the clone file FILE once the program has
                              started, as File > Open does; a file name on
                              its own is not opened
  -h, --help                  show this text and exit
  --version                   show the program's version and exit

Qt's own options (-platform NAME, -style NAME, ...) work as well.
Settings: $XDG_CONFIG_HOME/Brel/CP-Z5.conf (default ~/.config/Brel/CP-Z5.conf).
Only one copy runs per user; a second start hands its --open FILE to the
running copy, which opens it, and ends.

Exit status: 0 when the program ends normally, 1 when it cannot start,
64 for a usage error.
)");

// text (marked in the context "cpz5") in the user's language, with its
// placeholders filled in. The program's name before a message stays as is.
std::string Text(const char* text, std::initializer_list<std::string_view> arguments = {}) {
    return CTranslation::Args(CTranslation::Tr("cpz5", text), arguments);
}

// What the command line asks for before any window system is needed: the
// help text and the version work without a display.
std::optional<int> AnswerInformationRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h") {
            std::cout << Text(kUsage);
            return 0;
        }
        if (argument == "--version") {
            std::cout << "cpz5 " << CPZ5_VERSION << "\n";
            return 0;
        }
    }
    return std::nullopt;
}

// Qt's own options that the program lets through: those that take a value,
// then those that do not. Qt takes both "-name" and "--name".
constexpr std::array<std::string_view, 15> kQtValueOptions = {"platform",
                                                              "platformpluginpath",
                                                              "platformtheme",
                                                              "plugin",
                                                              "qwindowgeometry",
                                                              "geometry",
                                                              "qwindowicon",
                                                              "icon",
                                                              "qwindowtitle",
                                                              "title",
                                                              "session",
                                                              "style",
                                                              "stylesheet",
                                                              "display",
                                                              "name"};
constexpr std::array<std::string_view, 5> kQtFlagOptions = {"reverse", "widgetcount", "nograb",
                                                            "dograb", "sync"};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    for (std::string_view known : names) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

bool IsOwnOption(std::string_view argument) {
    return argument == "-S" || argument.starts_with(std::string(kOpenOption) + "=") ||
           argument == CCommandLineInfo::kVirtualRadioOption ||
           argument.starts_with(std::string(CCommandLineInfo::kVirtualRadioOption) + "=");
}

// The first argument that is neither the program's option nor Qt's, "" when
// all are known. A file name (anything not starting with "-") and the
// switches after "/" pass.
std::string UnknownOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument(argv[i]);
        if (argument.size() < 2 || argument[0] != '-' || IsOwnOption(argument)) {
            continue;
        }
        if (argument == kOpenOption) {
            ++i;
            continue;
        }
        std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (IsOneOf(name, kQtValueOptions)) {
            ++i;
        } else if (!IsOneOf(name, kQtFlagOptions)) {
            return std::string(argument);
        }
    }
    return {};
}

// Whether "-platform NAME", QT_QPA_PLATFORM or a display server gives the
// program somewhere to show its window.
bool HasDisplay(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

constexpr const char* kNoDisplay = QT_TRANSLATE_NOOP(
    "cpz5",
    "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set);\n"
    "cpz5-cli works without one");

// Qt ends the process when it cannot reach the display it was given; the
// program says so and ends with status 1 instead of aborting.
void ReportFatalStartMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::cerr << "cpz5: " << message.toStdString() << "\n";
    if (type == QtFatalMsg) {
        std::cerr << "cpz5: "
                  << Text(QT_TRANSLATE_NOOP("cpz5", "the window system could not be reached"))
                  << "\n";
        std::cerr.flush();
        _exit(1);
    }
}

struct SProgramArguments {
    std::vector<std::string> forCommandLineInfo;
    std::string openPath;  // "" when no file is to be opened
};

// The arguments after the program name (Qt's own options taken out), with
// "--open FILE" or "--open=FILE" set apart. "--open" as the last argument
// opens nothing: the desktop entry's "--open %f" comes to that when the
// program is started from the menu.
SProgramArguments ProgramArguments() {
    SProgramArguments result;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        const std::string argument = all[i].toStdString();
        if (argument == kOpenOption) {
            result.openPath = i + 1 < all.size() ? all[++i].toStdString() : std::string();
        } else if (argument.starts_with(std::string(kOpenOption) + "=")) {
            result.openPath = argument.substr(kOpenOption.size() + 1);
        } else {
            result.forCommandLineInfo.push_back(argument);
        }
    }
    return result;
}

void ReportShownWhenProbed() {
    if (std::getenv("CPZ5_STARTUP_PROBE") == nullptr) {
        return;
    }
    QTimer::singleShot(0, [] {
        std::cout << kShownMarker << std::endl;
        QCoreApplication::quit();
    });
}

// A message that follows "cpz5: " as a sentence of its own.
std::string AsSentence(std::string message) {
    message[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(message[0])));
    return message + ".";
}

// Tells the user that the settings file is left alone (see
// CQtSettingsStore) before the start goes on with the default settings.
void ReportSettingsProblem(const CQtSettingsStore& settings, CZ5App& program) {
    if (settings.Problem().empty()) {
        return;
    }
    std::cerr << "cpz5: " << settings.Problem() << "\n";
    program.UserInterface().MessageBox(AsSentence(settings.Problem()),
                                       CCloneDocument::kMessageTitle,
                                       MessageStyle::Ok | MessageStyle::IconExclamation);
}

// Runs the program; requests of later starts come in on socketPath.
int RunProgram(QApplication& application, const CCommandLineInfo& commandLine,
               const std::string& openPath, const QString& socketPath) {
    CQtSettingsStore settings;
    int status = 1;
    {
        CZ5App program(settings);
        COpenRequestServer requests;
        QObject::connect(
            &requests, &COpenRequestServer::OpenRequested, &program,
            [&program](const QString& path) { program.OpenRequestedFile(path.toStdString()); });
        requests.Listen(socketPath);
        ReportSettingsProblem(settings, program);
        if (program.InitInstance(commandLine)) {
            if (!openPath.empty()) {
                // The recent-file list keeps the whole path.
                program.OpenRequestedFile(
                    QFileInfo(QString::fromStdString(openPath)).absoluteFilePath().toStdString());
            }
            ReportShownWhenProbed();
            status = application.exec();
        }
    }
    settings.Sync();
    return status;
}

// The program always starts with new data: a file named on its own is not
// opened (only --open opens one), and the program says so rather than leave
// the user waiting for a file that never comes.
void TellFileNotOpened(const CCommandLineInfo& commandLine, const std::string& openPath) {
    if (commandLine.FileName().empty() || commandLine.FileName() == openPath) {
        return;
    }
    std::cerr << "cpz5: "
              << Text(QT_TRANSLATE_NOOP("cpz5",
                                        "%1 is not opened: the program starts with new "
                                        "data; cpz5 --open FILE opens a clone file"),
                      {MessageText::Quoted(commandLine.FileName())})
              << "\n";
}

// The second start: hands its file to the running copy and ends.
int HandOver(const std::string& runtimeFolder, const std::string& openPath) {
    if (openPath.empty()) {
        return 0;
    }
    const QString socket = COpenRequestServer::PathIn(QString::fromStdString(runtimeFolder));
    if (!COpenRequestServer::Send(socket, QString::fromStdString(openPath))) {
        std::cerr << "cpz5: "
                  << Text(QT_TRANSLATE_NOOP("cpz5", "CP-Z5 already runs but did not take %1"),
                          {openPath})
                  << "\n";
        return 1;
    }
    return 0;
}

// Without the lock the program cannot tell whether another copy runs on the
// same settings, so it does not start.
void ReportNoLock(const std::string& runtimeFolder, const CInstanceLock& instance) {
    const std::string why =
        runtimeFolder.empty()
            ? Text(QT_TRANSLATE_NOOP("cpz5",
                                     "no folder that only this user can write was found for its "
                                     "lock\n(not $XDG_RUNTIME_DIR, not in the temporary "
                                     "directory, not in the cache folder\nof the home)"))
            : instance.Error();
    std::cerr << "cpz5: "
              << Text(
                     QT_TRANSLATE_NOOP("cpz5",
                                       "CP-Z5 cannot make sure that it runs only once: %1; it does "
                                       "not start"),
                     {why})
              << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    // The language of the messages before the window (--help, a wrong
    // option), then again for the window's and Qt's own texts.
    const std::string language = CQtTranslationFiles::Choose("");
    CQtTranslationFiles::Install(language, false);
    if (std::optional<int> status = AnswerInformationRequest(argc, argv)) {
        return *status;
    }
    if (const std::string unknown = UnknownOption(argc, argv); !unknown.empty()) {
        std::cerr << "cpz5: " << Text(QT_TRANSLATE_NOOP("cpz5", "unknown option %1"), {unknown})
                  << "\n\n"
                  << Text(kUsage);
        return ExitStatus::kUsage;
    }
    if (!HasDisplay(argc, argv)) {
        std::cerr << "cpz5: " << Text(kNoDisplay) << "\n";
        return 1;
    }
    CFileCleanup::Start();
    const QtMessageHandler previousHandler = qInstallMessageHandler(ReportFatalStartMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);
    CQtTranslationFiles::Install(language, true);
    QApplication::setOrganizationName(QStringLiteral("Brel"));
    QApplication::setApplicationName(QStringLiteral("CP-Z5"));
    QApplication::setApplicationVersion(QStringLiteral(CPZ5_VERSION));

    const SProgramArguments arguments = ProgramArguments();
    const CCommandLineInfo commandLine(arguments.forCommandLineInfo);
    TellFileNotOpened(commandLine, arguments.openPath);
    const std::string runtimeFolder = CRuntimeFolder::Find();
    const CInstanceLock instance(CInstanceLock::PathIn(runtimeFolder));
    if (instance.IsAnotherInstance()) {
        return HandOver(runtimeFolder, arguments.openPath);
    }
    if (!instance.IsHeld()) {
        ReportNoLock(runtimeFolder, instance);
        return 1;
    }
    CVirtualRadioLink radio;
    if (commandLine.IsVirtualRadioRequested()) {
        const int version = CVirtualRadioLink::VersionOfName(commandLine.VirtualRadioVersion());
        if (version < 0) {
            std::cerr << "cpz5: "
                      << Text(QT_TRANSLATE_NOOP("cpz5",
                                                "unknown radio version \"%1\" (GEN, SEA, USA or "
                                                "EUR)"),
                              {commandLine.VirtualRadioVersion()})
                      << "\n";
            return ExitStatus::kUsage;
        }
        std::string error;
        if (!radio.Start(version, error)) {
            std::cerr << "cpz5: "
                      << Text(QT_TRANSLATE_NOOP("cpz5", "the virtual radio could not start: %1"),
                              {error})
                      << "\n";
            return 1;
        }
    }
    return RunProgram(application, commandLine, arguments.openPath,
                      COpenRequestServer::PathIn(QString::fromStdString(runtimeFolder)));
}
