// CPrintFramePane: the main window's list frame as printing sees it: a
// channel list printed is shown in the right pane while it prints.
//
// The frame is not owned and must outlive the pane.
#pragma once

#include "app/PrintListPane.h"

class CZ5MainFrame;

class CPrintFramePane : public CPrintListPane {
  public:
    explicit CPrintFramePane(CZ5MainFrame& frame) : m_frame(frame) {}

    int ShownArea() const override;
    void ShowArea(int area) override;
    CListSheet* ShownList() const override;

  private:
    CZ5MainFrame& m_frame;
};
