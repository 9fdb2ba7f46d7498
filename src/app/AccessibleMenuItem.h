// CAccessibleMenuItem: what a screen reader is told of a menu item whose
// text carries its key after a tab ("&Edit Memory...\tEnter"): the name is
// the text before the tab ("Edit Memory..."), the key is its accelerator.
// The menu shows the item as before; only what assistive technology reads
// changes. Other menu items keep Qt's own interface.
//
// Install once, before the first menu is read (again is harmless).
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

class CAccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    explicit CAccessibleMenuItem(QAction* action);

    // Hands out this interface for actions whose text holds a tab.
    static void Install();

    QObject* object() const override;
    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    // The shown menu holding the action, else the first menu holding it.
    QMenu* Owner() const;

    QPointer<QAction> m_action;
};
