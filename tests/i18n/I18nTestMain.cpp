// main() of the language tests. The program's windows are made in the
// language the environment asks for, installed as the desktop program
// installs it, on an offscreen screen of 1280x800 in the look of the
// manual's pictures (the same fonts on every machine).
//
//   test_i18n [GTEST OPTIONS]          the tests, in the environment's language
//   test_i18n --translation FILE.qm    the tests with the texts of FILE.qm
//                                      (a translation being tried out)
//   test_i18n --print-language         prints the language the program would
//                                      choose, and whether it was installed
#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>
#include <cstring>
#include <iostream>
#include <string>

#include "PictureLook.h"
#include "platform/QtTranslationFiles.h"
#include "platform/Translation.h"

namespace {

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints")) &&
        !message.startsWith(QStringLiteral("This plugin does not support"))) {
        qt_message_output(type, context, message);
    }
}

// What the desktop program does at its start, told on standard output.
int PrintLanguage(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::string language = CQtTranslationFiles::Choose("");
    const bool installed = CQtTranslationFiles::Install(language, true);
    std::cout << language << (installed ? " installed" : " built in") << "\n";
    return 0;
}

QTranslator& TriedTexts() {
    static QTranslator translator;
    return translator;
}

std::string TriedLookup(const char* context, const char* source) {
    return TriedTexts().translate(context, source).toStdString();
}

bool InstallTried(const char* file) {
    if (!CQtTranslationFiles::Load(TriedTexts(), file)) {
        std::cerr << "test_i18n: " << file << " is not a translation\n";
        return false;
    }
    QCoreApplication::installTranslator(&TriedTexts());
    CTranslation::Install(&TriedLookup);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--print-language") == 0) {
        return PrintLanguage(argc, argv);
    }
    CPictureLook::PrepareEnvironment();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" CPZ5_SCREEN_CONFIG);
    qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);
    CPictureLook::Apply(application);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--translation") == 0) {
        if (!InstallTried(argv[2])) {
            return 1;
        }
    } else {
        CQtTranslationFiles::Install(CQtTranslationFiles::Choose(""), true);
    }
    return RUN_ALL_TESTS();
}
