// The windows of comparing and of the radio history: what they list, and the
// Clone menu's checks that switch the write safeguards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "../../support/CliRun.h"
#include "app/CommandLineInfo.h"
#include "app/CompareDlg.h"
#include "app/HistoryCommands.h"
#include "app/HistoryDlg.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "clone/CloneManager.h"
#include "clone/ReadHistory.h"
#include "document/DocWriteSafeguard.h"
#include "document/OtherFileDoc.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "support/ScriptedUserInterface.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

class HistoryWindowsTest : public ::testing::Test {
  protected:
    HistoryWindowsTest() { std::filesystem::create_directories(m_dir); }
    ~HistoryWindowsTest() override { std::filesystem::remove_all(m_dir); }

    void SetText(const std::string& path, const std::string& text) {
        CNode* node = CNode::ResolvePath(path);
        ASSERT_NE(node, nullptr) << path;
        node->SetText(text);
    }

    LeafComparison::LeafTexts Texts() {
        return LeafComparison::TextsOf(*m_document.GetCloneManager().GetRadioData()->GetRoot());
    }

    const std::string m_dir = CTempFile::Directory() + "/cpz5-hw-" + std::to_string(::getpid());
    CMemorySettingsStore m_settings;
    CScriptedUserInterface m_ui;
    CZ5Doc m_document{m_settings, m_ui};
};

#ifdef CPZ5_CLI_PATH
TEST_F(HistoryWindowsTest, TheCompareWindowListsExactlyTheLeavesThatTheCommandLineDiffLists) {
    ASSERT_TRUE(m_document.SaveFile(m_dir + "/b.cz5").ok);
    SetText("MCH.CH3.Clear", "OFF");
    SetText("MCH.CH3.FreqRx", "146.52000");
    SetText("PCH.CH1.Clear", "OFF");
    SetText("Common.Beep", "OFF");
    SetText("PGR.C2.Code", "123");
    ASSERT_TRUE(m_document.SaveFile(m_dir + "/a.cz5").ok);

    const COtherFileDoc::SLeaves other = COtherFileDoc::Read(m_settings, m_ui, m_dir + "/b.cz5");
    ASSERT_TRUE(other.ok) << other.message;
    EXPECT_NE(CNode::ResolvePath("MCH.CH3.FreqRx"), nullptr) << "the document stays the root";
    CCompareDlg dialog(LeafComparison::Compare(Texts(), other.texts), QStringLiteral("b.cz5"));

    const SCliRun run = RunCli(m_dir, "diff a.cz5 b.cz5");
    std::vector<std::string> listed;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        listed.push_back(line.substr(0, line.find(':')));
    }
    EXPECT_EQ(dialog.ListedPaths(), listed) << run.err;
    EXPECT_GE(listed.size(), 4u);

    std::vector<QString> groups;
    for (int i = 0; i < dialog.Tree()->topLevelItemCount(); ++i) {
        groups.push_back(dialog.Tree()->topLevelItem(i)->text(0));
    }
    EXPECT_NE(std::find(groups.begin(), groups.end(), QStringLiteral("Memory CH 03")),
              groups.end());
    EXPECT_NE(std::find(groups.begin(), groups.end(), QStringLiteral("Common")), groups.end());
#ifdef CPZ5_SCREENSHOT_DIR
    dialog.show();
    dialog.grab().save(QStringLiteral(CPZ5_SCREENSHOT_DIR "/compare.png"));
#endif
}
#endif

// The text of a cell of the history window's list.
std::string CellText(const CHistoryDlg& dialog, int row, int column) {
    return dialog.Tree()->model()->index(row, column).data().toString().toStdString();
}

// Waits for the details of the chosen row, which are read once the choice
// rests.
QString WaitForDetails(const CHistoryDlg& dialog) {
    for (int waited = 0; dialog.DetailsText().isEmpty() && waited < 5000; waited += 10) {
        QTest::qWait(10);
    }
    return dialog.DetailsText();
}

