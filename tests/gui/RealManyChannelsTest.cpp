// The program's window on an X display, driven by the X server's own
// keyboard and pointer (xdotool) as a club's programmer would: Ctrl+Enter
// on 20 selected rows, a click on a column header and its Undo, Channels in
// Use Only with Insert and Paste, Cut and its Undo, Shift+F10. Each saved
// file is compared byte for byte with the file of the data changed
// directly as the user meant it. The test runs only on a private display
// (ctest runs it so under xvfb-run); else it skips itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QHeaderView>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "GuiTestSupport.h"
#include "ProgramFixture.h"
#include "app/Z5MainFrame.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "ui/CommandIds.h"
#include "ui/ListSheet.h"

namespace {

using guitest::Xdo;

constexpr int kCtcssColumn = 8;

// The lines in which two clone files differ, "" when they are the same.
std::string Differences(const std::string& saved, const std::string& expected) {
    const QStringList savedLines = QString::fromStdString(saved).split(QStringLiteral("\r\n"));
    const QStringList expectedLines =
        QString::fromStdString(expected).split(QStringLiteral("\r\n"));
    std::string differences;
    for (qsizetype line = 0; line < std::max(savedLines.size(), expectedLines.size()); ++line) {
        if (savedLines.value(line) != expectedLines.value(line)) {
            differences += "saved " + savedLines.value(line).toStdString() + ", expected " +
                           expectedLines.value(line).toStdString() + "\n";
        }
    }
    return differences;
}

class RealManyChannelsTest : public guitest::CRealWindowFixture {
  protected:
    void SetUp() override {
        CRealWindowFixture::SetUp();
        if (!IsSkipped()) {
            Frame().resize(1100, 700);
        }
    }

    // The file of the data as change makes it; the data is then put back
    // as it was (opened again from its file, so without an Undo step).
    std::string Expected(const std::function<void()>& change) {
        const std::string before = dir.filePath("before.cz5").toStdString();
        EXPECT_TRUE(Document().SaveFile(before).ok);
        change();
        const std::string expected = SavedBytes("expected.cz5");
        EXPECT_TRUE(Document().OpenFile(before).ok);
        guitest::ProcessEvents(50);
        return expected;
    }

    struct SChannel {
        int number;
        const char* frequency;
        const char* name;
    };
    // Programs the channels; the file they make.
    std::string ProgramAndSave(std::initializer_list<SChannel> channels) {
        for (const SChannel& channel : channels) {
            Program(channel.number, channel.frequency, channel.name);
        }
        return SavedBytes("original.cz5");
    }

    // The keys of Undo pressed: the saved file is the original again.
    void ExpectUndoneTo(const std::string& original, const QStringList& undo = {"ctrl+z"}) {
        Keys(undo);
        EXPECT_EQ(Differences(SavedBytes("undone.cz5"), original), "");
    }

    QPoint CellPoint(int row, int column) {
        CListSheet& grid = Grid();
        grid.scrollTo(grid.model()->index(row, column));
        return grid.viewport()->mapToGlobal(
            QPoint(grid.columnViewportPosition(column) + 6, grid.rowViewportPosition(row) + 4));
    }

    // A click (with keys held, e.g. "shift") on a cell of the grid.
    void Click(int row, int column, const QString& held = QString()) {
        const QPoint at = CellPoint(row, column);
        QStringList arguments{"mousemove", QString::number(at.x()), QString::number(at.y())};
        if (!held.isEmpty()) {
            arguments << "keydown" << held;
        }
        arguments << "click"
                  << "1";
        if (!held.isEmpty()) {
            arguments << "keyup" << held;
        }
        Xdo(arguments);
    }

