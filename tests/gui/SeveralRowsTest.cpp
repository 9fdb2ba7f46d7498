// Several rows in the program's window: selected with Shift+Down and copied
// with Ctrl+C, the clipboard's text is the CSV export of those channels; a
// block copied, cleared and pasted back gives the saved file byte for byte;
// Delete of three rows is one step that Undo names and takes back whole.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QTest>
#include <sstream>

#include "GuiTestSupport.h"
#include "ProgramFixture.h"
#include "app/Z5MainFrame.h"
#include "document/Z5Doc.h"
#include "interchange/ChannelCsv.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

class SeveralRowsTest : public guitest::CProgramFixture {
  protected:
    // Programs memory channels as the edit dialog would, through the document.
    void Program(std::initializer_list<std::pair<int, const char*>> channels) {
        for (const auto& [number, frequency] : channels) {
            SetNodeText(Channel(number), "Clear", "OFF");
            SetNodeFreq(Channel(number), "FreqRx", frequency);
            SetNodeText(Channel(number), "SCRMCode", "01");
            SetNodeString(Channel(number), "Name", "N" + std::to_string(number));
            Document().AnnounceChange(SNodeChange::Channels(kAreaMemory, number, number));
        }
    }

    // Selects first and the rows below it with Shift+Down.
    void SelectDown(int first, int more) {
        Grid().SelectRow(first);
        for (int i = 0; i < more; ++i) {
            QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ShiftModifier);
        }
    }
};

TEST_F(SeveralRowsTest, ThreeRowsCopiedByKeyboardAreTheirCsvExportAsText) {
    Program({{4, "145.00000"}, {5, "146.52000"}, {6, "147.30000"}});
    // The export's header and its rows of channels 4, 5 and 6.
    std::istringstream exported(CChannelCsv(Document().GetCloneManager()).Export());
    std::string expected;
    for (std::string line; std::getline(exported, line);) {
        if (expected.empty() || line.starts_with("4,") || line.starts_with("5,") ||
            line.starts_with("6,")) {
            expected += line + "\n";
        }
    }
    ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 4);
    Frame().show();
    QApplication::setActiveWindow(&Frame());
    Grid().setFocus();
    SelectDown(4, 2);
    ASSERT_EQ(Grid().SelectedRows(), (std::vector<int>{4, 5, 6}));
    QApplication::clipboard()->clear();
    QTest::keyClick(&Grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
    EXPECT_FALSE(guitest::SaveScreenshot(&Frame(), "several_rows_selected").empty());
}

TEST_F(SeveralRowsTest, ABlockCopiedClearedAndPastedBackGivesTheFileByteForByte) {
    Program({{20, "145.00000"}, {21, "146.52000"}, {23, "147.30000"}});
    const std::string original = SavedBytes("original.cz5");
    SelectDown(20, 4);
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditCopy));
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditClear));
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Clear 5 channels");
    EXPECT_NE(SavedBytes("cleared.cz5"), original);
    Grid().SelectRow(20);
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditPaste));
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Paste 5 channels");
    EXPECT_EQ(SavedBytes("pasted.cz5"), original);
}

TEST_F(SeveralRowsTest, DeleteOfThreeRowsIsOneStepThatUndoTakesBack) {
    Program({{3, "145.00000"}, {4, "146.52000"}, {5, "147.30000"}, {6, "144.80000"}});
    const std::string saved = SavedBytes("saved.cz5");
    SelectDown(3, 2);
    guitest::AnswerNextModal([](QWidget* box) {
        EXPECT_EQ(guitest::MessageText(box), QStringLiteral("Delete CH ?"));
        guitest::PressButton(box, QStringLiteral("&Yes"));
    });
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditDelete));
    EXPECT_EQ(Channel(3)->FindPath("FreqRx")->GetText(), "144.80000");
    EXPECT_EQ(GetNodeValue(Channel(4), "Clear"), 1);
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Delete 3 channels");

    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    EXPECT_EQ(SavedBytes("undone.cz5"), saved);
    EXPECT_EQ(Grid().GetCellText(5, 1), "147.30000");
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Edit CH 6") << "one step took the three back";
}

}  // namespace

namespace {

// The program prints to a PDF file (its printer is read at the start).
class PrintingSeveralRowsTest : public SeveralRowsTest {
  protected:
    void SetUp() override {
        settings.SetString("windows", "device",
                           "QM PDF,PDF," + dir.filePath(QStringLiteral("out.pdf")).toStdString());
        SeveralRowsTest::SetUp();
    }
};

// Printing shows each area in turn and the window's tree is made again
// after a read or Information: the rows selected before stay selected.
TEST_F(PrintingSeveralRowsTest, SelectedRowsStaySelectedAfterPrintAndATreeRebuild) {
    Program({{2, "145.00000"}, {3, "146.52000"}, {4, "147.30000"}});
    SelectDown(2, 2);
    const std::vector<int> selected = {2, 3, 4};
    ASSERT_EQ(Grid().SelectedRows(), selected);
    guitest::AnswerNextModal([](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("1074"))->setChecked(true);
        guitest::PressButton(dialog, QStringLiteral("1"));
    });
    Frame().RunCommand(Cmd::FilePrint);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("out.pdf"))).size() > 0);
    EXPECT_EQ(Grid().SelectedRows(), selected);
    Frame().RebuildTree();
    EXPECT_EQ(Grid().SelectedRows(), selected);
    EXPECT_EQ(Grid().currentIndex().row(), 4);
}

}  // namespace