TEST_F(HistoryWindowsTest, TheHistoryWindowReadsOnlyTheDetailsOfTheChosenRead) {
    std::vector<CHistoryDlg::SRow> rows = {
        {"/h/new.cz5", "2026-12-08 19:00:00", "QM-Z5", "USA"},
        {"/h/old.cz5", "2026-12-07 08:00:00", "QM-Z5", "EUR"},
    };
    std::vector<std::string> read;
    CHistoryDlg dialog(rows, QStringLiteral("/h"), [&read](const std::string& path) {
        read.push_back(path);
        return path == "/h/new.cz5" ? "12 memory channels in use" : "cannot be read";
    });
    ASSERT_EQ(dialog.Tree()->model()->rowCount(), 2);
    EXPECT_EQ(CellText(dialog, 1, 0), "2026-12-07 08:00:00");
    EXPECT_EQ(CellText(dialog, 1, 2), "EUR");
    EXPECT_EQ(dialog.ChosenPath(), "") << "nothing chosen yet";
    EXPECT_EQ(WaitForDetails(dialog), QStringLiteral("new.cz5: 12 memory channels in use"));

    // Rows passed on the way are not read.
    dialog.Tree()->setCurrentIndex(dialog.Tree()->model()->index(1, 0));
    dialog.Tree()->setCurrentIndex(dialog.Tree()->model()->index(0, 0));
    dialog.Tree()->setCurrentIndex(dialog.Tree()->model()->index(1, 0));
    EXPECT_EQ(WaitForDetails(dialog), QStringLiteral("old.cz5: cannot be read"));
    EXPECT_EQ(read, (std::vector<std::string>{"/h/new.cz5", "/h/old.cz5"}));

    dialog.ChooseRow(1, CHistoryDlg::EChoice::Compare);
    EXPECT_EQ(dialog.Choice(), CHistoryDlg::EChoice::Compare);
    EXPECT_EQ(dialog.ChosenPath(), "/h/old.cz5");
#ifdef CPZ5_SCREENSHOT_DIR
    dialog.show();
    dialog.grab().save(QStringLiteral(CPZ5_SCREENSHOT_DIR "/history.png"));
#endif
}

TEST_F(HistoryWindowsTest, TheCloneMenuChecksSwitchTheWriteSafeguards) {
    CHistoryCommands commands(m_document, m_settings, m_ui);
    std::map<int, std::pair<CCommandTarget::Runner, CCommandTarget::Updater>> handlers;
    commands.Register([&](int id, CCommandTarget::Runner run, CCommandTarget::Updater update) {
        handlers[id] = {std::move(run), std::move(update)};
    });
    for (const auto& [id, setting] : {std::pair{Cmd::CloneBackup, CDocWriteSafeguard::kBackup},
                                      std::pair{Cmd::CloneVerify, CDocWriteSafeguard::kVerify}}) {
        ASSERT_EQ(handlers.count(id), 1u);
        auto& [run, update] = handlers[id];
        EXPECT_FALSE(update().checked) << "off by default";
        run();
        EXPECT_TRUE(update().checked);
        EXPECT_EQ(m_settings.GetInt("History", setting, 0), 1);
        run();
        EXPECT_EQ(m_settings.GetInt("History", setting, 1), 0);
    }
    EXPECT_EQ(handlers.count(Cmd::FileCompare), 1u);
    EXPECT_EQ(handlers.count(Cmd::FileHistory), 1u);
}

TEST(OtherFileDocTest, ChannelsInUseCountsTheMemoryChannelsNotCleared) {
    const LeafComparison::LeafTexts texts = {
        {"MCH.CH1.Clear", "OFF"},   {"MCH.CH2.Clear", "ON"}, {"MCH.CH3.Clear", "OFF"},
        {"PCH.CH100.Clear", "OFF"}, {"MCH.CH3.Name", "OFF"}, {"Common.Clear", "OFF"},
    };
    EXPECT_EQ(COtherFileDoc::ChannelsInUse(texts), 2);
}

}  // namespace

