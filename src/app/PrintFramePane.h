// CPrintFramePane: the main window's list frame as printing sees it: a
// channel list printed is shown in the right pane while it prints, and its
// grid is read from the sheet shown.
//
// The frame is not owned and must outlive the pane.
#pragma once

#include <memory>

#include "print/PrintListPane.h"

class CZ5MainFrame;

class CPrintFramePane : public CPrintListPane {
  public:
    explicit CPrintFramePane(CZ5MainFrame& frame);
    ~CPrintFramePane() override;

    int ShownArea() const override;
    void ShowArea(int area) override;
    CPrintGrid* ShownGrid() override;

  private:
    class CSheetGrid;

    CZ5MainFrame& m_frame;
    std::unique_ptr<CSheetGrid> m_grid;
};
