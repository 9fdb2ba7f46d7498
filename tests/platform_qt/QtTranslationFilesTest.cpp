// Translation files that are missing or damaged leave the program in English
// without harm, and the placeholders of translated texts take their
// arguments in whatever order the translation puts them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <random>
#include <string>

#include "platform/QtTranslationFiles.h"
#include "platform/Translation.h"

namespace {

QByteArray Sample() {
    QFile file(QStringLiteral(CPZ5_SAMPLE_QM));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray RandomBytes(qsizetype size) {
    std::mt19937 random(2026);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

TEST(QtTranslationFilesTest, TheSampleTranslationLoads) {
    QTranslator translator;
    ASSERT_TRUE(CQtTranslationFiles::Load(translator, CPZ5_SAMPLE_QM));
    EXPECT_EQ(translator.translate("CSample", "Cancel"), QStringLiteral("Abbrechen"));
}

TEST(QtTranslationFilesTest, AMissingOrDamagedFileLoadsNothing) {
    const QByteArray sample = Sample();
    ASSERT_GT(sample.size(), 64);
    struct SCase {
        const char* name;
        QByteArray bytes;
        bool written;
    };
    const SCase cases[] = {
        {"missing", {}, false},
        {"empty", {}, true},
        {"random bytes", RandomBytes(4096), true},
        {"the start of a translation, then random bytes", sample.left(16) + RandomBytes(200), true},
        {"cut in half", sample.left(sample.size() / 2), true},
        {"cut a quarter short", sample.left(sample.size() * 3 / 4), true},
        {"its last byte cut", sample.left(sample.size() - 1), true},
        {"a source file of translations", "<?xml version=\"1.0\"?><TS version=\"2.1\"></TS>", true},
    };
    QTemporaryDir folder;
    for (const SCase& c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name) + QStringLiteral(".qm"));
        if (c.written) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        }
        QTranslator translator;
        EXPECT_FALSE(CQtTranslationFiles::Load(translator, path.toStdString())) << c.name;
        EXPECT_TRUE(translator.isEmpty()) << c.name;
        EXPECT_EQ(translator.translate("CSample", "Cancel"), QString()) << c.name;
    }
    EXPECT_EQ(CTranslation::Tr("CSample", "Cancel"), "Cancel");
}

TEST(QtTranslationFilesTest, OnlyTheLanguagesSpokenInstall) {
    for (const char* language : {"en", "", "it", "xx", "../de", "de/../de", "C", "system"}) {
        EXPECT_FALSE(CQtTranslationFiles::Install(language, true)) << language;
    }
    EXPECT_EQ(CTranslation::Tr("CSample", "Cancel"), "Cancel");
}

TEST(QtTranslationFilesTest, AChoiceOfTheUserComesBeforeTheEnvironment) {
    for (const std::string& language : CQtTranslationFiles::Languages()) {
        EXPECT_EQ(CQtTranslationFiles::Choose(language), language);
    }
    EXPECT_EQ(CQtTranslationFiles::Choose("en"), "en");
}

TEST(TranslationArgsTest, PlaceholdersTakeTheirArguments) {
    struct SCase {
        const char* text;
        std::initializer_list<std::string_view> arguments;
        const char* result;
    };
    const SCase cases[] = {
        {"%1 of %2 channels", {"3", "200"}, "3 of 200 channels"},
        {"%2 Kanäle von %1", {"200", "3"}, "3 Kanäle von 200"},
        {"%1 and %1", {"A"}, "A and A"},
        {"%1 and %2", {"A"}, "A and %2"},
        {"no placeholder", {"A"}, "no placeholder"},
        {"%1", {"50%2"}, "50%2"},
        {"%1 %2", {"%2", "x"}, "%2 x"},
        {"100%", {"A"}, "100%"},
        {"%0 %a %", {"A"}, "%0 %a %"},
        {"%%1", {"A"}, "%A"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
        {"", {"A"}, ""},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(CTranslation::Args(c.text, c.arguments), c.result) << c.text;
    }
}

}  // namespace