namespace {

class GoToTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settings.SetInt("Model", "Setup", 1);
        program.UserInterface().SetBeepWaits(false);
        ASSERT_TRUE(program.InitInstance(CCommandLineInfo({})));
    }

    CMemorySettingsStore settings;
    CZ5App program{settings};
};

TEST_F(GoToTest, ADifferingChannelValueShowsItsListWithItsRowChosen) {
    const struct {
        const char* path;
        int area;
        int row;
    } cases[] = {{"MCH.CH12.FreqRx", 1, 12}, {"PCH.CH3.Clear", 2, 3}, {"CCH.CH0.Name", 3, 0}};
    for (const auto& c : cases) {
        program.HistoryCommands()->GoTo(c.path);
        EXPECT_EQ(program.MainFrame()->GetListArea(), c.area) << c.path;
        ASSERT_NE(program.MainFrame()->ShownList(), nullptr);
        EXPECT_EQ(program.MainFrame()->ShownList()->SelectedRow(), c.row) << c.path;
    }
}

// Answers the next modal window once it shows (the program's dialogs run
// their own event loop).
void AnswerNextModal(std::function<void(QWidget*)> answer, int waitedMs = 0) {
    QTimer::singleShot(10, [answer, waitedMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible()) {
            answer(modal);
        } else if (waitedMs < 10000) {
            AnswerNextModal(answer, waitedMs + 10);
        }
    });
}

class OpenFromHistoryTest : public GoToTest {
  protected:
    OpenFromHistoryTest() { std::filesystem::create_directories(m_dir); }
    ~OpenFromHistoryTest() override { std::filesystem::remove_all(m_dir); }

    CZ5Doc& Document() { return *program.Document(); }

    // Keeps the document's data as a read in the history; its path.
    std::string KeepAsRead() {
        const std::string read = m_dir + "/read.cz5";
        EXPECT_TRUE(Document().SaveFile(read).ok);
        CReadHistory history(m_dir + "/history", 50);
        EXPECT_EQ(history.Store(read, "USA", "QM-Z5", std::time(nullptr)), "");
        const std::vector<SHistoryEntry> entries = history.Entries();
        return entries.empty() ? "" : entries.back().path;
    }

    // Shows Radio History and chooses its newest read with Open.
    void OpenNewestRead() {
        AnswerNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<CHistoryDlg*>(modal);
            ASSERT_NE(dialog, nullptr);
            dialog->ChooseRow(0, CHistoryDlg::EChoice::Open);
        });
        program.HistoryCommands()->ShowHistory();
    }

    const std::string m_dir = CTempFile::Directory() + "/cpz5-hopen-" + std::to_string(::getpid());
};

// A read opened from the history becomes untitled data: saving asks for a
// new name and never changes the history.
TEST_F(OpenFromHistoryTest, AReadOpensAsUntitledDataAndSavingLeavesTheHistoryAlone) {
    Document().EnableReadHistory(m_dir + "/history");
    const std::string base = m_dir + "/base.cz5";
    ASSERT_TRUE(Document().SaveFile(base).ok);
    CNode::ResolvePath("MCH.CH5.Clear")->SetText("OFF");
    CNode::ResolvePath("MCH.CH5.FreqRx")->SetText("146.52000");
    const std::string entry = KeepAsRead();
    ASSERT_FALSE(entry.empty());
    const std::string kept = ReadWholeFile(entry);
    ASSERT_TRUE(Document().OpenFile(base).ok);
    Document().SetTitle("base.cz5");
    ASSERT_NE(CNode::ResolvePath("MCH.CH5.FreqRx")->GetText(), "146.52000");

    OpenNewestRead();

    EXPECT_EQ(CNode::ResolvePath("MCH.CH5.FreqRx")->GetText(), "146.52000");
    EXPECT_EQ(Document().GetPathName(), "");
    EXPECT_EQ(Document().GetTitle(), "Untitled");
    EXPECT_FALSE(Document().IsModified());

    CNode::ResolvePath("MCH.CH5.Name")->SetText("SIMPL");
    const std::string saved = m_dir + "/saved.cz5";
    Document().SetSaveNamePrompt([saved] { return saved; });
    EXPECT_TRUE(Document().OnFileSave());
    EXPECT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(ReadWholeFile(entry), kept) << "the history entry is unchanged";
}

