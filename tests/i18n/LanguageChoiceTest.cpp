// The language the program speaks follows the environment as Linux programs'
// do, and whatever the environment holds that the program does not speak
// gives English without a word: each environment is handed to a fresh
// process that chooses and installs its language as the desktop program
// does at its start.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <utility>
#include <vector>

#include "platform/QtTranslationFiles.h"

namespace {

constexpr const char* kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

struct SEnvironment {
    std::vector<std::pair<const char*, const char*>> variables;
    const char* chosen;  // what the process prints
};

struct SAnswer {
    QString out;
    QString err;
};

SAnswer ChosenIn(const SEnvironment& environment) {
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : kLocaleVariables) {
        variables.remove(QString::fromLatin1(name));
    }
    for (const auto& [name, value] : environment.variables) {
        variables.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    }
    QProcess process;
    process.setProcessEnvironment(variables);
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-language")});
    if (!process.waitForFinished(10000)) {
        return {QStringLiteral("no answer"), QString()};
    }
    return {QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(LanguageChoiceTest, FollowsTheEnvironmentAndFallsBackToEnglishQuietly) {
    const SEnvironment cases[] = {
        {{}, "en built in"},
        {{{"LANGUAGE", "fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr installed"},
        {{{"LANGUAGE", "it:es"}, {"LANG", "it_IT.UTF-8"}}, "es installed"},
        {{{"LC_ALL", "de_DE.UTF-8"}}, "de installed"},
        {{{"LC_ALL", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "fr installed"},
        {{{"LC_MESSAGES", "ja_JP.UTF-8"}}, "ja installed"},
        {{{"LANG", "es_ES"}}, "es installed"},
        {{{"LANG", "de_AT@euro"}}, "de installed"},
        {{{"LANG", "C"}}, "en built in"},
        {{{"LANG", "POSIX"}}, "en built in"},
        {{{"LANG", "C.UTF-8"}}, "en built in"},
        {{{"LANG", "en_GB.UTF-8"}}, "en built in"},
        {{{"LANG", "it_IT.UTF-8"}}, "en built in"},
        {{{"LANG", "xx@@..!"}}, "en built in"},
        {{{"LANG", "_.@"}}, "en built in"},
        {{{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, "en built in"},
        {{{"LANGUAGE", "::"}, {"LANG", "fr_FR.UTF-8"}}, "fr installed"},
    };
    for (const SEnvironment& environment : cases) {
        QStringList shown;
        for (const auto& [name, value] : environment.variables) {
            shown << QStringLiteral("%1=%2").arg(QLatin1String(name), QLatin1String(value));
        }
        const SAnswer answer = ChosenIn(environment);
        EXPECT_EQ(answer.out.toStdString(), environment.chosen) << shown.join(' ').toStdString();
        EXPECT_EQ(answer.err.toStdString(), "") << shown.join(' ').toStdString();
    }
}

// The picture maker draws in English unless told a language it speaks.
TEST(LanguageChoiceTest, ThePictureMakerTakesOnlyALanguageItSpeaks) {
    const QStringList wrong[] = {
        {QStringLiteral("--language"), QStringLiteral("it"), QStringLiteral("demo"),
         QStringLiteral("out")},
        {QStringLiteral("--language"), QStringLiteral(""), QStringLiteral("demo"),
         QStringLiteral("out")},
        {QStringLiteral("--language"), QStringLiteral("de")},
        {QStringLiteral("--language")},
        {QStringLiteral("demo"), QStringLiteral("out"), QStringLiteral("--language=de")},
    };
    for (const QStringList& arguments : wrong) {
        QProcess maker;
        maker.start(QStringLiteral(CPZ5_PICTURE_MAKER), arguments);
        ASSERT_TRUE(maker.waitForFinished(10000));
        EXPECT_EQ(maker.exitCode(), 64) << arguments.join(' ').toStdString();
    }
}

// ctest runs the window tests once in each language the program speaks.
TEST(LanguageChoiceTest, EveryLanguageHasItsWindowTests) {
    const QStringList tested = QStringLiteral(CPZ5_TESTED_LANGUAGES).split(u',');
    QStringList spoken;
    for (const std::string& language : CQtTranslationFiles::Languages()) {
        spoken << QString::fromStdString(language);
    }
    EXPECT_EQ(tested, spoken);
}

}  // namespace
