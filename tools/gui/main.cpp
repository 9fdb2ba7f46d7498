// cpz5: the desktop program.
//
//   cpz5 [-S] [--virtual-radio[=GEN|SEA|USA|EUR]] [Qt options]
//
// Only one copy runs per user: a second start ends at once, silently.
#include <QApplication>
#include <iostream>

#include "VirtualRadioLink.h"
#include "app/CommandLineInfo.h"
#include "app/InstanceLock.h"
#include "app/Z5App.h"
#include "platform/QtSettingsStore.h"

namespace {

constexpr int kUsageError = 64;

std::vector<std::string> ProgramArguments() {
    std::vector<std::string> arguments;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        arguments.push_back(all[i].toStdString());
    }
    return arguments;
}

int RunProgram(QApplication& application, const CCommandLineInfo& commandLine) {
    CQtSettingsStore settings;
    int status = 1;
    {
        CZ5App program(settings);
        if (program.InitInstance(commandLine)) {
            status = application.exec();
        }
    }
    settings.Sync();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brel"));
    QApplication::setApplicationName(QStringLiteral("CP-Z5"));

    const CInstanceLock instance;
    if (instance.IsAnotherInstance()) {
        return 0;
    }
    const CCommandLineInfo commandLine(ProgramArguments());
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
    return RunProgram(application, commandLine);
}
