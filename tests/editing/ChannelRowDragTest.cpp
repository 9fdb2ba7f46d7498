// A real drag of a row with the mouse on an X display: the row lands where
// it is dropped, the rows between shift, and the view clears nothing after
// the move. The X server's pointer is moved (xdotool), so the test runs only
// when CPZ5_REAL_POINTER=1 says the display is a private one (ctest runs it
// so under xvfb-run); else it skips itself.
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "EditingTestSupport.h"
#include "ui/ChannelRowOrder.h"
#include "ui/Z5ChListSheet.h"

namespace {

class ChannelRowDragTest : public EditingTest {};

TEST_F(ChannelRowDragTest, ARowDraggedWithTheMouseMovesAndNothingIsCleared) {
    if (QGuiApplication::platformName() != QStringLiteral("xcb") ||
        qgetenv("CPZ5_REAL_POINTER") != "1" ||
        QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        GTEST_SKIP() << "needs a private X display and xdotool";
    }
    const char* names[] = {"A0", "B1", "C2", "D3", "E4"};
    for (int row = 0; row < 5; ++row) {
        Program("MCH.CH" + std::to_string(row), "145.50000", {{"Name", names[row]}});
    }
    CZ5ChListSheet sheet(kAreaMemory, host, settings);
    sheet.Reset(CZ5ChListSheet::RowsOfArea(kAreaMemory), 0, CZ5ChListSheet::ColumnsFor(true));
    CChannelRowOrder::EnableDragAndDrop(sheet, host);
    sheet.resize(700, 400);
    sheet.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sheet));
    QWidget* viewport = sheet.viewport();
    const auto rowPoint = [&](int row, int dy) {
        return QPoint(sheet.columnViewportPosition(5) + 10, sheet.rowViewportPosition(row) + dy);
    };
    sheet.SelectRow(1);
    // The X server's own pointer (xdotool): grab row 1 and let go at the top
    // edge of row 4, between rows 3 and 4.
    const QPoint from = viewport->mapToGlobal(rowPoint(1, 8));
    const QPoint to = viewport->mapToGlobal(rowPoint(4, 1));
    const QString script =
        QStringLiteral(
            "xdotool mousemove %1 %2 sleep 0.2 mousedown 1 sleep 0.2 "
            "mousemove %1 %3 sleep 0.2 mousemove %4 %5 sleep 0.2 mousemove %4 %6 "
            "sleep 0.3 mouseup 1")
            .arg(from.x())
            .arg(from.y())
            .arg(from.y() + 30)
            .arg(to.x())
            .arg(to.y() + 5)
            .arg(to.y());
    QProcess pointer;
    pointer.start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
    ASSERT_TRUE(pointer.waitForStarted());
    for (int waited = 0; waited < 100 && pointer.state() != QProcess::NotRunning; ++waited) {
        QTest::qWait(50);
    }
    QTest::qWait(200);
    std::vector<std::string> shown;
    for (int row = 0; row < 6; ++row) {
        shown.push_back(GetNodeValue(Node("MCH.CH" + std::to_string(row)), "Clear") != 0
                            ? ""
                            : GetNodeString(Node("MCH.CH" + std::to_string(row)), "Name"));
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"A0", "C2", "D3", "B1", "E4", ""}));
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Text("MCH.CH" + std::to_string(row) + ".FreqRx"), "145.50000") << row;
    }
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_EQ(host.told[0].stepName, "Move CH 1");
}

}  // namespace
