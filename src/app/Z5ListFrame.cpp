#include "app/Z5ListFrame.h"

#include "app/NullView.h"
#include "model/Z5MemoryMap.h"
#include "ui/ListSheetHost.h"
#include "ui/Z5ChListSheet.h"

CZ5ListFrame::CZ5ListFrame(CListSheetHost& host, CSettingsStore& settings, QWidget* parent)
    : QWidget(parent), m_host(host) {
    setObjectName(QStringLiteral("CZ5ListFrame"));
    m_slots[0] = new CNullView(this);
    for (int area = kAreaMemory; area <= kAreaCall; ++area) {
        auto* sheet = new CZ5ChListSheet(area, host, settings, this);
        sheet->setObjectName(QStringLiteral("ChListSheet%1").arg(area));
        m_slots[area] = sheet;
    }
    for (QWidget* view : m_slots) {
        if (view != nullptr) {
            view->hide();
        }
    }
    m_activeSlot = kAreaMemory;
    m_slots[m_activeSlot]->show();
    setFocusProxy(m_slots[m_activeSlot]);
}

CZ5ListFrame::~CZ5ListFrame() = default;

CListSheet* CZ5ListFrame::ActiveSheet() const {
    return qobject_cast<CListSheet*>(m_slots[m_activeSlot]);
}

CZ5ChListSheet* CZ5ListFrame::Sheet(int area) const {
    return area >= kAreaMemory && area <= kAreaCall ? qobject_cast<CZ5ChListSheet*>(m_slots[area])
                                                    : nullptr;
}

void CZ5ListFrame::ShowArea(int area) {
    CZ5ChListSheet* sheet = Sheet(area);
    if (sheet == nullptr) {
        return;
    }
    sheet->Reset(CZ5ChListSheet::RowsOfArea(area), 0,
                 CZ5ChListSheet::ColumnsFor(m_host.HasModelOption(z5option::kScrambler) == 1));
    QWidget* previous = m_slots[m_activeSlot];
    const bool hadFocus = previous != nullptr && previous->hasFocus();
    m_activeSlot = area;
    if (previous != sheet && previous != nullptr) {
        previous->hide();
    }
    PlaceActiveView();
    sheet->show();
    setFocusProxy(sheet);
    if (hadFocus) {
        sheet->setFocus();
    }
}

void CZ5ListFrame::FollowHostChanges() {
    for (int area = kAreaMemory; area <= kAreaCall; ++area) {
        Sheet(area)->FollowHostChanges();
    }
}

void CZ5ListFrame::SetRowsInUseOnly(bool inUseOnly) {
    for (int area = kAreaMemory; area <= kAreaCall; ++area) {
        Sheet(area)->SetRowsInUseOnly(inUseOnly);
    }
}

int CZ5ListFrame::GetListArea() const {
    return ActiveSheet() != nullptr ? m_activeSlot : kAreaNone;
}

void CZ5ListFrame::FocusList() {
    if (QWidget* view = m_slots[m_activeSlot]) {
        view->setFocus(Qt::OtherFocusReason);
    }
}

void CZ5ListFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceActiveView();
}

// The shown view fills the frame; its own border lies just outside, so the
// pane shows one border only (the splitter's).
void CZ5ListFrame::PlaceActiveView() {
    QWidget* view = m_slots[m_activeSlot];
    if (view == nullptr) {
        return;
    }
    const auto* sheet = qobject_cast<QFrame*>(view);
    const int edge = sheet != nullptr ? sheet->frameWidth() : 0;
    view->setGeometry(-edge, -edge, width() + 2 * edge, height() + 2 * edge);
}
