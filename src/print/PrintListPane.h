// CPrintListPane: what printing needs of the window that shows the channel
// lists: which area is shown, showing another one (which prepares its list
// and refreshes its rows), and the grid of the list shown. The main window
// is one; a document printed without a window has its own
// (CChannelGridPane).
#pragma once

class CPrintGrid;

class CPrintListPane {
  public:
    virtual ~CPrintListPane() = default;

    // The area shown (1 Memory CH, 2 Program scan edge, 3 Call), 0 for none.
    virtual int ShownArea() const = 0;
    // Shows area 1..3; other numbers do nothing.
    virtual void ShowArea(int area) = 0;
    // The grid of the list shown, or nullptr. Owned by the pane; valid until
    // another area is shown.
    virtual CPrintGrid* ShownGrid() = 0;
};
