// cpz5: the desktop program (see kUsage).
//
// Only one copy runs per user: a second start ends at once, silently. A file
// name alone on the command line is not opened: the program always starts
// with new data. "--open FILE" (what the desktop entry passes for a
// double-clicked clone file) opens FILE once the main window is up, the same
// way as File > Open.
//
// With the environment variable CPZ5_STARTUP_PROBE set, the program prints
// kShownMarker on stdout as soon as its main window is shown and its first
// events are handled, then ends: bench/startup times the start with it.
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string_view>

#include "VirtualRadioLink.h"
#include "app/CommandLineInfo.h"
#include "app/InstanceLock.h"
#include "app/Z5App.h"
#include "platform/FileCleanup.h"
#include "platform/QtSettingsStore.h"

namespace {

constexpr int kUsageError = 64;
constexpr std::string_view kOpenOption = "--open";
constexpr const char* kShownMarker = "cpz5: main window shown";

constexpr const char* kUsage = R"(Usage: cpz5 [OPTION]... [QT OPTION]...
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
Only one copy runs per user; starting a second one does nothing.

Exit status: 0 when the program ends normally, 1 when it cannot start,
64 for a usage error.
)";

// What the command line asks for before any window system is needed: the
// help text and the version work without a display.
std::optional<int> AnswerInformationRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--help" || argument == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (argument == "--version") {
            std::cout << "cpz5 " << CPZ5_VERSION << "\n";
            return 0;
        }
    }
    return std::nullopt;
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

int RunProgram(QApplication& application, const CCommandLineInfo& commandLine,
               const std::string& openPath) {
    CQtSettingsStore settings;
    int status = 1;
    {
        CZ5App program(settings);
        if (program.InitInstance(commandLine)) {
            if (!openPath.empty()) {
                program.OpenDocumentFile(openPath);
            }
            ReportShownWhenProbed();
            status = application.exec();
        }
    }
    settings.Sync();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (std::optional<int> status = AnswerInformationRequest(argc, argv)) {
        return *status;
    }
    CFileCleanup::Start();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brel"));
    QApplication::setApplicationName(QStringLiteral("CP-Z5"));
    QApplication::setApplicationVersion(QStringLiteral(CPZ5_VERSION));

    const SProgramArguments arguments = ProgramArguments();
    const CInstanceLock instance;
    if (instance.IsAnotherInstance()) {
        return 0;
    }
    const CCommandLineInfo commandLine(arguments.forCommandLineInfo);
    CVirtualRadioLink radio;
    if (commandLine.IsVirtualRadioRequested()) {
        const int version = CVirtualRadioLink::VersionOfName(commandLine.VirtualRadioVersion());
        if (version < 0) {
            std::cerr << "cpz5: unknown radio version \"" << commandLine.VirtualRadioVersion()
                      << "\" (GEN, SEA, USA or EUR)\n";
            return kUsageError;
        }
        std::string error;
        if (!radio.Start(version, error)) {
            std::cerr << "cpz5: the virtual radio could not start: " << error << "\n";
            return 1;
        }
    }
    return RunProgram(application, commandLine, arguments.openPath);
}
