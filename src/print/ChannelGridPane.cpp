#include "print/ChannelGridPane.h"

#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "document/NodeChanges.h"
#include "document/Z5Doc.h"
#include "model/Node.h"
#include "model/Z5MemoryMap.h"
#include "model/Z5Versions.h"
#include "platform/Translation.h"
#include "print/PrintGrid.h"
#include "views/ChannelGrid.h"

namespace {

constexpr int kNoVersion = z5version::kNone;

}  // namespace

// The grid of one area, its columns those of the units the pane's model
// options name when the area is shown.
class CChannelGridPane::CGrid : public CPrintGrid {
  public:
    CGrid(int area, const CModelOptions& options) : m_area(area), m_options(options) {}

    void Prepare() {
        m_columns = CChannelGrid::ColumnsFor(m_options.HasModelOption(z5option::kScrambler) == 1);
    }

    std::string Title() const override {
        return CTranslation::Tr("z5area", CChannelGrid::AreaTitle(m_area));
    }
    const ListSheetDef& Definition() const override { return CChannelGrid::Definition(); }
    int ColumnCount() const override { return m_columns; }
    int RowCount() const override { return CChannelGrid::RowsOfArea(m_area); }
    void RefreshRow(int) override {}
    std::string CellText(int row, int column) const override {
        if (column == 0) {
            return CChannelGrid::RowLabel(m_area, row);
        }
        const CNode* channel = CNode::ResolvePath(CChannelGrid::ChannelPath(m_area, row));
        return CChannelGrid::CellText(channel, column, m_options);
    }

  private:
    const int m_area;
    const CModelOptions& m_options;
    int m_columns = 0;
};

CChannelGridPane::CChannelGridPane(CZ5Doc& document) : m_document(document) {
    for (int area = kAreaMemory; area <= kAreaCall; ++area) {
        m_grids[area - kAreaMemory] = std::make_unique<CGrid>(area, *this);
    }
}

CChannelGridPane::~CChannelGridPane() = default;

void CChannelGridPane::ShowArea(int area) {
    if (area < kAreaMemory || area > kAreaCall) {
        return;
    }
    m_area = area;
    m_grids[area - kAreaMemory]->Prepare();
}

CPrintGrid* CChannelGridPane::ShownGrid() {
    return m_area == kAreaNone ? nullptr : m_grids[m_area - kAreaMemory].get();
}

int CChannelGridPane::HasModelOption(const std::string& name) const {
    return m_document.HasModelOption(name);
}

int CChannelGridPane::GetModelVersion() const {
    const CModelManager* models = m_document.GetCloneManager().GetModelManager();
    return models != nullptr ? models->GetVersion() : kNoVersion;
}
