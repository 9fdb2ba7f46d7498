// The grid base: column widths from the settings within each column's
// limits, the selection across a re-make, the current column, the keyboard
// and mouse rules, the enable rules of the Edit commands, and how the sheet
// follows the announcements of changed nodes.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPoint>
#include <QSignalSpy>
#include <QTest>
#include <array>

#include "GuiTestSupport.h"
#include "platform/MemorySettingsStore.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"
#include "ui/ListSheetHost.h"
#include "ui/ListSheetModel.h"

namespace {

constexpr std::array<ListColumnDef, 4> kColumns = {{
    {"No", EColumnAlign::Right, 30, 20, 200, kDefaultColour, kDefaultColour, 3},
    {"Wide", EColumnAlign::Right, 80, 45, 200, kDefaultColour, kDefaultColour, 7},
    {"Low", EColumnAlign::Left, 34, 35, 200, kDefaultColour, kDefaultColour, 3},
    {"Mid", EColumnAlign::Center, 50, 40, 120, 0xFF0000, 0x00FF00, 4},
}};
const ListSheetDef kDef = {"Test", 10, 4, "Column_Test", 1000, kColumns};

class CFakeHost : public CListSheetHost {
  public:
    int GetListArea() const override { return area; }
    void FocusTree() override { ++treeFocusRequests; }
    void FocusList() override { ++listFocusRequests; }
    void ShowContextMenu(int, const QPoint&) override { ++contextMenus; }
    int HasModelOption(const std::string&) const override { return 0; }
    int GetModelVersion() const override { return 0; }
    CNodeChanges* NodeChanges() const override { return changes; }

