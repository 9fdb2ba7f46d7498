// CCommandTable: the program's commands as data: each command's menu text,
// keys and status-bar prompt, the menus and the toolbar as lists of command
// numbers (0 = a separator). The main window builds its actions, menus,
// context menu and toolbar from these tables and nothing else. The texts
// are English, marked for the translators with the context "CCommandTable";
// whoever shows them translates them.
#pragma once

#include <span>

struct SCommandDef {
    int id;
    const char* text;    // "&" stands before the item's mnemonic letter
    const char* keys;    // Qt key sequences separated by ";" ("" none)
    const char* prompt;  // status-bar text while the item is pointed at
};

struct SMenuDef {
    const char* title;
    std::span<const int> items;  // command numbers, 0 = separator
};

class CCommandTable {
  public:
    // Every command of the program, in menu order.
    static std::span<const SCommandDef> Commands();
    // The command with number id, or nullptr.
    static const SCommandDef* Find(int id);
    // The key the menu item of command id names after a tab without it
    // being the item's shortcut ("Enter" of "Edit Memory..."), or "".
    static const char* ShownKey(int id);

    // The menu bar, left to right.
    static std::span<const SMenuDef> MenuBar();
    // The model version submenu of the View menu ("GEN", ..., none).
    static const SMenuDef& ModelMenu();
    // The list's context menu (resource 1000).
    static const SMenuDef& ContextMenu();
    static constexpr int kContextMenuId = 1000;
    // The toolbar buttons, left to right (0 = gap).
    static std::span<const int> Toolbar();
    // Whether command id acts on the rows of the grid (the Edit menu):
    // while a cell editor or the find bar has the keyboard focus, the keys
    // of these commands are the editor's own.
    static bool IsRowCommand(int id);
    // The model version commands in version order 0..4.
    static std::span<const int> ModelVersionCommands();
};
