// Edit > Undo and Redo in the program: random grid commands and settings
// changes taken back and done again give the saved files byte for byte, the
// menu names the step, and the modified flag follows the saved state.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <random>

#include "GuiTestSupport.h"
#include "ProgramFixture.h"
#include "app/Z5MainFrame.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"
#include "ui/Z5ChListSheet.h"

namespace {

using guitest::AnswerNextModal;
using guitest::PressButton;

class UndoTest : public guitest::CProgramFixture {
  protected:
    static bool IsCleared(int number) { return GetNodeValue(Channel(number), "Clear") != 0; }

    // Programs a memory channel as the edit dialog would, through the document.
    void Program(int number, const char* frequency) {
        SetNodeText(Channel(number), "Clear", "OFF");
        SetNodeFreq(Channel(number), "FreqRx", frequency);
        Document().AnnounceChange(SNodeChange::Channels(kAreaMemory, number, number));
    }

    // Runs a grid command on row, answering Yes to its question.
    void OnRow(int row, int command, bool asks) { OnRows(row, 1, command, asks); }

    // Runs a grid command on count rows from first on (selected with
    // Shift+Down), answering Yes to its question; command 0 only selects.
    void OnRows(int first, int count, int command, bool asks) {
        Grid().SelectRow(first);
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ShiftModifier);
        }
        if (asks) {
            AnswerNextModal([](QWidget* box) { PressButton(box, "&Yes"); });
        }
        if (command != 0) {
            Frame().RunCommand(command);
        }
    }

    // Clicks the header of column of the grid.
    void ClickHeader(int column) {
        QHeaderView* header = Grid().horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    static bool AnyInUse(int first, int end) {
        for (int number = std::max(first, 0); number < std::min(end, 100); ++number) {
            if (!IsCleared(number)) {
                return true;
            }
        }
        return false;
    }
};

// Single and several rows, moves, sorts (from the menu and the header), Cut,
// Set Field, cell edits and dialog-like edits.
TEST_F(UndoTest, HundredEditsUndoneAndRedoneGiveTheFilesByteForByte) {
    const char* frequencies[] = {"145.00000", "146.52000", "147.30000", "144.80000"};
    for (int channel = 0; channel < 10; ++channel) {
        Program(channel * 3, frequencies[channel % 4]);
    }
    const std::string original = SavedBytes("original.cz5");
    Document().StartFreshHistory();
    std::mt19937 random(5);
    auto pick = [&random](int high) { return std::uniform_int_distribution<int>(0, high)(random); };
    const int sorts[] = {Cmd::EditSortFrequency, Cmd::EditSortName, Cmd::EditSortTone};
    const std::pair<int, const char*> fields[] = {{8, "88.5"}, {2, "-Dup"}, {13, "Low"}};
    for (int i = 0; i < 100; ++i) {
        const int row = pick(99);
        const int rows = std::min(1 + pick(3), 100 - row);
        switch (pick(12)) {
            case 0:
                OnRow(row, Cmd::EditClear, false);
                break;
            case 1:
                OnRow(row, Cmd::EditDelete, !IsCleared(row));
                break;
            case 2:
                OnRow(row, Cmd::EditInsert, !IsCleared(99));
                break;
            case 3:
                OnRow(pick(99), Cmd::EditCopy, false);
                OnRow(row, Cmd::EditPaste, false);
                break;
            case 4:
                OnRows(row, rows, Cmd::EditDelete, AnyInUse(row, row + rows));
                break;
            case 5:
                OnRows(row, rows, Cmd::EditInsert, AnyInUse(100 - rows, 100));
                break;
            case 6:
                OnRows(row, rows, pick(1) == 0 ? Cmd::EditMoveUp : Cmd::EditMoveDown, false);
                break;
            case 7:
                Frame().RunCommand(sorts[pick(2)]);
                break;
            case 8:
                Grid().model()->setData(Grid().model()->index(row, 1), frequencies[pick(3)]);
                break;
            case 9:
                OnRows(row, rows, Cmd::EditCut, false);
                break;
            case 10: {
                OnRows(row, rows, 0, false);
                const auto& [column, text] = fields[pick(2)];
                static_cast<CZ5ChListSheet&>(Grid()).SetField(column, text);
                break;
            }
            case 11:
                ClickHeader(1 + pick(14));
                break;
            default:
                Program(row, frequencies[pick(3)]);
                break;
        }
    }
    const std::string edited = SavedBytes("edited.cz5");
    int undos = 0;
    while (IsEnabled(Cmd::EditUndo) && undos <= 100) {
        ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
        ++undos;
    }
    EXPECT_GT(undos, 50) << "most operations changed something";
    EXPECT_LE(undos, 100 + 10);
    EXPECT_EQ(SavedBytes("undone.cz5"), original);
    for (int i = 0; i < undos; ++i) {
        ASSERT_TRUE(Frame().RunCommand(Cmd::EditRedo)) << i;
    }
    EXPECT_FALSE(IsEnabled(Cmd::EditRedo));
    EXPECT_EQ(SavedBytes("redone.cz5"), edited);
}

