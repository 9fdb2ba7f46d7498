#include "platform/QtTranslationFiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>

#include "platform/Translation.h"

namespace {

constexpr const char* kEnglish = "en";

// The program's translations stay loaded until the program ends.
QTranslator& ProgramTexts() {
    static QTranslator translator;
    return translator;
}

QTranslator& QtTexts() {
    static QTranslator translator;
    return translator;
}

std::string Lookup(const char* context, const char* source) {
    return ProgramTexts().translate(context, source).toStdString();
}

bool IsSpoken(const std::string& language) {
    const auto& languages = CQtTranslationFiles::Languages();
    return std::find(languages.begin(), languages.end(), language) != languages.end();
}

// "de-DE", "de_AT.UTF-8" and "de" all name German.
std::string LanguageOf(const QString& name) {
    const qsizetype end = name.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    return name.left(end < 0 ? name.size() : end).toLower().toStdString();
}

}  // namespace

const std::vector<std::string>& CQtTranslationFiles::Languages() {
    static const std::vector<std::string> languages = {"de", "fr", "es", "ja"};
    return languages;
}

std::string CQtTranslationFiles::Choose(const std::string& choice) {
    if (choice == kEnglish || IsSpoken(choice)) {
        return choice;
    }
    // Qt reads LANGUAGE (a list) and then LC_ALL, LC_MESSAGES and LANG; "C"
    // and "POSIX" give English.
    for (const QString& name : QLocale::system().uiLanguages()) {
        const std::string language = LanguageOf(name);
        if (language == kEnglish || language == "c" || language == "posix") {
            return kEnglish;
        }
        if (IsSpoken(language)) {
            return language;
        }
    }
    return kEnglish;
}

bool CQtTranslationFiles::Load(QTranslator& translator, const std::string& file) {
    return translator.load(QString::fromStdString(file));
}

bool CQtTranslationFiles::Install(const std::string& language, bool qtTexts) {
    if (!IsSpoken(language) || !Load(ProgramTexts(), ":/i18n/cpz5_" + language + ".qm")) {
        return false;
    }
    CTranslation::Install(&Lookup);
    if (QCoreApplication::instance() == nullptr) {
        return true;
    }
    QCoreApplication::installTranslator(&ProgramTexts());
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qtTexts &&
        QtTexts().load(QStringLiteral("qtbase_") + QString::fromStdString(language), qtFolder)) {
        QCoreApplication::installTranslator(&QtTexts());
    }
    return true;
}
