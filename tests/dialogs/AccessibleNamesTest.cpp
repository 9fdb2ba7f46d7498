// A screen reader names every control of every window: what a sighted user
// reads next to the control (its label, its group, its own text) is the
// control's accessible name, and a menu item's name holds no key text.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>

#include "DialogTestSupport.h"
#include "StandaloneDialogs.h"
#include "app/AboutDlg.h"
#include "app/CompareDlg.h"
#include "app/HistoryDlg.h"
#include "app/PrintSelectDlg.h"
#include "app/QtUserInterface.h"
#include "app/Z5MainFrame.h"
#include "app/Z5TreeView.h"
#include "print/ChannelGridPane.h"
#include "ui/CloneProgressWindow.h"
#include "ui/CommPortSetupDlg.h"
#include "ui/CommandIds.h"
#include "ui/InformationDlg.h"
#include "ui/SetFieldDlg.h"
#include "ui/Z5ChEditDlg.h"

namespace {

// The roles of the controls a screen reader stops on and reads by name.
bool IsNamedRole(QAccessible::Role role) {
    static const QAccessible::Role kRoles[] = {
        QAccessible::PushButton,  QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,    QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Table,       QAccessible::Tree,         QAccessible::List,
        QAccessible::ProgressBar, QAccessible::ButtonMenu,   QAccessible::ButtonDropDown,
        QAccessible::MenuItem,    QAccessible::ColumnHeader,
    };
    return std::find(std::begin(kRoles), std::end(kRoles), role) != std::end(kRoles);
}

// A list, a table or a tree: its items are data, not controls; a drop-down
// list: its popup is read as the list itself.
bool HoldsItems(QAccessible::Role role) {
    return role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List ||
           role == QAccessible::ComboBox;
}

// A control that nothing the user reads names: no text of its own (a
// button's), no label pointing at it, no name given. Qt then makes up a
// name from what it finds (the title of the group box around it, the
// current entry of a list), which is wrong wherever the group holds more
// than the control.
bool NamedByNothingShown(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget == nullptr || !widget->accessibleName().isEmpty()) {
        return false;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
        button != nullptr && !button->text().isEmpty()) {
        return false;
    }
    for (const QLabel* label : widget->window()->findChildren<QLabel*>()) {
        if (label->buddy() == widget) {
            return false;
        }
    }
    return true;
}

struct SNames {
    int named = 0;
    int total = 0;
    QStringList unnamed;  // role and object of each control without a proper name
};

QString Describe(QAccessibleInterface& control) {
    const QObject* object = control.object();
    return QStringLiteral("role %1 %2:%3 %4")
        .arg(static_cast<int>(control.role()))
        .arg(object != nullptr ? QString::fromLatin1(object->metaObject()->className())
                               : QStringLiteral("-"))
        .arg(object != nullptr ? object->objectName() : QString())
        .arg(control.text(QAccessible::Name));
}

void Collect(QAccessibleInterface& node, SNames& names, int depth = 0) {
    if (node.state().invisible) {
        return;  // a screen reader passes it by (another page, a folded part)
    }
    if (IsNamedRole(node.role())) {
        const QString name = node.text(QAccessible::Name);
        ++names.total;
        // A header "1" is the number Qt gives a column nobody named.
        if (name.trimmed().isEmpty() || name.contains(QLatin1Char('\t')) ||
            NamedByNothingShown(node.object()) ||
            (node.role() == QAccessible::ColumnHeader && name == QStringLiteral("1"))) {
            names.unnamed << Describe(node);
        } else {
            ++names.named;
        }
    }
    if (depth > 40 || HoldsItems(node.role())) {
        return;
    }
    for (int i = 0; i < node.childCount(); ++i) {
        if (QAccessibleInterface* child = node.child(i)) {
            Collect(*child, names, depth + 1);
        }
    }
}

// Every control below window, named or not; the count goes to the log.
SNames NamesIn(QWidget& window, const QString& label) {
    SNames names;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window)) {
        Collect(*root, names);
    }
    std::cout << label.toStdString() << ": " << names.named << "/" << names.total << " named\n";
    return names;
}

void ExpectAllNamed(QWidget& window, const QString& label) {
    const SNames names = NamesIn(window, label);
    EXPECT_GT(names.total, 0) << label.toStdString();
    EXPECT_TRUE(names.unnamed.isEmpty())
        << label.toStdString() << ":\n  "
        << names.unnamed.join(QStringLiteral("\n  ")).toStdString();
}

class AccessibleNamesTest : public CAllUnitsDialogTest {
  protected:
    AccessibleNamesTest() {
        SetText("MCH.CH3.Clear", "OFF");
        SetText("MCH.CH3.FreqRx", "145.5");
    }

    CZ5MainFrame frame{settings, model};
};