TEST_F(UndoTest, UndoAfterADeleteBringsTheChannelBackAndTheSavedState) {
    Program(3, "146.52000");
    Program(4, "145.00000");
    SavedBytes("saved.cz5");
    EXPECT_FALSE(Document().IsModified());
    OnRow(3, Cmd::EditDelete, true);
    EXPECT_EQ(Channel(3)->FindPath("FreqRx")->GetText(), "145.00000");
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Delete CH 3");
    EXPECT_FALSE(IsEnabled(Cmd::EditRedo));
    QMenu* edit = Frame().menuBar()->actions().value(1)->menu();
    ASSERT_NE(edit, nullptr);
    edit->adjustSize();
    EXPECT_FALSE(guitest::SaveScreenshot(edit, "undo_edit_menu").empty());

    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    EXPECT_EQ(Channel(3)->FindPath("FreqRx")->GetText(), "146.52000");
    EXPECT_EQ(Frame().ShownList()->GetCellText(3, 1), "146.52000");
    EXPECT_FALSE(Document().IsModified()) << "back at the saved state";
    EXPECT_EQ(ActionText(Cmd::EditRedo), "&Redo Delete CH 3");
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Edit CH 4");

    ASSERT_TRUE(Frame().RunCommand(Cmd::EditRedo));
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(Channel(3)->FindPath("FreqRx")->GetText(), "145.00000");
}

TEST_F(UndoTest, CutAndAHeaderSortAreOneStepEach) {
    Program(3, "146.52000");
    Program(4, "145.00000");
    Program(9, "144.80000");
    const std::string saved = SavedBytes("saved.cz5");
    OnRows(3, 2, Cmd::EditCut, false);
    EXPECT_TRUE(IsCleared(3) && IsCleared(4));
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Cut 2 channels");
    ClickHeader(1);
    ClickHeader(1);
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Sort by frequency, descending");
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Sort by frequency");
    EXPECT_EQ(Grid().horizontalHeader()->sortIndicatorSection(), -1)
        << "the order taken back is no longer shown";
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    EXPECT_EQ(SavedBytes("undone.cz5"), saved);
}

TEST_F(UndoTest, NewDataStartsAFreshHistory) {
    Program(7, "147.30000");
    SavedBytes("kept.cz5");
    ASSERT_TRUE(IsEnabled(Cmd::EditUndo));
    Frame().RunCommand(Cmd::FileNewMenu);
    EXPECT_FALSE(IsEnabled(Cmd::EditUndo));
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo");
    EXPECT_FALSE(Frame().RunCommand(Cmd::EditUndo));
}

}  // namespace

TEST_F(UndoTest, AnEditInTheCellIsOneStepThatUndoBringsBack) {
    Program(5, "146.52000");
    SavedBytes("saved.cz5");
    CListSheet& grid = *Frame().ShownList();
    grid.SelectRow(5);
    const QModelIndex frequency = grid.model()->index(5, 1);
    grid.setCurrentIndex(frequency);
    QTest::keyClick(&grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(frequency));
    ASSERT_NE(editor, nullptr) << "F2 opens the cell's editor";
    editor->selectAll();
    editor->del();
    QTest::keyClicks(editor, "145.50000");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(Channel(5)->FindPath("FreqRx")->GetText(), "145.50000");
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Edit CH 5");

    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    EXPECT_EQ(Channel(5)->FindPath("FreqRx")->GetText(), "146.52000");
    EXPECT_EQ(grid.GetCellText(5, 1), "146.52000");
    EXPECT_FALSE(Document().IsModified()) << "back at the saved state";
}
