// Tab and Shift+Tab walk every dialog of the program, and the find bar,
// through all their controls and come back to where they started: the
// focus is never caught between two buttons and no control is left out.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "DialogTestSupport.h"
#include "StandaloneDialogs.h"
#include "app/AboutDlg.h"
#include "app/CompareDlg.h"
#include "app/HistoryDlg.h"
#include "app/PrintSelectDlg.h"
#include "app/Z5MainFrame.h"
#include "print/ChannelGridPane.h"
#include "ui/CommPortSetupDlg.h"
#include "ui/CommandIds.h"
#include "ui/DialogFocusOrder.h"
#include "ui/FindChannelBar.h"
#include "ui/InformationDlg.h"
#include "ui/SetFieldDlg.h"
#include "ui/Z5ChEditDlg.h"

namespace {

QString NameOf(const QWidget* widget) {
    if (widget == nullptr) {
        return QStringLiteral("(none)");
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const QString name = !widget->objectName().isEmpty() ? widget->objectName()
                         : button != nullptr             ? button->text()
                                                         : QString();
    return QString::fromLatin1(widget->metaObject()->className()) + ":" + name;
}

// A control that Tab should reach in window: one that takes the focus by
// Tab, shown and enabled, and not a part of another such control (the line
// of an editable list).
bool IsTabStop(const QWidget* widget, const QWidget* window) {
    const auto takesTab = [window](const QWidget* w) {
        return (w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisibleTo(window) && w->isEnabled() &&
               w->focusProxy() == nullptr;
    };
    if (!takesTab(widget)) {
        return false;
    }
    // Of a group of radio buttons, Tab stops on the one that is on.
    if (const auto* radio = qobject_cast<const QRadioButton*>(widget);
        radio != nullptr && radio->autoExclusive() && !radio->isChecked()) {
        for (const QRadioButton* other :
             radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
            if (other->isChecked() && other->autoExclusive()) {
                return false;
            }
        }
    }
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) != nullptr) {
            return false;
        }
    }
    return true;
}

QStringList TabStops(const QWidget* window) {
    QStringList stops;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (IsTabStop(widget, window)) {
            stops << NameOf(widget);
        }
    }
    stops.sort();
    return stops;
}

// Presses Tab (or Shift+Tab) on the focused widget until the focus is back
// where it started; the widgets it stood on, the start first. Stops after
// twice as many presses as there are stops (a walk caught in a loop).
QStringList Walk(const QWidget* window, bool backwards) {
    QStringList visited;
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr) {
        return visited;
    }
    visited << NameOf(start);
    const qsizetype limit = 2 * TabStops(window).size() + 2;
    for (qsizetype press = 0; press < limit; ++press) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            break;
        }
        QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        if (QApplication::focusWidget() == start) {
            return visited;
        }
        visited << NameOf(QApplication::focusWidget());
    }
    visited << QStringLiteral("(caught)");
    return visited;
}

// Both walks of window from its focused widget: each comes back and
// stands on every tab stop once.
void ExpectCycles(QWidget* window, const QString& label) {
    window->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->window())) << label.toStdString();
    const QStringList stops = TabStops(window);
    for (const bool backwards : {false, true}) {
        QStringList walked = Walk(window, backwards);
        const QString walk = walked.join(QStringLiteral(" > "));
        walked.sort();
        EXPECT_EQ(walked.join(QStringLiteral(", ")).toStdString(),
                  stops.join(QStringLiteral(", ")).toStdString())
            << label.toStdString() << (backwards ? " Shift+Tab: " : " Tab: ") << walk.toStdString();
    }
}

class FocusCycleTest : public CAllUnitsDialogTest {
  protected:
    FocusCycleTest() {
        CDialogFocusOrder::Install();
        SetText("MCH.CH3.Clear", "OFF");
        SetText("MCH.CH3.FreqRx", "145.5");
    }

    // Shows dialog as the program does and checks its cycles.
    static void ExpectDialogCycles(QDialog& dialog, const QString& label) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << label.toStdString();
        ExpectCycles(&dialog, label);
        dialog.reject();
    }

    CZ5MainFrame frame{settings, model};
};

// Each page of the common settings, the DTMF and the PGR dialogs, as the
// View menu opens them.
TEST_F(FocusCycleTest, ViewDialogsCycle) {
    VisitViewDialogPages(frame, [](QDialog& dialog, QTabWidget* pages, int page) {
        if (pages != nullptr && page > 0) {
            pages->tabBar()->setFocus(Qt::TabFocusReason);
        }
        ExpectCycles(&dialog, dialog.windowTitle() + " page " + QString::number(page));
    });
}

TEST_F(FocusCycleTest, ChannelSetupPrintAndListDialogsCycle) {
    std::vector<DialogMaker> makers = StandaloneDialogs();
    makers.emplace_back([] { return std::make_unique<CZ5ChEditDlg>("CCH.CH0", kAreaCall, false); });
    // A cleared channel: only the frequency and the buttons take Tab.
    makers.emplace_back(
        [] { return std::make_unique<CZ5ChEditDlg>("MCH.CH5", kAreaMemory, true); });
    for (const auto& make : makers) {
        std::unique_ptr<QDialog> dialog = make();
        ExpectDialogCycles(*dialog, NameOf(dialog.get()));
    }
    // Set Field after its field changed: the new value's editor takes its
    // place in the cycle.
    CSetFieldDlg setField(std::vector<int>{2, 4}, 2, 3, nullptr, nullptr);
    setField.show();
    setField.findChild<QComboBox*>(QStringLiteral("SetFieldField"))->setCurrentIndex(1);
    ExpectDialogCycles(setField, QStringLiteral("set field"));
    CChannelGridPane lists(document);
    CPrintSelectDlg print(settings, ui, lists, lists);
    ExpectDialogCycles(print, QStringLiteral("print selection"));
}

// The find bar keeps the focus among its own controls.
TEST_F(FocusCycleTest, FindBarCycles) {
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    frame.RunCommand(Cmd::EditFind);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("FindText"));
    ExpectCycles(frame.FindBar(), QStringLiteral("find bar"));
}

}  // namespace
