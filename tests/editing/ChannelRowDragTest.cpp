// A real drag of a row with the mouse on an X display: the row lands where
// it is dropped, the rows between shift, and the view clears nothing after
// the move. The X server's pointer is moved (xdotool), so the test runs only
// when CPZ5_REAL_POINTER=1 says the display is a private one (ctest runs it
// so under xvfb-run); else it skips itself.
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "EditingTestSupport.h"
#include "ui/ChannelRowOrder.h"
#include "ui/Z5ChListSheet.h"

namespace {

class ChannelRowDragTest : public EditingTest {
  protected:
    void SetUp() override {
        EditingTest::SetUp();
        if (QGuiApplication::platformName() != QStringLiteral("xcb") ||
            qgetenv("CPZ5_REAL_POINTER") != "1" ||
            QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
            GTEST_SKIP() << "needs a private X display and xdotool";
        }
        const char* names[] = {"A0", "B1", "C2", "D3", "E4"};
        for (int row = 0; row < 5; ++row) {
            Program("MCH.CH" + std::to_string(row), "145.50000", {{"Name", names[row]}});
        }
        sheet = std::make_unique<CZ5ChListSheet>(kAreaMemory, host, settings);
        sheet->Reset(CZ5ChListSheet::RowsOfArea(kAreaMemory), 0, CZ5ChListSheet::ColumnsFor(true));
        CChannelRowOrder::EnableDragAndDrop(*sheet, host);
        sheet->resize(700, 400);
        sheet->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
    }
    void TearDown() override {
        sheet.reset();
        EditingTest::TearDown();
    }

    // The X server's own pointer (xdotool): grabs row from and lets go at
    // the top edge of row before.
    void Drag(int from, int before) {
        QWidget* viewport = sheet->viewport();
        const auto rowPoint = [&](int row, int dy) {
            return viewport->mapToGlobal(QPoint(sheet->columnViewportPosition(5) + 10,
                                                sheet->rowViewportPosition(row) + dy));
        };
        const QPoint grab = rowPoint(from, 8);
        const QPoint drop = rowPoint(before, 1);
        const QString script =
            QStringLiteral(
                "xdotool mousemove %1 %2 sleep 0.2 mousedown 1 sleep 0.2 "
                "mousemove %1 %3 sleep 0.2 mousemove %4 %5 sleep 0.2 mousemove %4 %6 "
                "sleep 0.3 mouseup 1")
                .arg(grab.x())
                .arg(grab.y())
                .arg(grab.y() + 30)
                .arg(drop.x())
                .arg(drop.y() + 5)
                .arg(drop.y());
        QProcess pointer;
        pointer.start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
        ASSERT_TRUE(pointer.waitForStarted());
        for (int waited = 0; waited < 100 && pointer.state() != QProcess::NotRunning; ++waited) {
            QTest::qWait(50);
        }
        QTest::qWait(200);
    }

    // The names of the first six channels ("" for a cleared one), after
    // checking that none of the five programmed ones lost its frequency.
    std::vector<std::string> Shown() {
        std::vector<std::string> shown;
        for (int row = 0; row < 6; ++row) {
            const std::string path = "MCH.CH" + std::to_string(row);
            const bool cleared = GetNodeValue(Node(path), "Clear") != 0;
            shown.push_back(cleared ? "" : GetNodeString(Node(path), "Name"));
            if (row < 5) {
                EXPECT_EQ(Text(path + ".FreqRx"), "145.50000") << row;
            }
        }
        return shown;
    }

    std::unique_ptr<CZ5ChListSheet> sheet;
};

TEST_F(ChannelRowDragTest, ARowDraggedWithTheMouseMovesAndNothingIsCleared) {
    sheet->SelectRow(1);
    Drag(1, 4);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"A0", "C2", "D3", "B1", "E4", ""}));
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_EQ(host.told[0].stepName, "Move CH 1");
}

TEST_F(ChannelRowDragTest, SelectedRowsDraggedByOneOfThemMoveTogether) {
    sheet->SelectRow(0);
    QTest::keyClick(sheet.get(), Qt::Key_Down, Qt::ShiftModifier);
    Drag(1, 4);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"C2", "D3", "A0", "B1", "E4", ""}));
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_EQ(host.told[0].stepName, "Move 2 channels");
}

}  // namespace