    CNodeChanges* changes = nullptr;
    int area = kAreaMemory;
    int treeFocusRequests = 0;
    int listFocusRequests = 0;
    int contextMenus = 0;
};

// A table whose row labels are the row numbers.
class CNumberedModel : public CListSheetModel {
  public:
    using CListSheetModel::CListSheetModel;
    QString CellText(int row, int column) const override {
        return column == 0 ? QString::number(row) : QString();
    }
};

class CCountingSheet : public CListSheet {
  public:
    CCountingSheet(const ListSheetDef& def, CListSheetHost& host, CSettingsStore& settings)
        : CListSheet(def, host, settings, new CNumberedModel(def), nullptr) {}
    void EditItem() override { ++edits; }
    int edits = 0;
};

class ListSheetTest : public testing::Test {
  protected:
    CMemorySettingsStore settings;
    CFakeHost host;
};

TEST(ListViewExsFitText, CutsFromTheEndAndAppendsDots) {
    const QFontMetrics metrics(QFont{});
    const QString text = QStringLiteral("145.00000(!)");
    const int full = metrics.horizontalAdvance(text);
    bool cut = true;
    EXPECT_EQ(CListViewExs::FitText(metrics, text, full + 12, 12, &cut), text);
    EXPECT_FALSE(cut);

    const QString shorter = CListViewExs::FitText(metrics, text, full, 12, &cut);
    EXPECT_TRUE(cut);
    EXPECT_TRUE(shorter.endsWith(QStringLiteral("...")));
    EXPECT_TRUE(text.startsWith(shorter.chopped(3)));
    EXPECT_LE(metrics.horizontalAdvance(shorter) + 12, full);

    // However narrow the cell, one character is left.
    EXPECT_EQ(CListViewExs::FitText(metrics, text, 1, 12, &cut), QStringLiteral("1..."));
}

TEST_F(ListSheetTest, StoredWidthsAreKeptWithinTheColumnLimits) {
    settings.SetInt("Column_Test", "Width0", 5);       // below the minimum
    settings.SetInt("Column_Test", "Width1", 100000);  // above the maximum
    settings.SetInt("Column_Test", "Width3", -7);
    CListSheet sheet(kDef, host, settings);
    const auto width = [&](int column) { return sheet.horizontalHeader()->sectionSize(column); };
    EXPECT_EQ(width(0), sheet.ScaledWidth(20));
    EXPECT_EQ(width(1), sheet.ScaledWidth(200));
    EXPECT_EQ(width(2), sheet.ScaledWidth(35));  // default 34 lies below the minimum 35
    EXPECT_EQ(width(3), sheet.ScaledWidth(40));
    EXPECT_GE(sheet.WidthScale(), 1.0);
    // Making the sheet writes nothing back.
    EXPECT_EQ(settings.GetInt("Column_Test", "Width1", 0), 100000);
}

TEST_F(ListSheetTest, ADraggedDividerIsRemembered) {
    CListSheet sheet(kDef, host, settings);
    sheet.horizontalHeader()->resizeSection(2, 77);
    EXPECT_EQ(settings.GetInt("Column_Test", "Width2", 0), 77);
}

TEST_F(ListSheetTest, ResetKeepsTheSelectedRowWhileItExists) {
    CListSheet sheet(kDef, host, settings);
    EXPECT_EQ(sheet.SelectedRow(), 0);
    sheet.SelectRow(5);
    sheet.Reset(8, 0, 3);
    EXPECT_EQ(sheet.SelectedRow(), 5);
    EXPECT_EQ(sheet.GetItemCount(), 8);
    EXPECT_EQ(sheet.GetColumnCount(), 3);
    sheet.Reset(3, 0, 4);
    EXPECT_EQ(sheet.SelectedRow(), 0);
    // Rows that do not exist cannot be selected.
    sheet.SelectRow(3);
    sheet.SelectRow(-1);
    EXPECT_EQ(sheet.SelectedRow(), 0);
    // More columns than the definition has are not made.
    sheet.Reset(3, 0, 99);
    EXPECT_EQ(sheet.GetColumnCount(), 4);
}

// (selected rows, current row, rows after Reset) -> selected rows and the
// current row afterwards: the rows that still exist stay selected.
TEST_F(ListSheetTest, ResetKeepsEverySelectedRowThatStillExists) {
    struct SCase {
        std::vector<int> selected;
        int current;
        int rows;
        std::vector<int> kept;
        int currentAfter;
    };
    const SCase cases[] = {
        {{2, 3, 4}, 4, 10, {2, 3, 4}, 4}, {{1, 5, 7}, 5, 10, {1, 5, 7}, 5},
        {{2, 3, 7}, 7, 5, {2, 3}, 2},     {{6, 7}, 6, 5, {0}, 0},
        {{0, 9}, 0, 10, {0, 9}, 0},
    };
    for (const SCase& c : cases) {
        CListSheet sheet(kDef, host, settings);
        sheet.Reset(10, 0, 3);
        QItemSelection selection;
        for (const int row : c.selected) {
            selection.select(sheet.model()->index(row, 0), sheet.model()->index(row, 2));
        }
        sheet.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        sheet.selectionModel()->setCurrentIndex(sheet.model()->index(c.current, 0),
                                                QItemSelectionModel::NoUpdate);
        sheet.Reset(c.rows, 0, 3);
        EXPECT_EQ(sheet.SelectedRows(), c.kept) << c.rows;
        EXPECT_EQ(sheet.currentIndex().row(), c.currentAfter) << c.rows;
    }
}

TEST_F(ListSheetTest, LeftAndRightMoveTheCurrentColumnAroundTheDataColumns) {
    CListSheet sheet(kDef, host, settings);
    EXPECT_EQ(sheet.GetCurrentColumn(), 1);
    QTest::keyClick(&sheet, Qt::Key_Left);
    EXPECT_EQ(sheet.GetCurrentColumn(), 3);
    QTest::keyClick(&sheet, Qt::Key_Right);
    EXPECT_EQ(sheet.GetCurrentColumn(), 1);
    QTest::keyClick(&sheet, Qt::Key_Right);
    EXPECT_EQ(sheet.GetCurrentColumn(), 2);
}

TEST_F(ListSheetTest, HomeAndEndGoToTheFirstAndTheLastRow) {
    CListSheet sheet(kDef, host, settings);
    sheet.SelectRow(1);
    QTest::keyClick(&sheet, Qt::Key_End);
    EXPECT_EQ(sheet.SelectedRows(), (std::vector<int>{9}));
    QTest::keyClick(&sheet, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(sheet.SelectedRows().size(), 10u);
    QTest::keyClick(&sheet, Qt::Key_Down);
    QTest::keyClick(&sheet, Qt::Key_Home);
    EXPECT_EQ(sheet.SelectedRows(), (std::vector<int>{0}));
}

TEST_F(ListSheetTest, AChosenRowIsWhereShiftExtendsFromEvenWithShiftHeld) {
    CListSheet sheet(kDef, host, settings);
    sheet.SelectRow(1);
    QTest::keyClick(&sheet, Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(sheet.SelectedRows(), (std::vector<int>{1, 2}));
    // A find with Shift+F3 chooses a row while Shift is down.
    QTest::keyPress(&sheet, Qt::Key_Shift, Qt::ShiftModifier);
    sheet.SelectRow(6);
    EXPECT_EQ(sheet.SelectedRows(), (std::vector<int>{6}));
    QTest::keyRelease(&sheet, Qt::Key_Shift);
    QTest::keyClick(&sheet, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(sheet.SelectedRows(), (std::vector<int>{6, 7}));
}

TEST_F(ListSheetTest, TabGoesToTheTreeAndEnterEdits) {
    CCountingSheet sheet(kDef, host, settings);
    QTest::keyClick(&sheet, Qt::Key_Tab);
    EXPECT_EQ(host.treeFocusRequests, 1);
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_EQ(sheet.edits, 1);
    sheet.clearSelection();
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_EQ(sheet.edits, 1) << "Enter without a selected row edits nothing";
}

TEST_F(ListSheetTest, AClickBelowTheLastRowChangesNothing) {
    CCountingSheet sheet(kDef, host, settings);
    sheet.resize(400, 600);
    sheet.show();
    sheet.Reset(3, 0, 4);
    sheet.SelectRow(1);
    const QPoint below(20, sheet.rowViewportPosition(2) + sheet.rowHeight(2) + 40);
    QTest::mouseClick(sheet.viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(sheet.SelectedRow(), 1);
    const QPoint onRow2(sheet.columnViewportPosition(3) + 5, sheet.rowViewportPosition(2) + 2);
    QTest::mouseClick(sheet.viewport(), Qt::LeftButton, {}, onRow2);
    EXPECT_EQ(sheet.SelectedRow(), 2);
    EXPECT_EQ(sheet.GetCurrentColumn(), 3);
    QTest::mouseDClick(sheet.viewport(), Qt::LeftButton, {}, onRow2);
    EXPECT_EQ(sheet.edits, 1);
}

// Which Edit commands are enabled: (area, row selected) -> expected for
// Edit Memory, Copy, Paste, Clear, Delete, Insert.
TEST_F(ListSheetTest, EditCommandsFollowSelectionAndArea) {
    struct SCase {
        int area;
        bool selected;
        std::array<bool, 6> enabled;
    };
    const SCase cases[] = {
        {kAreaMemory, true, {true, true, false, true, true, true}},
        {kAreaMemory, false, {false, false, false, false, false, false}},
        {kAreaCall, true, {true, true, false, false, false, false}},
        {kAreaScanEdge, true, {true, true, false, true, true, true}},
    };
    const int commands[] = {Cmd::EditMemory, Cmd::EditCopy,   Cmd::EditPaste,
                            Cmd::EditClear,  Cmd::EditDelete, Cmd::EditInsert};
    CListSheet sheet(kDef, host, settings);
    for (const SCase& c : cases) {
        host.area = c.area;
        if (c.selected) {
            sheet.SelectRow(0);
        } else {
            sheet.clearSelection();
        }
        for (size_t i = 0; i < std::size(commands); ++i) {
            SCommandState state;
            ASSERT_TRUE(sheet.OnUpdateCommand(commands[i], state));
            EXPECT_EQ(state.enabled, c.enabled[i])
                << "area " << c.area << " selected " << c.selected << " command " << commands[i];
        }
    }
}

TEST_F(ListSheetTest, RefreshAllRewritesEveryRow) {
    CCountingSheet sheet(kDef, host, settings);
    QSignalSpy redrawn(sheet.model(), &QAbstractItemModel::dataChanged);
    sheet.RefreshAll();
    EXPECT_EQ(guitest::RedrawnRows(redrawn), QStringList({"0-9"}));
    EXPECT_EQ(sheet.GetCellText(9, 0), QStringLiteral("9"));
    EXPECT_EQ(sheet.GetCellText(10, 0), QString());
}

// Whatever a change names, the base sheet draws every row again; the rows
// it names are cut to the table.
TEST_F(ListSheetTest, TheSheetFollowsTheHostsAnnouncements) {
    CNodeChanges changes;
    host.changes = &changes;
    auto sheet = std::make_unique<CCountingSheet>(kDef, host, settings);
    QSignalSpy redrawn(sheet->model(), &QAbstractItemModel::dataChanged);
    changes.Announce(SNodeChange::Everything(false));
    changes.Announce(SNodeChange::Channels(kAreaMemory, 3, 4));
    EXPECT_EQ(guitest::RedrawnRows(redrawn), QStringList({"0-9", "0-9"}));
    sheet->RefreshRow(12);
    sheet->RefreshRow(-1);
    EXPECT_EQ(redrawn.size(), 2) << "rows outside the table are not drawn";
    EXPECT_EQ(changes.ObserverCount(), 1);
    sheet.reset();
    EXPECT_EQ(changes.ObserverCount(), 0) << "a closed sheet stops listening";
}

// A sheet made before its host had announcements follows them once told;
// announcements that end before the sheet leave it safe.
TEST_F(ListSheetTest, ASheetFollowsAnnouncementsTheHostTookLater) {
    CCountingSheet sheet(kDef, host, settings);
    QSignalSpy redrawn(sheet.model(), &QAbstractItemModel::dataChanged);
    {
        CNodeChanges changes;
        host.changes = &changes;
        changes.Announce(SNodeChange::Everything(false));
        EXPECT_EQ(redrawn.size(), 0);
        sheet.FollowHostChanges();
        changes.Announce(SNodeChange::Everything(false));
        EXPECT_EQ(redrawn.size(), 1);
        host.changes = nullptr;
    }
    sheet.FollowHostChanges();
    sheet.RefreshAll();
    EXPECT_EQ(redrawn.size(), 2);
}

}  // namespace
