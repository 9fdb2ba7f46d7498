// cpz5-pictures: makes the pictures of the user manual (see CManualPictures).
//
//   cpz5-pictures [--language LANG] DEMO_FOLDER OUTPUT_FOLDER
//
// The build runs it whenever the program's code changes. The pictures are in
// English whatever the environment asks for; --language de (fr, es, ja)
// draws them in that language, with the program's translation installed as
// the program installs it. Exit status 0 when every picture was made, 1 with
// the failures on standard error, 64 for a usage error.
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "ManualPictures.h"
#include "PictureLook.h"
#include "platform/ExitStatus.h"
#include "platform/QtTranslationFiles.h"

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

struct SArguments {
    std::string language = "en";
    std::string demo;
    std::string output;
};

bool IsLanguage(const std::string& language) {
    const auto& spoken = CQtTranslationFiles::Languages();
    return language == "en" || std::find(spoken.begin(), spoken.end(), language) != spoken.end();
}

std::optional<SArguments> ParseArguments(int argc, char** argv) {
    SArguments arguments;
    int at = 1;
    if (argc > 1 && std::string_view(argv[1]) == "--language") {
        if (argc < 3 || !IsLanguage(argv[2])) {
            return std::nullopt;
        }
        arguments.language = argv[2];
        at = 3;
    }
    if (argc - at != 2) {
        return std::nullopt;
    }
    arguments.demo = argv[at];
    arguments.output = argv[at + 1];
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<SArguments> arguments = ParseArguments(argc, argv);
    if (!arguments) {
        std::cerr << "Usage: cpz5-pictures [--language LANG] DEMO_FOLDER OUTPUT_FOLDER\n";
        return ExitStatus::kUsage;
    }
    alarm(kLimitSeconds);
    CPictureLook::PrepareEnvironment();
    qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);
    CPictureLook::Apply(application);
    if (arguments->language != "en" && !CQtTranslationFiles::Install(arguments->language, true)) {
        std::cerr << "cpz5-pictures: the " << arguments->language
                  << " translation could not be installed\n";
        return 1;
    }
    const QStringList failures = CManualPictures(arguments->demo, arguments->output).Run();
    for (const QString& failure : failures) {
        std::cerr << "cpz5-pictures: " << failure.toStdString() << "\n";
    }
    return failures.isEmpty() ? 0 : 1;
}
