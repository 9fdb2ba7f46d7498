// The main window in another language: a translation that puts every text
// it is asked for in brackets shows that the texts reach the translators and
// that what is no text to translate (keys, paths, the program's name) stays
// outside them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTranslator>

#include "app/CommandLineInfo.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "platform/MemorySettingsStore.h"
#include "platform/Translation.h"
#include "ui/CommandIds.h"

namespace {

QString Marked(const char* source) {
    return QStringLiteral("[%1]").arg(QString::fromUtf8(source));
}

class CMarkingTranslator : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override {
        return source == nullptr || *source == '\0' ? QString() : Marked(source);
    }
    bool isEmpty() const override { return false; }
};

std::string MarkedText(const char*, const char* source) {
    return Marked(source).toStdString();
}

class TranslatedWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        QCoreApplication::installTranslator(&translator);
        CTranslation::Install(&MarkedText);
        settings.SetInt("Model", "Setup", 1);
        program = std::make_unique<CZ5App>(settings);
        program->UserInterface().SetBeepWaits(false);
        ASSERT_TRUE(program->InitInstance(CCommandLineInfo({})));
    }
    void TearDown() override {
        program.reset();
        CTranslation::Install(nullptr);
        QCoreApplication::removeTranslator(&translator);
    }
    CZ5MainFrame& Frame() { return *program->MainFrame(); }

    CMarkingTranslator translator;
    CMemorySettingsStore settings;
    std::unique_ptr<CZ5App> program;
};

TEST_F(TranslatedWindowTest, MenusAreTranslatedAndTheirKeysStayOutside) {
    const QList<QAction*> menus = Frame().menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.front()->text(), "[&File]");
    const std::pair<int, const char*> texts[] = {
        {Cmd::FileOpen, "[&Open...]"},     {Cmd::EditMemory, "[&Edit Memory...]\tEnter"},
        {Cmd::CloneRead, "[&Read <- TR]"}, {Cmd::ModelVersion4, "[&No version]"},
        {Cmd::EditUndo, "[&Undo]"},
    };
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(Frame().Action(id)->text(), text) << id;
    }
    EXPECT_EQ(Frame().Action(Cmd::FileOpen)->statusTip(), "[Open a clone file]");
    EXPECT_EQ(Frame().Action(Cmd::NextPane)->statusTip(), "");
    EXPECT_TRUE(Frame().Action(Cmd::EditCopy)->shortcuts().contains(QKeySequence("Ctrl+C")));
    EXPECT_TRUE(Frame().windowTitle().endsWith(" - CP-Z5"));
}

TEST_F(TranslatedWindowTest, RecentFilesKeepTheirPaths) {
    Frame().SetRecentFiles({"/a/one.cz5"});
    EXPECT_EQ(Frame().Action(Cmd::FileMruFirst)->text(), "&1 /a/one.cz5");
    Frame().SetRecentFiles({});
    EXPECT_EQ(Frame().Action(Cmd::FileMruFirst)->text(), "[&Recent File]");
}

}  // namespace
