// The main window as a user meets it: the menus with their items and
// separators, the keys, the toolbar, the status bar panes, the help window
// and the About box.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "GuiTestSupport.h"
#include "Mnemonics.h"
#include "app/CloneStatusBar.h"
#include "app/CommandLineInfo.h"
#include "app/HelpWindow.h"
#include "app/IndicatorPane.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "app/Z5TreeView.h"
#include "document/Z5Doc.h"
#include "platform/MemorySettingsStore.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

using guitest::AnswerNextModal;
using guitest::PressButton;

// Item names of a menu, "-" for a separator.
QStringList ItemsOf(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            items << "-";
        } else if (action->menu() != nullptr) {
            items << "menu";
        } else if (action->isVisible()) {
            items << action->objectName();
        }
    }
    return items;
}

class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        settings.SetInt("Model", "Setup", 1);
        program.UserInterface().SetBeepWaits(false);
        ASSERT_TRUE(program.InitInstance(CCommandLineInfo({})));
    }
    CZ5MainFrame& Frame() { return *program.MainFrame(); }

    CMemorySettingsStore settings;
    CZ5App program{settings};
};

TEST_F(MainWindowTest, MenusHoldTheirCommandsInOrder) {
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"&File",
         {"cmd32786", "cmd57601", "cmd57603", "cmd57604", "-", "cmd32950", "cmd32951", "-",
          "cmd32960", "cmd32961", "-", "cmd57607", "cmd32962", "cmd32965", "-", "cmd57616", "-",
          "cmd57665"}},
        {"&Edit",
         {"cmd57643", "cmd57644", "-",        "cmd32771", "cmd32978", "-",        "cmd57635",
          "cmd57634", "cmd57637", "-",        "cmd57632", "cmd32812", "cmd32804", "-",
          "cmd57642", "-",        "cmd32970", "cmd32971", "-",        "cmd32972", "cmd32973",
          "cmd32974", "-",        "cmd32975", "cmd32976", "cmd32977"}},
        {"&View",
         {"cmd166", "cmd156", "cmd32779", "-", "cmd32979", "-", "cmd59392", "cmd59393", "-",
          "menu"}},
        {"C&OM Port", {"cmd32790", "cmd32791", "cmd32792", "cmd32793"}},
        {"&Clone", {"cmd32774", "cmd32775", "-", "cmd32963", "cmd32964", "-", "cmd32776"}},
        {"&Help", {"cmd57667", "-", "cmd57664"}},
    };
    const QList<QAction*> menus = Frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menus[i]->text(), expected[i].first);
        EXPECT_EQ(ItemsOf(menus[i]->menu()), expected[i].second) << expected[i].first.toStdString();
    }
    const QMenu* models = menus[2]->menu()->actions().back()->menu();
    EXPECT_EQ(ItemsOf(models),
              QStringList({"cmd32800", "cmd32801", "cmd32773", "cmd32778", "cmd32777"}));
    EXPECT_EQ(Frame().Action(Cmd::CloneRead)->text(), "&Read <- TR");
    EXPECT_EQ(Frame().Action(Cmd::AppAbout)->text(), "&About CP-Z5...");
    EXPECT_EQ(ItemsOf(Frame().MakeContextMenu().get()),
              QStringList({"cmd32771", "cmd32978", "-", "cmd57635", "cmd57634", "cmd57637", "-",
                           "cmd57632", "cmd32812", "cmd32804"}));
}

