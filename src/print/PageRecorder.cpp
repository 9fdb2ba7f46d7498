#include "print/PageRecorder.h"

namespace {

template <class... Handlers>
struct SOverloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
SOverloaded(Handlers...) -> SOverloaded<Handlers...>;

}  // namespace

CPageRecorder::CPageRecorder(CPrintCanvas& measure) : m_measure(measure) {}

int CPageRecorder::StartPrintPage() {
    m_pages.emplace_back();
    return 1;
}

int CPageRecorder::EndPrintPage() {
    return m_measure.EndPrintPage();
}

void CPageRecorder::Record(Drawing drawing) {
    if (m_pages.empty()) {
        m_pages.emplace_back();  // drawn before any page was started: the first page
    }
    m_pages.back().push_back(std::move(drawing));
}

void CPageRecorder::PrintPageHeader(SPrintRect& rect, const std::string& title,
                                    const std::string& revision, const std::string& bottomLeft,
                                    const std::string& bottomRight) {
    Record(SFrame{rect, title, revision, bottomLeft, bottomRight});
    const int depth = PageHeaderDepth() * LineDirection();
    rect.top += depth;
    rect.bottom -= depth;
}

void CPageRecorder::PrintBoxedText(const SPrintRect& rect, const std::string& text, int alignment) {
    Record(SBoxedText{rect, text, alignment});
}

void CPageRecorder::PrintNote(const SPrintRect& rect, const std::string& text) {
    Record(SNote{rect, text});
}

bool CPageRecorder::Replay(CPrintCanvas& canvas, const Footer& footer) const {
    const int pages = PageCount();
    for (int page = 0; page < pages; ++page) {
        if (canvas.StartPrintPage() <= 0) {
            return false;
        }
        const std::string pageFooter = footer(page, pages);
        for (const Drawing& drawing : m_pages[page]) {
            std::visit(SOverloaded{
                           [&](const SFrame& frame) {
                               SPrintRect rect = frame.rect;
                               const std::string bottomLeft =
                                   frame.bottomLeft.empty()
                                       ? pageFooter
                                       : frame.bottomLeft + kFooterSeparator + pageFooter;
                               canvas.PrintPageHeader(rect, frame.title, frame.revision, bottomLeft,
                                                      frame.bottomRight);
                           },
                           [&](const SBoxedText& box) {
                               canvas.PrintBoxedText(box.rect, box.text, box.alignment);
                           },
                           [&](const SNote& note) { canvas.PrintNote(note.rect, note.text); },
                       },
                       drawing);
        }
        if (canvas.EndPrintPage() < 0) {
            return false;
        }
    }
    return true;
}
