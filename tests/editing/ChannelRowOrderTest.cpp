// Channels changing places on the grid: rows dragged and dropped through the
// table model, Move Up and Move Down, and the sort of the memory channels,
// each one announcement named for its undo step; drops that are not our own
// drag change nothing. And the find bar: by name or frequency, wrapping,
// and saying so when nothing matches.
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <memory>

#include "EditingTestSupport.h"
#include "ui/ChannelRowOrder.h"
#include "ui/ChannelTableModel.h"
#include "ui/FindChannelBar.h"
#include "ui/Z5ChListSheet.h"

namespace {

constexpr int kMemoryRows = 100;

class ChannelRowOrderTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        const char* names[] = {"A0", "B1", "C2", "D3", "E4"};
        for (int row = 0; row < 5; ++row) {
            Program(Path(row), "145.50000", {{"Name", names[row]}});
        }
        sheet = MakeSheet(kAreaMemory);
    }

    std::unique_ptr<CZ5ChListSheet> MakeSheet(int area) {
        host.area = area;
        auto made = std::make_unique<CZ5ChListSheet>(area, host, settings);
        made->Reset(CZ5ChListSheet::RowsOfArea(area), 0, CZ5ChListSheet::ColumnsFor(true));
        CChannelRowOrder::EnableDragAndDrop(*made, host);
        return made;
    }

    static std::string Path(int row) { return "MCH.CH" + std::to_string(row); }

    CChannelTableModel& Table() { return *qobject_cast<CChannelTableModel*>(sheet->model()); }

    // The names of rows 0..count-1 ("" for a cleared one).
    std::vector<std::string> Names(int count = 6) {
        std::vector<std::string> names;
        for (int row = 0; row < count; ++row) {
            names.push_back(GetNodeValue(Node(Path(row)), "Clear") != 0
                                ? ""
                                : GetNodeString(Node(Path(row)), "Name"));
        }
        return names;
    }

    // Every leaf of every memory channel.
    std::vector<std::map<std::string, std::string>> Everything() {
        std::vector<std::map<std::string, std::string>> channels;
        for (int row = 0; row < kMemoryRows; ++row) {
            channels.push_back(Leaves(Path(row)));
        }
        return channels;
    }

    // What a drag of rows hands out.
    std::unique_ptr<QMimeData> Drag(std::initializer_list<int> rows) {
        QModelIndexList indexes;
        for (const int row : rows) {
            indexes.append(Table().index(row, 1));
            indexes.append(Table().index(row, 2));
        }
        return std::unique_ptr<QMimeData>(Table().mimeData(indexes));
    }

    bool Drop(const QMimeData* data, int row, const QModelIndex& onto = {},
              Qt::DropAction action = Qt::MoveAction) {
        return Table().canDropMimeData(data, action, row, 0, onto) &&
               Table().dropMimeData(data, action, row, 0, onto);
    }

    std::vector<int> Selected() { return sheet->SelectedRows(); }

    std::unique_ptr<CZ5ChListSheet> sheet;
};