// A read that cannot be opened is reported and the document stays as it was.
TEST_F(OpenFromHistoryTest, AReadThatCannotBeOpenedLeavesTheDocumentAsItWas) {
    Document().EnableReadHistory(m_dir + "/history");
    const std::string base = m_dir + "/base.cz5";
    ASSERT_TRUE(Document().SaveFile(base).ok);
    const std::string entry = KeepAsRead();
    ASSERT_FALSE(entry.empty());
    std::ofstream(entry, std::ios::trunc) << "not a clone file\n";
    ASSERT_TRUE(Document().OpenFile(base).ok);

    std::string told;
    AnswerNextModal([&told](QWidget* modal) {
        AnswerNextModal([&told](QWidget* box) {
            if (auto* message = qobject_cast<QMessageBox*>(box)) {
                told = message->text().toStdString();
                message->accept();
            } else {
                box->close();
            }
        });
        qobject_cast<CHistoryDlg*>(modal)->ChooseRow(0, CHistoryDlg::EChoice::Open);
    });
    program.HistoryCommands()->ShowHistory();

    EXPECT_NE(told.find(entry), std::string::npos) << told;
    EXPECT_EQ(Document().GetPathName(), base);
}

// Ten thousand reads, files that no reader would take among them, and a
// foreign file: every read is listed from its name, newest first, at the
// time the user's clock showed, and only the chosen one is read.
TEST_F(OpenFromHistoryTest, TenThousandReadsAreListedNewestFirstInLocalTime) {
    constexpr int kReads = 10000;
    constexpr std::time_t kFirst = 1796731200;  // 2026-12-08 12:00:00 UTC
    const std::string folder = m_dir + "/history";
    Document().EnableReadHistory(folder);
    std::filesystem::create_directories(folder);
    for (int i = 0; i < kReads; ++i) {
        const std::string name =
            CReadHistory::EntryName(kFirst + i * 61, "USA", "R" + std::to_string(i));
        std::ofstream(folder + "/" + name) << "no clone\n";
    }
    std::ofstream(folder + "/notes.cz5") << "mine";
    const char* saved = std::getenv("TZ");
    const std::string zone = saved ? saved : "";
    setenv("TZ", "CET-1", 1);

    std::vector<std::string> newest, oldest;
    int rows = 0;
    QString details;
    AnswerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CHistoryDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        rows = dialog->Tree()->model()->rowCount();
        for (int column = 0; column < 3; ++column) {
            newest.push_back(CellText(*dialog, 0, column));
            oldest.push_back(CellText(*dialog, rows - 1, column));
        }
        details = WaitForDetails(*dialog);
        dialog->reject();
    });
    program.HistoryCommands()->ShowHistory();
    if (saved) {
        setenv("TZ", zone.c_str(), 1);
    } else {
        unsetenv("TZ");
    }

    EXPECT_EQ(rows, kReads);
    EXPECT_EQ(newest, (std::vector<std::string>{"2026-12-15 14:25:39", "R9999", "USA"}));
    EXPECT_EQ(oldest, (std::vector<std::string>{"2026-12-08 13:00:00", "R0", "USA"}));
    EXPECT_TRUE(details.startsWith("20261215-132539_USA_R9999.cz5: cannot be read"))
        << details.toStdString();
}

}  // namespace