    void ClickHeader(int column) {
        QHeaderView* header = Grid().horizontalHeader();
        const QPoint at = header->viewport()->mapToGlobal(
            QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                   header->height() / 2));
        Xdo({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    }

    static void Keys(const QStringList& keys) { Xdo(QStringList{"key", "--delay", "60"} + keys); }
};

// The rows chosen with the pointer, the CTCSS cell opened with F2, its list
// moved to 88.5 with the arrow keys: Ctrl+Enter gives all 20 the tone.
TEST_F(RealManyChannelsTest, CtrlEnterGivesTwentySelectedRowsTheCell) {
    for (int number = 0; number < 20; ++number) {
        Program(number, "145.00000", "RPT");
    }
    const std::string expected = Expected([] {
        for (int number = 0; number < 20; ++number) {
            SetNodeText(Channel(number), "TSQLCode", "100.0");
        }
    });
    Click(0, 0);
    Click(19, 0, "shift");
    ASSERT_EQ(Grid().SelectedRows().size(), 20U);
    Keys(QStringList(kCtcssColumn - 1, "Right") << "F2");
    ASSERT_NE(Grid().OpenEditor(), nullptr);
    Keys(QStringList{"Home"} + QStringList(12, "Down") << "ctrl+Return");  // 67.0 -> 100.0
    EXPECT_EQ(Grid().OpenEditor(), nullptr);
    EXPECT_EQ(Differences(SavedBytes("after.cz5"), expected), "");
    EXPECT_EQ(ActionText(Cmd::EditUndo), "&Undo Set CTCSS on 20 channels");
    EXPECT_EQ(dialogs, 0);

    // The same from Edit > Set Field...: the window as it opens.
    onDialog = [](QDialog& dialog) {
        guitest::SaveScreenshot(&dialog, "set_field_window");
        dialog.reject();
    };
    Keys({"alt+e", "s"});
    EXPECT_EQ(onDialog, nullptr) << "Set Field opened its window";
}

// A click on "Frequency" sorts the memory channels by it; Ctrl+Z puts them
// back.
TEST_F(RealManyChannelsTest, AHeaderClickSortsAndUndoTakesItBack) {
    const std::string original =
        ProgramAndSave({{0, "147.00000", "C"}, {1, "145.00000", "A"}, {2, "146.00000", "B"}});
    const std::string expected = Expected([this] {
        Program(0, "145.00000", "A");
        Program(1, "146.00000", "B");
        Program(2, "147.00000", "C");
    });
    ClickHeader(1);
    EXPECT_EQ(Differences(SavedBytes("sorted.cz5"), expected), "");
    EXPECT_EQ(Grid().horizontalHeader()->sortIndicatorSection(), 1);
    guitest::SaveScreenshot(&Frame(), "header_sorted");
    ExpectUndoneTo(original);
    EXPECT_EQ(dialogs, 0);
}

// With the cleared channels hidden, Insert on the row of CH 10 puts an
// empty channel at 10 (hidden) and moves the channels below down; a copy of
// CH 3 pasted on the row of CH 11 lands on CH 11. Two Undos: as before.
TEST_F(RealManyChannelsTest, InUseOnlyInsertAndPasteActOnTheRealChannels) {
    const std::string original =
        ProgramAndSave({{3, "145.00000", "A"}, {10, "146.00000", "B"}, {20, "147.00000", "C"}});
    const std::string expected = Expected([this] {
        z5channel::ClearChannel(*Channel(10));
        z5channel::MoveChannel(*Channel(19), *Channel(20));
        Program(11, "145.00000", "A");
        Program(3, "145.00000", "A");
        Program(21, "147.00000", "C");
    });
    Keys({"alt+v", "u"});
    ASSERT_TRUE(Grid().ShowsRowsInUseOnly());
    EXPECT_TRUE(Grid().isRowHidden(4));
    guitest::SaveScreenshot(&Frame(), "channels_in_use_only");

    Click(10, 1);
    Keys({"Insert"});
    EXPECT_TRUE(Grid().isRowHidden(10));
    EXPECT_EQ(Grid().SelectedRows(), (std::vector<int>{11}));
    EXPECT_EQ(Grid().GetCellText(11, 0), "11");
    Click(3, 1);
    Keys({"ctrl+c"});
    Click(11, 1);
    Keys({"ctrl+v"});
    EXPECT_EQ(Differences(SavedBytes("after.cz5"), expected), "");
    ExpectUndoneTo(original, {"ctrl+z", "ctrl+z"});
    EXPECT_EQ(dialogs, 0);
}

// Ctrl+X on two rows: the clipboard holds them as CSV rows, the channels
// are cleared; Ctrl+Z brings them back.
TEST_F(RealManyChannelsTest, CutClearsAndCopiesAndUndoBringsBack) {
    const std::string original =
        ProgramAndSave({{5, "145.00000", "A"}, {6, "146.00000", "B"}, {7, "147.00000", "C"}});
    const std::string expected = Expected([] {
        z5channel::ClearChannel(*Channel(5));
        z5channel::ClearChannel(*Channel(6));
    });
    Click(5, 1);
    Click(6, 1, "shift");
    Keys({"ctrl+x"});
    EXPECT_EQ(Differences(SavedBytes("cut.cz5"), expected), "");
    const QStringList lines =
        QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << "the header and two channels";
    EXPECT_TRUE(lines[1].contains(QStringLiteral("145.0")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("146.0")));
    ExpectUndoneTo(original);
    EXPECT_EQ(dialogs, 0);
}

// Shift+F10 opens the grid's context menu, whose Cut takes the channel.
TEST_F(RealManyChannelsTest, ShiftF10OpensTheContextMenu) {
    Program(7, "147.00000", "C");
    const std::string expected = Expected([] { z5channel::ClearChannel(*Channel(7)); });
    Click(7, 1);
    // The menu runs until it is closed: it is looked at, and answered with
    // the key of Cut, while it is open.
    QString opened;
    QTimer menuWatch;
    QObject::connect(&menuWatch, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menuWatch.stop();
            opened = menu->objectName();
            guitest::SaveScreenshot(menu, "context_menu_from_keys");
            Keys({"t"});
        }
    });
    menuWatch.start(20);
    Keys({"shift+F10"});
    EXPECT_EQ(opened, "1000");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(Differences(SavedBytes("after.cz5"), expected), "");
    EXPECT_EQ(dialogs, 0);
}

}  // namespace