TEST_F(ChannelRowOrderTest, DroppedRowsMoveThereAndTheRowsBetweenShift) {
    struct SCase {
        std::initializer_list<int> dragged;
        int row;   // the row dropped before (-1: below the last row)
        int onto;  // a row dropped onto (-1: none)
        std::vector<std::string> names;
        std::string step;
        int firstChanged;
        int lastChanged;
        std::vector<int> selected;
    };
    const SCase cases[] = {
        {{1}, 4, -1, {"A0", "C2", "D3", "B1", "E4", ""}, "Move CH 1", 1, 3, {3}},
        {{3}, 0, -1, {"D3", "A0", "B1", "C2", "E4", ""}, "Move CH 3", 0, 3, {0}},
        {{0, 1}, -1, -1, {"C2", "D3", "E4", "", "", ""}, "Move 2 channels", 0, 99, {98, 99}},
        {{4}, -1, 2, {"A0", "B1", "E4", "C2", "D3", ""}, "Move CH 4", 2, 4, {2}},
    };
    for (const SCase& test : cases) {
        SetUp();
        host.told.clear();
        const std::unique_ptr<QMimeData> data = Drag(test.dragged);
        ASSERT_NE(data, nullptr);
        const QModelIndex onto = test.onto >= 0 ? Table().index(test.onto, 3) : QModelIndex();
        EXPECT_TRUE(Drop(data.get(), test.row, onto)) << test.step;
        EXPECT_EQ(Names(), test.names) << test.step;
        ASSERT_EQ(host.told.size(), 1u) << test.step;
        EXPECT_EQ(host.told[0].stepName, test.step);
        EXPECT_EQ(host.told[0].area, kAreaMemory);
        EXPECT_EQ(host.told[0].firstChannel, test.firstChanged) << test.step;
        EXPECT_EQ(host.told[0].lastChannel, test.lastChanged) << test.step;
        EXPECT_TRUE(host.told[0].edit);
        EXPECT_EQ(Selected(), test.selected) << test.step;
    }
}

TEST_F(ChannelRowOrderTest, DropsThatAreNotOurLastDragChangeNothing) {
    const auto before = Everything();
    const std::unique_ptr<QMimeData> ours = Drag({1});
    const QByteArray token = ours->data(CChannelTableModel::kRowsMimeType);

    auto foreign = std::make_unique<QMimeData>();
    foreign->setText(QStringLiteral("1\n2\n3"));
    auto forged = std::make_unique<QMimeData>();
    forged->setData(CChannelTableModel::kRowsMimeType, "1234abcd");
    auto garbage = std::make_unique<QMimeData>();
    garbage->setData(CChannelTableModel::kRowsMimeType, QByteArray(100000, '\xff'));
    auto empty = std::make_unique<QMimeData>();
    empty->setData(CChannelTableModel::kRowsMimeType, QByteArray());
    auto copied = std::make_unique<QMimeData>();
    copied->setData(CChannelTableModel::kRowsMimeType, token);

    EXPECT_FALSE(Drop(foreign.get(), 4));
    EXPECT_FALSE(Drop(forged.get(), 4));
    EXPECT_FALSE(Drop(garbage.get(), 4));
    EXPECT_FALSE(Drop(empty.get(), 4));
    EXPECT_FALSE(Drop(nullptr, 4));
    EXPECT_FALSE(Drop(ours.get(), 4, {}, Qt::CopyAction));
    EXPECT_FALSE(Drop(ours.get(), 4, {}, Qt::LinkAction));
    // A newer drag outdates the token of the older one.
    const std::unique_ptr<QMimeData> newer = Drag({2});
    EXPECT_FALSE(Drop(copied.get(), 4));
    EXPECT_EQ(Everything(), before);
    EXPECT_TRUE(host.told.empty());

    // A drag drops once; a drop onto itself moves nothing.
    EXPECT_FALSE(Drop(newer.get(), 3));
    EXPECT_FALSE(Drop(newer.get(), 0));
    EXPECT_EQ(Everything(), before);
    EXPECT_TRUE(host.told.empty());
}