TEST_F(AccessibleNamesTest, TheMainWindowNamesItsPartsAndMenuItems) {
    frame.show();
    frame.RunCommand(Cmd::EditFind);
    ExpectAllNamed(frame, QStringLiteral("main window"));
    // The menus' items, folded away as they are: the key after the tab in
    // "Edit Memory...\tEnter" is shown, not read as part of the name.
    int items = 0;
    for (QMenu* menu : frame.findChildren<QMenu*>()) {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; list != nullptr && i < list->childCount(); ++i) {
            QAccessibleInterface* item = list->child(i);
            if (item == nullptr || item->role() != QAccessible::MenuItem) {
                continue;
            }
            ++items;
            const QString name = item->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty() || name.contains(QLatin1Char('\t'))) << name.toStdString();
        }
    }
    EXPECT_GT(items, 40);
    auto* editMemory = frame.findChild<QAction*>(QStringLiteral("cmd%1").arg(Cmd::EditMemory));
    ASSERT_NE(editMemory, nullptr);
    EXPECT_EQ(editMemory->text(), QStringLiteral("&Edit Memory...\tEnter"));  // as shown
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(editMemory);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(QAccessible::Name), QStringLiteral("Edit Memory..."));
    EXPECT_EQ(item->text(QAccessible::Accelerator), QStringLiteral("Enter"));
    // The tree's one column is hidden, but a screen reader finds its header.
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(frame.TreeView());
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->text(QAccessible::Name), QStringLiteral("Areas"));
    for (int i = 0; i < tree->childCount(); ++i) {
        QAccessibleInterface* child = tree->child(i);
        if (child != nullptr && child->role() == QAccessible::ColumnHeader) {
            EXPECT_EQ(child->text(QAccessible::Name), QStringLiteral("Areas"));
        }
    }
}

// The dialogs of the View menu, every page of them, as the commands open them.
TEST_F(AccessibleNamesTest, ViewDialogsNameEveryControl) {
    VisitViewDialogPages(frame, [](QDialog& dialog, QTabWidget*, int page) {
        ExpectAllNamed(dialog, dialog.windowTitle() + QStringLiteral(" page %1").arg(page + 1));
    });
}

TEST_F(AccessibleNamesTest, OtherWindowsNameEveryControl) {
    std::vector<std::function<std::unique_ptr<QWidget>()>> makers;
    for (DialogMaker& make : StandaloneDialogs()) {
        makers.emplace_back(std::move(make));
    }
    makers.emplace_back(
        [] { return std::make_unique<CSetFieldDlg>(std::vector<int>{2}, 1, 3, nullptr, nullptr); });
    makers.emplace_back(
        [] { return std::make_unique<CCloneProgressWindow>(QStringLiteral("Read <- TR")); });
    for (const auto& make : makers) {
        std::unique_ptr<QWidget> window = make();
        window->show();
        ExpectAllNamed(*window, QString::fromLatin1(window->metaObject()->className()));
    }
    CChannelGridPane lists(document);
    CPrintSelectDlg print(settings, ui, lists, lists);
    print.show();
    ExpectAllNamed(print, QStringLiteral("print selection"));
}

// Texts a screen reader finds below node (names and descriptions).
QStringList TextsBelow(QAccessibleInterface& node, int depth = 0) {
    QStringList texts{node.text(QAccessible::Name), node.text(QAccessible::Description)};
    for (int i = 0; depth < 20 && i < node.childCount(); ++i) {
        if (QAccessibleInterface* child = node.child(i)) {
            texts << TextsBelow(*child, depth + 1);
        }
    }
    return texts;
}

// A message of the program is read out: its text and its buttons.
TEST_F(AccessibleNamesTest, AMessageBoxIsReadWithItsText) {
    const QString message = QStringLiteral("The clone file is damaged.");
    QStringList heard;
    SNames names;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->role(), QAccessible::AlertMessage);
        heard = TextsBelow(*root);
        names = NamesIn(*box, QStringLiteral("message box"));
        qobject_cast<QDialog*>(box)->reject();
    });
    CQtUserInterface().MessageBox(message.toStdString(), "CP-Z5",
                                  MessageStyle::Ok | MessageStyle::IconExclamation);
    EXPECT_TRUE(heard.contains(message)) << heard.join(QStringLiteral("|")).toStdString();
    EXPECT_GT(names.total, 0);
    EXPECT_TRUE(names.unnamed.isEmpty()) << names.unnamed.join(QStringLiteral(", ")).toStdString();
}

// The transfer's bar is read as a progress bar with its value.
TEST_F(AccessibleNamesTest, TheTransferProgressIsABarWithItsValue) {
    CCloneProgressWindow window(QStringLiteral("Read <- TR"));
    window.show();
    window.SetProgress(42);
    QAccessibleInterface* bar = nullptr;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(child);
        if (control != nullptr && control->role() == QAccessible::ProgressBar) {
            bar = control;
        }
    }
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 42);
}

}  // namespace
