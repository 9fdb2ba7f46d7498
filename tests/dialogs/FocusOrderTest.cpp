// The settings dialogs of the View menu open with the focus on their first
// field, and Tab goes through the fields as they are read.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "DialogTestSupport.h"
#include "app/Z5MainFrame.h"
#include "ui/CommandIds.h"
#include "ui/DialogFocusOrder.h"

namespace {

QString NameOf(const QWidget* widget) {
    return widget == nullptr ? QStringLiteral("(none)")
                             : QString::fromLatin1(widget->metaObject()->className()) + ":" +
                                   widget->objectName();
}

// The fields Tab visits from the focused one until it comes back, push
// buttons and the tab bar left out.
QStringList TabCycle(QDialog* dialog) {
    QStringList names;
    QWidget* start = dialog->focusWidget();
    QWidget* widget = start;
    for (int step = 0; step < 200 && widget != nullptr; ++step) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(dialog) &&
            widget->isEnabled() && widget->focusProxy() == nullptr &&
            qobject_cast<QPushButton*>(widget) == nullptr &&
            QString(widget->metaObject()->className()) != "QTabBar") {
            names << NameOf(widget);
        }
        widget = widget->nextInFocusChain();
        if (widget == start) {
            break;
        }
    }
    return names;
}

class FocusOrderTest : public CDialogTest {
  protected:
    FocusOrderTest() { CDialogFocusOrder::Install(); }
    CZ5MainFrame frame{settings, model};
};

TEST_F(FocusOrderTest, DialogsStartOnTheirFirstFieldAndTabReadsOn) {
    struct SCase {
        int command;
        const char* first;   // the field that has the focus at the start
        const char* second;  // where the first Tab goes
        const char* last;    // the last field before Tab comes back
    };
    const SCase cases[] = {
        // Scan Resume, then Auto Power-OFF beside it; the comment at the foot.
        {Cmd::CommonSetting, "QComboBox:1097", "QComboBox:1095", "QLineEdit:1053"},
        // D0's button, its code, ..., the speed under the group.
        {Cmd::DtmfAutodial, "QRadioButton:1101", "QLineEdit:1066", "QComboBox:1050"},
        {Cmd::PgrMemory, "QLineEdit:1053", "QLineEdit:1054", "QCheckBox:1079"},
    };
    for (const SCase& c : cases) {
        QStringList cycle;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            cycle = TabCycle(dialog);
            dialog->reject();
        });
        frame.RunCommand(c.command);
        ASSERT_GE(cycle.size(), 2) << c.command;
        EXPECT_EQ(cycle[0], c.first) << c.command;
        EXPECT_EQ(cycle[1], c.second) << c.command;
        EXPECT_EQ(cycle.back(), c.last) << c.command;
    }
}

}  // namespace
