// What a list sheet needs of the window and the document around it. The list
// frame of the main window implements it; tests hand in a fake.
#pragma once

#include "ui/ModelOptions.h"

class CUserInterface;
class QPoint;

// The channel areas a sheet can show.
enum ListArea { kAreaNone = 0, kAreaMemory = 1, kAreaScanEdge = 2, kAreaCall = 3 };

class CListSheetHost : public CModelOptions {
  public:
    // The area of the sheet that is shown (ListArea), kAreaNone when none.
    virtual int GetListArea() const = 0;

    // Keyboard focus to the tree of areas, or to the shown list.
    virtual void FocusTree() = 0;
    virtual void FocusList() = 0;

    // Shows the context menu with the given resource number at a screen
    // position; its commands reach the shown sheet through the main window.
    virtual void ShowContextMenu(int menuId, const QPoint& globalPos) = 0;

    // Marks the open document modified after a sheet changed its data. The
    // base does nothing.
    virtual void MarkModified() {}

    // The user-interface port for a sheet's questions and wait cursor, not
    // owned; nullptr when there is none: then every question counts as
    // answered No.
    virtual CUserInterface* UserInterface() const { return nullptr; }
};
