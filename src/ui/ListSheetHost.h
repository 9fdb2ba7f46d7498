// What a list sheet needs of the window and the document around it. The list
// frame of the main window implements it; tests hand in a fake.
#pragma once

#include "document/NodeChanges.h"
#include "views/ModelOptions.h"

class CUserInterface;
class QPoint;

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

    // The document's announcements of changed nodes, which the sheets
    // follow; nullptr when there is none (then a sheet shows a node's text
    // whenever it draws it, but nothing tells it to draw again). Not owned.
    virtual CNodeChanges* NodeChanges() const { return nullptr; }

    // A sheet changed nodes: the host tells the document, which marks itself
    // modified for an edit and announces the change to every view. The base
    // announces it on NodeChanges().
    virtual void NodesChanged(const SNodeChange& change) {
        if (CNodeChanges* changes = NodeChanges()) {
            changes->Announce(change);
        }
    }

    // The command busy flag around a sheet's modal dialog: true when no other
    // command runs, and then the flag is held until LeaveCommand; false (and
    // nothing held) while another command runs. The base holds no flag.
    virtual bool TryEnterCommand() { return true; }
    virtual void LeaveCommand() {}

    // The user-interface port for a sheet's questions and wait cursor, not
    // owned; nullptr when there is none: then every question counts as
    // answered No.
    virtual CUserInterface* UserInterface() const { return nullptr; }
};
