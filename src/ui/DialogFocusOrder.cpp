#include "ui/DialogFocusOrder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <vector>

namespace {

constexpr const char* kOrderedProperty = "cpz5FocusOrdered";

// The program's own dialog classes are named C...; Qt's (message boxes,
// file and print dialogs) Q....
bool IsProgramDialog(const QWidget* widget) {
    return qobject_cast<const QDialog*>(widget) != nullptr &&
           widget->metaObject()->className()[0] == 'C';
}

bool TakesTab(const QWidget* widget, const QWidget* root) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isEnabled() &&
           widget->isVisibleTo(root) && widget->focusProxy() == nullptr;
}

// A block is read through as a whole: a group box or a property sheet.
bool IsBlock(const QWidget* widget) {
    return qobject_cast<const QGroupBox*>(widget) != nullptr ||
           qobject_cast<const QTabWidget*>(widget) != nullptr;
}

// The unit of container that widget belongs to: the outermost block between
// them, else widget itself; nullptr when widget lies inside another field
// (the line edit of a spin box) and is not a field of its own.
QWidget* UnitOf(QWidget* widget, QWidget* container, QWidget* root) {
    QWidget* unit = widget;
    for (QWidget* up = widget->parentWidget(); up != nullptr && up != container;
         up = up->parentWidget()) {
        if (IsBlock(up)) {
            unit = up;
        } else if (TakesTab(up, root)) {
            return nullptr;
        }
    }
    return unit;
}

// Reading order of units: by rows (centres less than half a height apart
// share a row), each row from left to right.
void SortAsRead(std::vector<QWidget*>& units, QWidget* root) {
    auto placeOf = [root](QWidget* w) { return QRect(w->mapTo(root, QPoint(0, 0)), w->size()); };
    std::stable_sort(units.begin(), units.end(), [&](QWidget* a, QWidget* b) {
        return placeOf(a).center().y() < placeOf(b).center().y();
    });
    std::vector<QWidget*> sorted;
    for (std::size_t first = 0; first < units.size();) {
        const QRect lead = placeOf(units[first]);
        std::size_t end = first + 1;
        while (end < units.size() &&
               placeOf(units[end]).center().y() - lead.center().y() <
                   std::min(lead.height(), placeOf(units[end]).height()) / 2 + 1) {
            ++end;
        }
        std::vector<QWidget*> row(units.begin() + first, units.begin() + end);
        std::stable_sort(row.begin(), row.end(), [&](QWidget* a, QWidget* b) {
            return placeOf(a).left() < placeOf(b).left();
        });
        sorted.insert(sorted.end(), row.begin(), row.end());
        first = end;
    }
    units = std::move(sorted);
}

void CollectInOrder(QWidget* container, QWidget* root, std::vector<QWidget*>& order) {
    std::vector<QWidget*> units;
    for (QWidget* widget : container->findChildren<QWidget*>()) {
        if (!TakesTab(widget, root)) {
            continue;
        }
        QWidget* unit = UnitOf(widget, container, root);
        if (unit != nullptr && std::find(units.begin(), units.end(), unit) == units.end()) {
            units.push_back(unit);
        }
    }
    SortAsRead(units, root);
    for (QWidget* unit : units) {
        if (auto* sheet = qobject_cast<QTabWidget*>(unit)) {
            order.push_back(sheet->tabBar());
            if (sheet->currentWidget() != nullptr) {
                CollectInOrder(sheet->currentWidget(), root, order);
            }
        } else if (IsBlock(unit)) {
            if (TakesTab(unit, root)) {
                order.push_back(unit);  // a checkable group box
            }
            CollectInOrder(unit, root, order);
        } else {
            order.push_back(unit);
        }
    }
}

void ChainTabOrder(const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

// A container that takes no focus itself but hands it to a child (a button
// box to its first button) counts as a stop of its own at the place in the
// chain where it was made: Tab from the last button would go back to the
// first one for ever. Its fields stand in the order themselves.
void DropContainerProxies(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus && widget->focusProxy() != nullptr &&
            widget->isAncestorOf(widget->focusProxy())) {
            widget->setFocusProxy(nullptr);
        }
    }
}

bool IsField(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) == nullptr &&
           qobject_cast<const QTabBar*>(widget) == nullptr;
}

// A page of a property sheet: its fields follow the tab bar.
QTabWidget* SheetOfPage(const QWidget* widget) {
    const QWidget* stack = widget->parentWidget();
    if (qobject_cast<const QStackedWidget*>(stack) == nullptr) {
        return nullptr;
    }
    return qobject_cast<QTabWidget*>(stack->parentWidget());
}

}  // namespace

void CDialogFocusOrder::Install() {
    static CDialogFocusOrder* installed = nullptr;
    if (installed == nullptr && qApp != nullptr) {
        installed = new CDialogFocusOrder(qApp);
        qApp->installEventFilter(installed);
    }
}

QWidget* CDialogFocusOrder::Apply(QWidget* root) {
    DropContainerProxies(root);
    std::vector<QWidget*> order;
    CollectInOrder(root, root, order);
    ChainTabOrder(order);
    auto first = std::find_if(order.begin(), order.end(), IsField);
    return first != order.end() ? *first : nullptr;
}

bool CDialogFocusOrder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType() ||
        watched->property(kOrderedProperty).toBool()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (IsProgramDialog(widget)) {
        widget->setProperty(kOrderedProperty, true);
        if (QWidget* first = Apply(widget)) {
            first->setFocus(Qt::TabFocusReason);
        }
    } else if (QTabWidget* sheet = SheetOfPage(widget);
               sheet != nullptr && IsProgramDialog(sheet->window())) {
        widget->setProperty(kOrderedProperty, true);
        std::vector<QWidget*> order{sheet->tabBar()};
        CollectInOrder(widget, sheet->window(), order);
        ChainTabOrder(order);
    }
    return false;
}
