#include "app/PrintFramePane.h"

#include "app/Z5MainFrame.h"
#include "print/PrintGrid.h"
#include "ui/ListSheet.h"
#include "ui/ListSheetHost.h"

// A list sheet of the window as its printout reads it.
class CPrintFramePane::CSheetGrid : public CPrintGrid {
  public:
    void SetSheet(CListSheet& sheet) { m_sheet = &sheet; }

    std::string Title() const override { return m_sheet->GetTitle().toStdString(); }
    const ListSheetDef& Definition() const override { return m_sheet->GetDefinition(); }
    int ColumnCount() const override { return m_sheet->GetColumnCount(); }
    int RowCount() const override { return m_sheet->GetItemCount(); }
    void RefreshRow(int row) override { m_sheet->RefreshRow(row); }
    std::string CellText(int row, int column) const override {
        return m_sheet->GetCellText(row, column).toStdString();
    }

  private:
    CListSheet* m_sheet = nullptr;
};

CPrintFramePane::CPrintFramePane(CZ5MainFrame& frame)
    : m_frame(frame), m_grid(std::make_unique<CSheetGrid>()) {}

CPrintFramePane::~CPrintFramePane() = default;

int CPrintFramePane::ShownArea() const {
    return m_frame.GetListArea();
}

void CPrintFramePane::ShowArea(int area) {
    if (area >= kAreaMemory && area <= kAreaCall) {
        m_frame.ShowArea(area);
    }
}

CPrintGrid* CPrintFramePane::ShownGrid() {
    CListSheet* sheet = m_frame.ShownList();
    if (sheet == nullptr) {
        return nullptr;
    }
    m_grid->SetSheet(*sheet);
    return m_grid.get();
}
