// What a person cannot read in a window of the program, whatever language
// its texts are in: a label, button, check box, radio button, group box
// title, column title or tab whose widget is smaller than its text needs,
// menu titles pushed out of the menu bar, menus and windows larger than the
// screen, and mnemonics two widgets shown together share.
#pragma once

#include <QSize>
#include <QString>
#include <set>
#include <string>

class QMenuBar;
class QWidget;

namespace textfit {

// The smallest screen the program is made for.
constexpr QSize kScreen(1280, 800);

// Every text of window (named name in the reports) that its widget cuts, in
// each page of the window's tab widgets (the page shown is put back), and
// the window itself when it is larger than the screen. Each report names the
// window, the widget (class, object name, accessible name), the text, what
// it needs and what it has.
std::set<std::string> CutTexts(QWidget& window, const QString& name);

// Pairs of labels, buttons, group boxes and tabs of window shown at the same
// time (in each page of its tab widgets) that share a mnemonic.
std::set<std::string> SharedMnemonics(QWidget& window, const QString& name);

// Menu titles that do not fit the menu bar, and menus (with their submenus)
// wider than the screen.
std::set<std::string> CutMenus(QMenuBar& bar);

}  // namespace textfit
