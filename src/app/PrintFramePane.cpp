#include "app/PrintFramePane.h"

#include "app/Z5MainFrame.h"
#include "ui/ListSheetHost.h"

int CPrintFramePane::ShownArea() const {
    return m_frame.GetListArea();
}

void CPrintFramePane::ShowArea(int area) {
    if (area >= kAreaMemory && area <= kAreaCall) {
        m_frame.ShowArea(area);
    }
}

CListSheet* CPrintFramePane::ShownList() const {
    return m_frame.ShownList();
}