TEST_F(ChannelRowOrderTest, RowsDragOnlyWhereTheyMayMove) {
    EXPECT_TRUE(Table().flags(Table().index(0, 1)).testFlag(Qt::ItemIsDragEnabled));
    EXPECT_TRUE(Table().flags(QModelIndex()).testFlag(Qt::ItemIsDropEnabled));
    // Rows take no drop of their own: a drop falls between rows.
    EXPECT_FALSE(Table().flags(Table().index(0, 1)).testFlag(Qt::ItemIsDropEnabled));
    EXPECT_EQ(sheet->dragDropMode(), QAbstractItemView::InternalMove);
    EXPECT_FALSE(sheet->dragDropOverwriteMode());
    // What the view asks after a drag with the dragged rows selected.
    const auto before = Everything();
    EXPECT_FALSE(Table().removeRows(0, 2));
    EXPECT_EQ(Everything(), before);

    const std::unique_ptr<CZ5ChListSheet> call = MakeSheet(kAreaCall);
    auto& callTable = *qobject_cast<CChannelTableModel*>(call->model());
    EXPECT_FALSE(callTable.flags(callTable.index(0, 1)).testFlag(Qt::ItemIsDragEnabled));
    EXPECT_EQ(callTable.mimeData({callTable.index(0, 1)}), nullptr);

    host.area = kAreaMemory;
    CZ5ChListSheet plain(kAreaMemory, host, settings);
    auto& plainTable = *qobject_cast<CChannelTableModel*>(plain.model());
    EXPECT_FALSE(plainTable.flags(plainTable.index(0, 1)).testFlag(Qt::ItemIsDragEnabled));
    EXPECT_EQ(plainTable.mimeData({plainTable.index(0, 1)}), nullptr);
}

TEST_F(ChannelRowOrderTest, MoveUpAndDownStepTheSelectedRowsWithinTheArea) {
    sheet->SelectRow(0);
    EXPECT_FALSE(CChannelRowOrder::CanStep(*sheet, -1));
    EXPECT_FALSE(CChannelRowOrder::Step(*sheet, host, -1));
    ASSERT_TRUE(CChannelRowOrder::Step(*sheet, host, +1));
    ASSERT_TRUE(CChannelRowOrder::Step(*sheet, host, +1));
    EXPECT_EQ(Names(), (std::vector<std::string>{"B1", "C2", "A0", "D3", "E4", ""}));
    EXPECT_EQ(Selected(), std::vector<int>{2});
    ASSERT_TRUE(CChannelRowOrder::Step(*sheet, host, -1));
    EXPECT_EQ(Names(), (std::vector<std::string>{"B1", "A0", "C2", "D3", "E4", ""}));
    ASSERT_EQ(host.told.size(), 3u);
    EXPECT_EQ(host.told[2].stepName, "Move CH 2");
    EXPECT_EQ(host.told[2].firstChannel, 1);
    EXPECT_EQ(host.told[2].lastChannel, 2);

    sheet->SelectRow(kMemoryRows - 1);
    EXPECT_FALSE(CChannelRowOrder::CanStep(*sheet, +1));
    EXPECT_TRUE(CChannelRowOrder::CanStep(*sheet, -1));

    // Scan edges move as well; the call channel never.
    const std::unique_ptr<CZ5ChListSheet> edges = MakeSheet(kAreaScanEdge);
    Program("PCH.CH0", "146.00000");
    Program("PCH.CH1", "147.00000");
    edges->SelectRow(0);
    ASSERT_TRUE(CChannelRowOrder::Step(*edges, host, +1));
    EXPECT_EQ(Text("PCH.CH0.FreqRx"), "147.00000");
    EXPECT_EQ(Text("PCH.CH1.FreqRx"), "146.00000");
    EXPECT_EQ(host.told.back().stepName, "Move scan edge 1A");
    const std::unique_ptr<CZ5ChListSheet> call = MakeSheet(kAreaCall);
    call->SelectRow(0);
    EXPECT_FALSE(CChannelRowOrder::Move(*call, host, {0}, 1));
}

TEST_F(ChannelRowOrderTest, NothingMovesWhileAnotherCommandRunsOrTheSheetDoesNotEdit) {
    const auto before = Everything();
    ASSERT_TRUE(CCloneSupportDoc::TryEnterCommand());
    EXPECT_FALSE(CChannelRowOrder::Move(*sheet, host, {1}, 4));
    EXPECT_FALSE(CChannelRowOrder::Sort(*sheet, host, z5channel::ESortKey::Name));
    CCloneSupportDoc::LeaveCommand();
    EXPECT_EQ(Everything(), before);
    EXPECT_TRUE(host.told.empty());
}

