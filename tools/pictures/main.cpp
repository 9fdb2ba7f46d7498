// cpz5-pictures: makes the pictures of the user manual (see CManualPictures).
//
//   cpz5-pictures DEMO_FOLDER OUTPUT_FOLDER
//
// The build runs it whenever the program's code changes. Exit status 0 when
// every picture was made, 1 with the failures on standard error, 64 for a
// usage error.
#include <unistd.h>

#include <QApplication>
#include <iostream>

#include "ManualPictures.h"
#include "PictureLook.h"
#include "platform/ExitStatus.h"

namespace {

// A run takes a few seconds; one that hangs ends the build step rather than
// stop it for ever.
constexpr unsigned kLimitSeconds = 300;

// The offscreen platform says for every window that it cannot do what only a
// window manager does; the rest is passed on.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Usage: cpz5-pictures DEMO_FOLDER OUTPUT_FOLDER\n";
        return ExitStatus::kUsage;
    }
    alarm(kLimitSeconds);
    CPictureLook::PrepareEnvironment();
    qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);
    CPictureLook::Apply(application);
    const QStringList failures = CManualPictures(argv[1], argv[2]).Run();
    for (const QString& failure : failures) {
        std::cerr << "cpz5-pictures: " << failure.toStdString() << "\n";
    }
    return failures.isEmpty() ? 0 : 1;
}
