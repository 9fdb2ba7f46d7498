// The program's windows in the language of the environment (ctest runs this
// program once per language): every text shown whole at 1280x800, no window
// larger than that, and every mnemonic the only one of its menu or window.
// The windows are those of the manual's pictures, opened as a user opens
// them in a program that has read a radio (every option unit fitted, so
// that the scrambler and ANI pages are there), the questions asked on the
// way, and the dialogs that open on their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <set>
#include <string>
#include <vector>

#include "ManualPictures.h"
#include "ModalCatcher.h"
#include "TextFit.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/StandaloneDialogs.h"
#include "document/Z5Doc.h"
#include "gui/Mnemonics.h"
#include "gui/ProgramFixture.h"

namespace {

using Reports = std::set<std::string>;

void Add(Reports& into, const Reports& reports) {
    into.insert(reports.begin(), reports.end());
}

void Add(Reports& into, const std::vector<std::string>& reports) {
    into.insert(reports.begin(), reports.end());
}

void ExpectNone(const Reports& reports) {
    for (const std::string& report : reports) {
        ADD_FAILURE() << report;
    }
}

// What the checks found in the windows the manual's pictures show.
struct SFindings {
    Reports windows;  // what was looked at
    Reports cut;
    Reports mnemonics;
    Reports menus;
    QStringList failures;
};

// The main window at the size of the screen (a person at a small screen
// gives it all of it), put back afterwards.
void LookAtMainWindow(QMainWindow& frame, const QString& name, SFindings& findings) {
    const QSize size = frame.size();
    frame.resize(textfit::kScreen);
    QApplication::processEvents();
    Add(findings.cut, textfit::CutTexts(frame, name));
    Add(findings.menus, textfit::CutMenus(*frame.menuBar()));
    frame.resize(size);
    QApplication::processEvents();
}

void LookAt(const QString& name, QWidget& window, SFindings& findings) {
    findings.windows.insert(name.toStdString());
    if (auto* frame = qobject_cast<QMainWindow*>(&window)) {
        LookAtMainWindow(*frame, name, findings);
        return;
    }
    Add(findings.cut, textfit::CutTexts(window, name));
    if (qobject_cast<QDialog*>(&window) != nullptr) {
        Add(findings.mnemonics, textfit::SharedMnemonics(window, name));
    }
}

class ProgramWindowsTest : public testing::Test {
  protected:
    // The pictures' program keeps its folders in a temporary folder of its
    // own, named in the environment while it runs.
    static void SetUpTestSuite() {
        const char* folders[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"};
        std::vector<QByteArray> kept;
        for (const char* folder : folders) {
            kept.push_back(qgetenv(folder));
        }
        {
            QTemporaryDir output;
            CManualPictures pictures(CPZ5_PICTURE_DEMO, output.path().toStdString());
            pictures.SetInspector(
                [](const QString& name, QWidget& window) { LookAt(name, window, findings); });
            findings.failures = pictures.Run();
        }
        for (size_t i = 0; i < kept.size(); ++i) {
            if (kept[i].isEmpty()) {
                qunsetenv(folders[i]);
            } else {
                qputenv(folders[i], kept[i]);
            }
        }
    }

    static SFindings findings;
};

SFindings ProgramWindowsTest::findings;

TEST_F(ProgramWindowsTest, EveryWindowOfTheManualIsOpened) {
    EXPECT_TRUE(findings.failures.isEmpty()) << findings.failures.join('\n').toStdString();
    for (const CManualPictures::SPicture& picture : CManualPictures::Catalogue()) {
        EXPECT_TRUE(findings.windows.contains(picture.file)) << picture.file;
    }
    EXPECT_TRUE(findings.windows.contains("the question before the read"));
    EXPECT_TRUE(findings.windows.contains("the print selection"));
}

TEST_F(ProgramWindowsTest, ShowEveryTextWhole) {
    ExpectNone(findings.cut);
}

TEST_F(ProgramWindowsTest, MenusFitTheMenuBarAndTheScreen) {
    ExpectNone(findings.menus);
}

TEST_F(ProgramWindowsTest, EveryMnemonicIsTheOnlyOneOfItsDialog) {
    ExpectNone(findings.mnemonics);
}

class StandaloneDialogsTest : public CDialogTest {};

TEST_F(StandaloneDialogsTest, ShowEveryTextWholeWithTheirOwnMnemonics) {
    for (const DialogMaker& make : StandaloneDialogs()) {
        const std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        QApplication::processEvents();
        const QString name = QString::fromLatin1(dialog->metaObject()->className()) +
                             QStringLiteral(" \"") + dialog->windowTitle() + QLatin1Char('"');
        ExpectNone(textfit::CutTexts(*dialog, name));
        ExpectNone(textfit::SharedMnemonics(*dialog, name));
    }
}

// The main window as the program starts, before any read.
class MainWindowLanguageTest : public guitest::CProgramFixture {};

TEST_F(MainWindowLanguageTest, EveryMenuAndItemHasItsOwnMnemonic) {
    Reports faults;
    Add(faults, guitest::MenuMnemonicFaults(Frame().menuBar()->actions(), "menu bar"));
    Frame().SetRecentFiles({"/a/one.cz5", "/b/two.cz5", "/c/three.cz5", "/d/four.cz5"});
    Add(faults, guitest::MenuMnemonicFaults(Frame().menuBar()->actions(), "menu bar"));
    Add(faults, guitest::MenuMnemonicFaults(Frame().MakeContextMenu()->actions(), "context menu"));
    ExpectNone(faults);
    ExpectNone(textfit::CutMenus(*Frame().menuBar()));
}

TEST_F(MainWindowLanguageTest, TheSaveQuestionShowsItsTextsWhole) {
    SFindings findings;
    CModalCatcher catcher;
    catcher.Expect(QStringLiteral("the save question"), [&](QWidget& box) {
        LookAt(QStringLiteral("the save question"), box, findings);
        CModalCatcher::Close(box);
    });
    program->Document()->SetModifiedFlag(true);
    program->Document()->SaveModified();
    program->Document()->SetModifiedFlag(false);
    EXPECT_TRUE(catcher.Done());
    EXPECT_TRUE(catcher.TakeFailures().isEmpty());
    ExpectNone(findings.cut);
    ExpectNone(findings.mnemonics);
}

}  // namespace
