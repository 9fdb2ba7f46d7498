// The Compare With... window taking another file's values into the program's
// data: the grid follows, what is left stays listed, and Edit > Undo takes
// each take-over back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "../../support/CliRun.h"
#include "app/CommandLineInfo.h"
#include "app/CompareDlg.h"
#include "app/HistoryCommands.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "document/FileTakeOver.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "support/ScriptedUserInterface.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

void SetText(const std::string& path, const std::string& text) {
    CNode* node = CNode::ResolvePath(path);
    ASSERT_NE(node, nullptr) << path;
    node->SetText(text);
}

std::string Text(const std::string& path) {
    const CNode* node = CNode::ResolvePath(path);
    return node != nullptr ? node->GetText() : "<missing " + path + ">";
}

bool Lists(const CCompareDlg& dialog, const std::string& prefix) {
    for (const std::string& path : dialog.ListedPaths()) {
        if (path.starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

QTreeWidgetItem* TopRow(const CCompareDlg& dialog, const QString& title) {
    const QList<QTreeWidgetItem*> rows =
        dialog.Tree()->findItems(title, Qt::MatchExactly | Qt::MatchRecursive, 0);
    return rows.isEmpty() ? nullptr : rows.front();
}

class CompareWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir);
        settings.SetInt("Model", "Setup", 1);
        settings.SetInt("Model", "ModelVer", 2);  // USA: 146.52 MHz lies in its band
        program.UserInterface().SetBeepWaits(false);
        ASSERT_TRUE(program.InitInstance(CCommandLineInfo({})));
        ASSERT_TRUE(Document().SaveFile(m_a).ok);
        SetText("MCH.CH3.Clear", "OFF");
        SetText("MCH.CH3.FreqRx", "146.52000");
        SetText("MCH.CH3.Name", "SIMPL");
        SetText("Common.Beep", "OFF");
        SetText("PGR.C4.Code", "123");
        ASSERT_TRUE(Document().SaveFile(m_b).ok);
        ASSERT_TRUE(Document().OpenFile(m_a).ok);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    CZ5Doc& Document() { return *program.Document(); }
    QString GridCell(int row, int column) {
        const QAbstractItemModel* model = program.MainFrame()->ShownList()->model();
        return model->data(model->index(row, column)).toString();
    }

    const std::string m_dir = CTempFile::Directory() + "/cpz5-cmpw-" + std::to_string(::getpid());
    const std::string m_a = m_dir + "/a.cz5", m_b = m_dir + "/b.cz5";
    CMemorySettingsStore settings;
    CZ5App program{settings};
};

TEST_F(CompareWindowTest, TakingAChannelAndThenAllLeavesTheWindowOpenWithWhatIsLeft) {
    CFileTakeOver takeOver(Document(), settings);
    ASSERT_TRUE(takeOver.Open(m_b, "b.cz5").ok);
    CCompareDlg dialog(takeOver.Differences(), QStringLiteral("b.cz5"), program.MainFrame());
    dialog.OfferTakeOver(takeOver);
    program.MainFrame()->ShowArea(kAreaMemory);
    dialog.show();
    auto* takeSelected = dialog.findChild<QPushButton*>(QStringLiteral("TakeSelected"));
    auto* takeAll = dialog.findChild<QPushButton*>(QStringLiteral("TakeAll"));
    ASSERT_NE(takeSelected, nullptr);
    ASSERT_NE(takeAll, nullptr);
    EXPECT_FALSE(takeSelected->isEnabled()) << "nothing selected yet";
    QTreeWidgetItem* channel = TopRow(dialog, QStringLiteral("Memory CH 03"));
    ASSERT_NE(channel, nullptr);
    ASSERT_NE(TopRow(dialog, QStringLiteral("Frequency")), nullptr);
    EXPECT_NE(TopRow(dialog, QStringLiteral("PGR C4")), nullptr);
#ifdef CPZ5_SCREENSHOT_DIR
    dialog.grab().save(QStringLiteral(CPZ5_SCREENSHOT_DIR "/compare-take.png"));
#endif

    channel->setSelected(true);
    ASSERT_TRUE(takeSelected->isEnabled());
    takeSelected->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(Lists(dialog, "MCH.CH3.")) << "the channel came over";
    EXPECT_TRUE(Lists(dialog, "Common.Beep"));
    EXPECT_TRUE(Lists(dialog, "PGR.C4.Code"));
    EXPECT_EQ(GridCell(3, 1), QStringLiteral("146.52000"));
    EXPECT_EQ(Text("Common.Beep"), "ON") << "only the channel came over";
    EXPECT_EQ(Document().UndoName(), "Take over Memory CH 03 from b.cz5");

    takeAll->click();
    EXPECT_TRUE(dialog.ListedPaths().empty());
    EXPECT_FALSE(takeAll->isEnabled());
    EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("Summary"))
                    ->text()
                    .contains(QStringLiteral("same values")));
    EXPECT_EQ(Text("Common.Beep"), "OFF");
    dialog.close();

    program.MainFrame()->RunCommand(Cmd::EditUndo);
    EXPECT_EQ(Text("Common.Beep"), "ON");
    EXPECT_EQ(Text("MCH.CH3.FreqRx"), "146.52000") << "each take-over is a step of its own";
    program.MainFrame()->RunCommand(Cmd::EditUndo);
    EXPECT_EQ(GridCell(3, 1), QString());
    ASSERT_TRUE(Document().SaveFile(m_dir + "/undone.cz5").ok);
    EXPECT_EQ(ReadWholeFile(m_dir + "/undone.cz5"), ReadWholeFile(m_a));
}

// File > Compare With... on a file of another model says why and opens no
// window; nothing changes.
TEST_F(CompareWindowTest, AForeignFileIsRefusedWithItsReason) {
    std::ofstream(m_dir + "/other.cz5") << "13570001\r\nclub radio\r\n";
    CScriptedUserInterface ui;
    CHistoryCommands commands(Document(), settings, ui);
    bool windowOpened = false;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&windowOpened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            windowOpened = true;
            modal->close();
        }
    });
    closer.start(200);
    commands.CompareWith(m_dir + "/other.cz5", "other.cz5");
    EXPECT_FALSE(windowOpened);
    ASSERT_EQ(ui.m_messages.size(), 1u);
    EXPECT_NE(ui.m_messages[0].text.find("MISMATCH_MODEL"), std::string::npos)
        << ui.m_messages[0].text;
    EXPECT_FALSE(Document().IsModified());
    EXPECT_FALSE(Document().CanUndo());
}

}  // namespace