TEST_F(ChannelRowOrderTest, SortIsOneAnnouncementAndOnlyOfTheMemoryChannels) {
    Program(Path(50), "144.00000", {{"Name", "AA"}});
    ASSERT_TRUE(CChannelRowOrder::Sort(*sheet, host, z5channel::ESortKey::Name));
    EXPECT_EQ(Names(), (std::vector<std::string>{"A0", "AA", "B1", "C2", "D3", "E4"}));
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_EQ(host.told[0].stepName, "Sort by name");
    EXPECT_EQ(host.told[0].firstChannel, 1);
    EXPECT_EQ(host.told[0].lastChannel, 50);
    // In order already: nothing to tell.
    EXPECT_FALSE(CChannelRowOrder::Sort(*sheet, host, z5channel::ESortKey::Name));
    EXPECT_EQ(host.told.size(), 1u);

    const std::unique_ptr<CZ5ChListSheet> edges = MakeSheet(kAreaScanEdge);
    EXPECT_FALSE(CChannelRowOrder::CanSort(*edges));
    EXPECT_FALSE(CChannelRowOrder::Sort(*edges, host, z5channel::ESortKey::Frequency));
}

TEST_F(ChannelRowOrderTest, FindSelectsTheNextMatchWrapsAndSaysWhenNoneMatches) {
    Program(Path(7), "146.52000", {{"Name", "CALL"}});
    Program(Path(60), "145.52500", {{"Name", "RPT"}});
    CFindChannelBar bar([this] { return sheet.get(); });
    sheet->SelectRow(0);
    struct SStep {
        const char* text;
        int step;
        bool found;
        int row;
        const char* message;
    };
    const SStep steps[] = {
        {"cal", +1, true, 7, ""},
        {"145.5", +1, true, 60, ""},  // 145.52500 after row 7
        {"145.5", +1, true, 0, "Continued from the top."},
        {"145.5", -1, true, 60, "Continued from the bottom."},
        {"146.52", +1, true, 7, "Continued from the top."},
        {"rpt", -1, true, 60, "Continued from the bottom."},
        {"zulu", +1, false, 60, "No channel matches \u201czulu\u201d."},
    };
    for (const SStep& step : steps) {
        bar.SetText(QString::fromUtf8(step.text));
        EXPECT_EQ(bar.FindNext(step.step), step.found) << step.text;
        EXPECT_EQ(sheet->SelectedRow(), step.row) << step.text;
        EXPECT_EQ(bar.Message(), QString::fromUtf8(step.message)) << step.text;
    }
    // With nothing typed, Find Next opens the bar.
    bar.SetText(QString());
    EXPECT_FALSE(bar.FindNext(+1));
    EXPECT_TRUE(bar.isVisibleTo(nullptr) || !bar.isHidden());
}

TEST_F(ChannelRowOrderTest, TypingFindsFromTheSelectedRowAndEnterGoesOn) {
    Program(Path(20), "147.00000", {{"Name", "B2"}});
    CFindChannelBar bar([this] { return sheet.get(); });
    bar.show();
    sheet->SelectRow(0);
    auto* line = bar.findChild<QLineEdit*>(QStringLiteral("FindText"));
    ASSERT_NE(line, nullptr);
    QTest::keyClicks(line, QStringLiteral("b"));
    EXPECT_EQ(sheet->SelectedRow(), 1);  // B1
    QTest::keyClicks(line, QStringLiteral("1"));
    EXPECT_EQ(sheet->SelectedRow(), 1);  // still B1
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(sheet->SelectedRow(), 20);
    QTest::keyClick(line, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(sheet->SelectedRow(), 1);
    QTest::keyClick(line, Qt::Key_Escape);
    EXPECT_TRUE(bar.isHidden());
}

}  // namespace
