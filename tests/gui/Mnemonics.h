// The mnemonics of menus and windows (the letter after "&" that Alt reaches):
// what the menu and window tests check in every language.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMap>
#include <QMenu>
#include <QString>
#include <string>
#include <vector>

namespace guitest {

// The letter after "&" in a text, lower case; "" when there is none.
inline QString MnemonicOf(const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QString() : key.toString().remove(QStringLiteral("Alt+")).toLower();
}

// What is wrong with the mnemonics of a menu's items (and of its submenus,
// each on its own): an item without one, two items that share one.
inline std::vector<std::string> MenuMnemonicFaults(const QList<QAction*>& items,
                                                   const std::string& menu) {
    std::vector<std::string> faults;
    QMap<QString, QString> taken;
    for (const QAction* action : items) {
        if (action->isSeparator() || !action->isVisible()) {
            continue;
        }
        const std::string text = action->text().toStdString();
        const QString letter = MnemonicOf(action->text());
        if (letter.isEmpty()) {
            faults.push_back(menu + ": " + text + " has no mnemonic");
        } else if (taken.contains(letter)) {
            faults.push_back(menu + ": " + text + " and " + taken.value(letter).toStdString() +
                             " share Alt+" + letter.toStdString());
        }
        taken.insert(letter, action->text());
        if (action->menu() != nullptr) {
            const std::vector<std::string> inner =
                MenuMnemonicFaults(action->menu()->actions(), text);
            faults.insert(faults.end(), inner.begin(), inner.end());
        }
    }
    return faults;
}

}  // namespace guitest