TEST_F(MainWindowTest, KeysReachTheirCommands) {
    const std::pair<const char*, int> keys[] = {
        {"Ctrl+N", Cmd::FileNewMenu},      {"Ctrl+O", Cmd::FileOpen},
        {"Ctrl+S", Cmd::FileSave},         {"Ctrl+P", Cmd::FilePrint},
        {"Ctrl+C", Cmd::EditCopy},         {"Ctrl+Ins", Cmd::EditCopy},
        {"Ctrl+V", Cmd::EditPaste},        {"Shift+Ins", Cmd::EditPaste},
        {"Ctrl+X", Cmd::EditCut},          {"Shift+Del", Cmd::EditCut},
        {"Ctrl+Z", Cmd::EditUndo},         {"Alt+Backspace", Cmd::EditUndo},
        {"Ctrl+Shift+Z", Cmd::EditRedo},   {"Ctrl+Y", Cmd::EditRedo},
        {"Del", Cmd::EditDelete},          {"Ins", Cmd::EditInsert},
        {"F1", Cmd::HelpContents},         {"F6", Cmd::NextPane},
        {"Shift+F6", Cmd::PrevPane},       {"Ctrl+Q", Cmd::AppExit},
        {"Ctrl+Shift+S", Cmd::FileSaveAs}, {"Ctrl+F", Cmd::EditFind},
        {"F3", Cmd::EditFindNext},         {"Shift+F3", Cmd::EditFindPrevious},
        {"Alt+Up", Cmd::EditMoveUp},       {"Alt+Down", Cmd::EditMoveDown},
        {"Ctrl+A", Cmd::EditSelectAll},
    };
    for (const auto& [key, id] : keys) {
        EXPECT_TRUE(Frame().Action(id)->shortcuts().contains(QKeySequence(key))) << key;
    }
}

// Every item of a menu (and of its submenus, each on its own) has a
// mnemonic that no other item of the same menu has.
void ExpectOwnMnemonics(const QList<QAction*>& items, const std::string& menu) {
    for (const std::string& fault : guitest::MenuMnemonicFaults(items, menu)) {
        ADD_FAILURE() << fault;
    }
}

TEST_F(MainWindowTest, EveryMenuAndItemHasItsOwnMnemonic) {
    ExpectOwnMnemonics(Frame().menuBar()->actions(), "menu bar");
    Frame().SetRecentFiles({"/a/one.cz5", "/b/two.cz5", "/c/three.cz5", "/d/four.cz5"});
    ExpectOwnMnemonics(Frame().menuBar()->actions(), "menu bar");
    ExpectOwnMnemonics(Frame().MakeContextMenu()->actions(), "context menu");
}

TEST_F(MainWindowTest, TheTitleMarksUnsavedChanges) {
    EXPECT_EQ(Frame().windowTitle(), "Untitled - CP-Z5");
    program.Document()->SetModifiedFlag(true);
    Frame().UpdateCommands();
    EXPECT_EQ(Frame().windowTitle(), "Untitled* - CP-Z5");
    EXPECT_TRUE(Frame().isWindowModified());
    program.Document()->SetModifiedFlag(false);
    Frame().UpdateCommands();
    EXPECT_FALSE(Frame().isWindowModified());
}

TEST_F(MainWindowTest, TheSaveQuestionNamesItsButtonsByWhatTheyDo) {
    program.Document()->SetModifiedFlag(true);
    QStringList buttons;
    AnswerNextModal([&](QWidget* box) {
        for (const QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
            buttons << button->text();
        }
        PressButton(box, "Cancel");
    });
    EXPECT_FALSE(program.Document()->SaveModified());
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"&Save", "Cancel", "Do&n't Save"}));
}

TEST_F(MainWindowTest, TheToolbarHasItsButtonsInOrder) {
    QStringList buttons;
    for (const QAction* action : Frame().ToolBar()->actions()) {
        buttons << (action->isSeparator() ? QString("|") : action->objectName().mid(3));
    }
    EXPECT_EQ(buttons.join(' '),
              "32786 57601 57603 57607 | 32771 57634 57637 57632 | 166 156 32779 | "
              "32790 32791 32792 32793 | 32774 32775 32776 | 57667");
    for (const QAction* action : Frame().ToolBar()->actions()) {
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull())
            << action->objectName().toStdString();
    }
    Frame().RunCommand(Cmd::ViewToolbar);
    EXPECT_FALSE(Frame().ToolBar()->isVisibleTo(&Frame()));
    EXPECT_FALSE(Frame().Action(Cmd::ViewToolbar)->isChecked());
}

