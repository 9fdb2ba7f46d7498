// The Edit menu's Sort, Move Up, Move Down and Find in the program: each sort
// and each move is one undo step named after it that gives the saved file
// back byte for byte, the commands are offered only where they work, and
// Find selects the matching channel of the shown grid.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "GuiTestSupport.h"
#include "ProgramFixture.h"
#include "app/Z5MainFrame.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "ui/ChannelTableModel.h"
#include "ui/CommandIds.h"
#include "ui/FindChannelBar.h"
#include "ui/ListSheet.h"

namespace {

class ChannelOrderCommandsTest : public guitest::CProgramFixture {
  protected:
    void SetUp() override {
        CProgramFixture::SetUp();
        // Channels in use here and there, in no order of any key.
        for (int number = 0; number < 100; ++number) {
            SetNodeText(Channel(number), "Clear", "ON");
        }
        Program(2, "146.52000", "SMPLX", "TSQL");
        Program(9, "145.60000", "RPT1", "TONE");
        Program(10, "144.80000", "APRS", "OFF");
        Program(31, "147.30000", "-----", "DTCS");
        Program(77, "145.60000", "BCN", "OFF");
        Document().StartFreshHistory();
    }

    void Program(int number, const char* frequency, const char* name, const char* tone) {
        SetNodeText(Channel(number), "Clear", "OFF");
        SetNodeFreq(Channel(number), "FreqRx", frequency);
        SetNodeString(Channel(number), "Name", name);
        SetNodeText(Channel(number), "TONESet", tone);
        Document().AnnounceChange(SNodeChange::Channels(kAreaMemory, number, number));
    }
};

TEST_F(ChannelOrderCommandsTest, EachSortIsOneStepThatUndoTakesBackByteForByte) {
    struct SCase {
        int command;
        const char* step;
        QStringList names;  // of rows 0..5
    };
    const SCase cases[] = {
        {Cmd::EditSortFrequency,
         "Sort by frequency",
         {"APRS", "RPT1", "BCN", "SMPLX", "-----", ""}},
        // The dashes of a fresh channel are no name: after the named ones.
        {Cmd::EditSortName, "Sort by name", {"APRS", "BCN", "RPT1", "SMPLX", "-----", ""}},
        // No tone, TONE, TSQL, DTCS.
        {Cmd::EditSortTone, "Sort by tone", {"APRS", "BCN", "RPT1", "SMPLX", "-----", ""}},
    };
    constexpr int kNameColumn = 5;
    const std::string original = SavedBytes("original.cz5");
    for (const SCase& test : cases) {
        SCOPED_TRACE(test.step);
        ASSERT_TRUE(IsEnabled(test.command));
        ASSERT_TRUE(Frame().RunCommand(test.command));
        QStringList shown;
        for (int row = 0; row < 6; ++row) {
            shown.append(Grid().GetCellText(row, kNameColumn));
        }
        EXPECT_EQ(shown, test.names);
        EXPECT_TRUE(Document().IsModified());
        EXPECT_EQ(ActionText(Cmd::EditUndo), QString("&Undo ") + test.step);
        const std::string sorted = SavedBytes("sorted.cz5");
        // Sorted already: no second step, and the status bar says why.
        ASSERT_TRUE(Frame().RunCommand(test.command));
        EXPECT_EQ(Frame().statusBar()->currentMessage(),
                  "The memory channels are in that order already.");
        EXPECT_EQ(SavedBytes("again.cz5"), sorted);
        ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
        EXPECT_EQ(SavedBytes("undone.cz5"), original);
        ASSERT_TRUE(Frame().RunCommand(Cmd::EditRedo));
        EXPECT_EQ(SavedBytes("redone.cz5"), sorted);
        ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    }
}

TEST_F(ChannelOrderCommandsTest, MoveDownAndUpAreStepsNamedAfterTheChannel) {
    const std::string original = SavedBytes("original.cz5");
    Grid().SelectRow(9);
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditMoveDown));
    EXPECT_EQ(Grid().GetCellText(10, 1), "145.60000");
    EXPECT_EQ(Grid().GetCellText(9, 1), "144.80000");
    EXPECT_EQ(Grid().SelectedRow(), 10);
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Move CH 9");
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditMoveUp));
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Move CH 10");
    EXPECT_EQ(SavedBytes("back.cz5"), original);
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditUndo));
    EXPECT_EQ(SavedBytes("undone.cz5"), original);
    EXPECT_FALSE(Document().IsModified());
}

TEST_F(ChannelOrderCommandsTest, CommandsAreOfferedWhereTheyWork) {
    const int sorts[] = {Cmd::EditSortFrequency, Cmd::EditSortName, Cmd::EditSortTone};
    Grid().SelectRow(0);
    for (const int sort : sorts) {
        EXPECT_TRUE(IsEnabled(sort));
    }
    EXPECT_FALSE(IsEnabled(Cmd::EditMoveUp)) << "row 0 is at the top";
    EXPECT_TRUE(IsEnabled(Cmd::EditMoveDown));
    EXPECT_TRUE(IsEnabled(Cmd::EditFind));
    auto* memory = qobject_cast<CChannelTableModel*>(Grid().model());
    EXPECT_TRUE(memory->flags(memory->index(0, 1)).testFlag(Qt::ItemIsDragEnabled));

    Frame().ShowArea(kAreaScanEdge);
    Grid().SelectRow(0);
    for (const int sort : sorts) {
        EXPECT_FALSE(IsEnabled(sort)) << "scan edges";
    }
    EXPECT_TRUE(IsEnabled(Cmd::EditMoveDown));

    Frame().ShowArea(kAreaCall);
    Grid().SelectRow(0);
    EXPECT_FALSE(IsEnabled(Cmd::EditMoveDown));
    EXPECT_FALSE(IsEnabled(Cmd::EditSortName));
    EXPECT_TRUE(IsEnabled(Cmd::EditFind));
    auto* call = qobject_cast<CChannelTableModel*>(Grid().model());
    EXPECT_FALSE(call->flags(call->index(0, 1)).testFlag(Qt::ItemIsDragEnabled));
}

TEST_F(ChannelOrderCommandsTest, FindOpensTheBarAndSelectsTheMatchingChannel) {
    CFindChannelBar& bar = *Frame().FindBar();
    EXPECT_TRUE(bar.isHidden());
    Grid().SelectRow(0);
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditFind));
    EXPECT_FALSE(bar.isHidden());
    auto* line = bar.findChild<QLineEdit*>(QStringLiteral("FindText"));
    ASSERT_NE(line, nullptr);
    QTest::keyClicks(line, QStringLiteral("145.6"));
    EXPECT_EQ(Grid().SelectedRow(), 9);
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditFindNext));
    EXPECT_EQ(Grid().SelectedRow(), 77);
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditFindPrevious));
    EXPECT_EQ(Grid().SelectedRow(), 9);
    bar.SetText(QStringLiteral("nothing"));
    ASSERT_TRUE(Frame().RunCommand(Cmd::EditFindNext));
    EXPECT_EQ(bar.Message(), "No channel matches \u201cnothing\u201d.");
    Frame().resize(900, 600);
    EXPECT_FALSE(guitest::SaveScreenshot(&Frame(), "find_bar").empty());
}

}  // namespace
