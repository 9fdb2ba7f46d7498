#include "app/AccessibleMenuItem.h"

#include <QAction>
#include <QMenu>
#include <QWindow>

namespace {

QString WithoutMnemonics(QString text) {
    static const QString kMarker = QStringLiteral("\x01");
    text.replace(QStringLiteral("&&"), kMarker);
    text.remove(QLatin1Char('&'));
    return text.replace(kMarker, QStringLiteral("&"));
}

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (className != QStringLiteral("QAction") || action == nullptr ||
        !action->text().contains(QLatin1Char('\t'))) {
        return nullptr;
    }
    return new CAccessibleMenuItem(action);
}

}  // namespace

CAccessibleMenuItem::CAccessibleMenuItem(QAction* action) : m_action(action) {}

void CAccessibleMenuItem::Install() {
    QAccessible::installFactory(MenuItemFactory);
}

QMenu* CAccessibleMenuItem::Owner() const {
    QMenu* first = nullptr;
    if (m_action == nullptr) {
        return nullptr;
    }
    for (QObject* holder : m_action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            if (menu->isVisible()) {
                return menu;
            }
            first = first != nullptr ? first : menu;
        }
    }
    return first;
}

QObject* CAccessibleMenuItem::object() const {
    return m_action;
}

bool CAccessibleMenuItem::isValid() const {
    return m_action != nullptr;
}

QWindow* CAccessibleMenuItem::window() const {
    QMenu* menu = Owner();
    return menu != nullptr ? menu->windowHandle() : nullptr;
}

QAccessibleInterface* CAccessibleMenuItem::parent() const {
    return QAccessible::queryAccessibleInterface(Owner());
}

QAccessibleInterface* CAccessibleMenuItem::child(int index) const {
    return index == 0 && m_action != nullptr && m_action->menu() != nullptr
               ? QAccessible::queryAccessibleInterface(m_action->menu())
               : nullptr;
}

int CAccessibleMenuItem::childCount() const {
    return m_action != nullptr && m_action->menu() != nullptr ? 1 : 0;
}

int CAccessibleMenuItem::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && childCount() == 1 && child->object() == m_action->menu() ? 0 : -1;
}

QAccessibleInterface* CAccessibleMenuItem::childAt(int, int) const {
    return nullptr;
}

QString CAccessibleMenuItem::text(QAccessible::Text kind) const {
    if (m_action == nullptr) {
        return QString();
    }
    const QString shown = m_action->text();
    const qsizetype tab = shown.indexOf(QLatin1Char('\t'));
    switch (kind) {
        case QAccessible::Name:
            return WithoutMnemonics(shown.left(tab));
        case QAccessible::Accelerator:
            return tab >= 0 ? shown.mid(tab + 1) : QString();
        case QAccessible::Description:
            return m_action->statusTip();
        default:
            return QString();
    }
}

void CAccessibleMenuItem::setText(QAccessible::Text, const QString&) {}

QRect CAccessibleMenuItem::rect() const {
    QMenu* menu = Owner();
    if (menu == nullptr || m_action == nullptr) {
        return QRect();
    }
    const QRect area = menu->actionGeometry(m_action);
    return QRect(menu->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::Role CAccessibleMenuItem::role() const {
    return QAccessible::MenuItem;
}

QAccessible::State CAccessibleMenuItem::state() const {
    QAccessible::State state;
    QMenu* menu = Owner();
    if (m_action == nullptr || menu == nullptr || !menu->isVisible() || !m_action->isVisible()) {
        state.invisible = true;
    }
    state.disabled = m_action == nullptr || !m_action->isEnabled();
    state.focusable = !state.disabled;
    if (m_action != nullptr && menu != nullptr && menu->activeAction() == m_action) {
        state.focused = true;
        state.selected = true;
    }
    state.checkable = m_action != nullptr && m_action->isCheckable();
    state.checked = state.checkable && m_action->isChecked();
    return state;
}

void* CAccessibleMenuItem::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList CAccessibleMenuItem::actionNames() const {
    return m_action != nullptr && m_action->isEnabled() ? QStringList{pressAction()}
                                                        : QStringList();
}

void CAccessibleMenuItem::doAction(const QString& actionName) {
    if (actionName != pressAction() || m_action == nullptr || !m_action->isEnabled()) {
        return;
    }
    if (QMenu* menu = Owner(); menu != nullptr && menu->isVisible()) {
        menu->hide();
    }
    m_action->trigger();
}

QStringList CAccessibleMenuItem::keyBindingsForAction(const QString&) const {
    return {};
}