TEST_F(MainWindowTest, TheStatusBarHasItsPanesAndIndicatorsFollowTheLights) {
    for (const char* name : {"CAP", "NUM", "SCRL", "2000"}) {
        EXPECT_NE(Frame().StatusBar()->Pane(name), nullptr) << name;
    }
    QTemporaryDir lights;
    QDir(lights.path()).mkpath("input3::capslock");
    QDir(lights.path()).mkpath("input3::numlock");
    auto write = [&](const char* file, const char* text) {
        QFile out(lights.filePath(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    };
    write("input3::capslock/brightness", "1\n");
    write("input3::numlock/brightness", "0\n");
    EXPECT_TRUE(CCloneStatusBar::IsLightOn(lights.path(), "capslock"));
    EXPECT_FALSE(CCloneStatusBar::IsLightOn(lights.path(), "numlock"));
    EXPECT_FALSE(CCloneStatusBar::IsLightOn(lights.path(), "scrolllock"));
    EXPECT_FALSE(CCloneStatusBar::IsLightOn("/nonexistent", "capslock"));
}

TEST_F(MainWindowTest, HelpContentsShowsTheManual) {
    ASSERT_FALSE(CHelpWindow::FindHelpFile().isEmpty());
    Frame().RunCommand(Cmd::HelpContents);
    auto* help = Frame().findChild<CHelpWindow*>("HelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->Browser()->toPlainText().contains("Read <- TR"));
    EXPECT_TRUE(help->screen()->availableGeometry().contains(help->frameGeometry()));
    QTest::keyClick(help->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(MainWindowTest, AboutShowsTheProgramAndItsRevision) {
    QString caption;
    QStringList lines;
    AnswerNextModal([&](QWidget* about) {
        caption = about->windowTitle();
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            lines << label->text();
        }
        PressButton(about, "1");
    });
    Frame().RunCommand(Cmd::AppAbout);
    EXPECT_EQ(caption, "About CP-Z5");
    EXPECT_TRUE(lines.contains("CP-Z5 Rev.1.0"));
}

TEST_F(MainWindowTest, F6MovesBetweenTreeAndList) {
    QApplication::setActiveWindow(&Frame());
    Frame().FocusTree();
    ASSERT_TRUE(Frame().TreeView()->hasFocus());
    Frame().RunCommand(Cmd::NextPane);
    EXPECT_TRUE(Frame().ShownList()->hasFocus());
    Frame().RunCommand(Cmd::PrevPane);
    EXPECT_TRUE(Frame().TreeView()->hasFocus());
}

}  // namespace

// Off at first; once chosen it stays chosen in the settings, and a window
// made afterwards hides the cleared memory channels from its start.
TEST_F(MainWindowTest, ChannelsInUseOnlyIsKeptInTheSettings) {
    EXPECT_FALSE(Frame().Action(Cmd::ViewInUseOnly)->isChecked());
    EXPECT_FALSE(Frame().ShownList()->ShowsRowsInUseOnly());
    ASSERT_TRUE(Frame().RunCommand(Cmd::ViewInUseOnly));
    EXPECT_TRUE(Frame().Action(Cmd::ViewInUseOnly)->isChecked());
    EXPECT_EQ(settings.GetInt("View", "ChannelsInUseOnly", 0), 1);
    EXPECT_TRUE(Frame().ShownList()->isRowHidden(5));
    {
        CZ5MainFrame second(settings, program);
        EXPECT_TRUE(second.ShownList()->ShowsRowsInUseOnly());
    }
    ASSERT_TRUE(Frame().RunCommand(Cmd::ViewInUseOnly));
    EXPECT_EQ(settings.GetInt("View", "ChannelsInUseOnly", 1), 0);
    EXPECT_FALSE(Frame().ShownList()->isRowHidden(5));
}
