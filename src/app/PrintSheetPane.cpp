#include "app/PrintSheetPane.h"

#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "document/Z5Doc.h"
#include "model/Z5MemoryMap.h"
#include "ui/Z5ChListSheet.h"

namespace {

constexpr int kNoVersion = 4;

}  // namespace

CPrintSheetPane::CPrintSheetPane(CZ5Doc& document, CSettingsStore& settings)
    : m_document(document) {
    for (int area = kAreaMemory; area <= kAreaCall; ++area) {
        m_sheets[area - kAreaMemory] = std::make_unique<CZ5ChListSheet>(area, *this, settings);
    }
}

CPrintSheetPane::~CPrintSheetPane() = default;

void CPrintSheetPane::ShowArea(int area) {
    if (area < kAreaMemory || area > kAreaCall) {
        return;
    }
    m_area = area;
    CZ5ChListSheet& sheet = *m_sheets[area - kAreaMemory];
    sheet.Reset(CZ5ChListSheet::RowsOfArea(area), 0,
                CZ5ChListSheet::ColumnsFor(HasModelOption(z5option::kScrambler) == 1));
}

CListSheet* CPrintSheetPane::ShownList() const {
    return m_area == kAreaNone ? nullptr : m_sheets[m_area - kAreaMemory].get();
}

int CPrintSheetPane::HasModelOption(const std::string& name) const {
    return m_document.HasModelOption(name);
}

int CPrintSheetPane::GetModelVersion() const {
    const CModelManager* models = m_document.GetCloneManager().GetModelManager();
    return models != nullptr ? models->GetVersion() : kNoVersion;
}
