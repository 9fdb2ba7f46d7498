#include "print/PrintSections.h"

#include <functional>

#include "clone/CloneDocument.h"
#include "model/Z5MemoryMap.h"
#include "platform/UserInterface.h"
#include "print/ChListPrint.h"
#include "print/CommonSettingPrint.h"
#include "print/DtmfPrint.h"
#include "print/PgrPrint.h"
#include "print/PrintListPane.h"
#include "views/ModelOptions.h"

namespace {

constexpr int kFullScale = 100;
constexpr const char* kMessageTitle = CCloneDocument::kMessageTitle;
constexpr int kFirstListSection = CPrintSections::kMemoryList;
constexpr int kLastListSection = CPrintSections::kCallList;

using ContentPrinter = std::function<void(CPrintCanvas&, int left, int top)>;

struct SSettingsSection {
    int code;
    const char* title;
    ContentPrinter print;
};

ContentPrinter CommonPage(CCommonSettingPrint::EPage page) {
    return [page](CPrintCanvas& canvas, int left, int top) {
        CCommonSettingPrint::Print(page, canvas, left, top);
    };
}

const SSettingsSection* FindSettingsSection(int code) {
    static const SSettingsSection kSections[] = {
        {CPrintSections::kCommon, "Common Setting",
         CommonPage(CCommonSettingPrint::EPage::kCommon)},
        {CPrintSections::kAni, "ANI Setting", CommonPage(CCommonSettingPrint::EPage::kAni)},
        {CPrintSections::kScrambler, "Scrambler Setting",
         CommonPage(CCommonSettingPrint::EPage::kScrambler)},
        {CPrintSections::kDtmf, "DTMF Autodial", &CDtmfPrint::Print},
        {CPrintSections::kPgr, "PGR Memory", &CPgrPrint::Print},
    };
    for (const SSettingsSection& section : kSections) {
        if (section.code == code) {
            return &section;
        }
    }
    return nullptr;
}

std::vector<int> Expand(int code, const CModelOptions& model) {
    switch (code) {
        case CPrintSections::kEverything:
            return {CPrintSections::kCommon,       CPrintSections::kDtmf,
                    CPrintSections::kPgr,          CPrintSections::kMemoryList,
                    CPrintSections::kScanEdgeList, CPrintSections::kCallList};
        case CPrintSections::kCommon:
            if (model.HasModelOption(z5option::kScrambler) == 1) {
                return {CPrintSections::kCommon, CPrintSections::kScrambler};
            }
            if (model.HasModelOption(z5option::kAni) == 1) {
                return {CPrintSections::kCommon, CPrintSections::kAni};
            }
            return {CPrintSections::kCommon};
        default:
            return {code};
    }
}

// Shows an area for as long as it lives, then the one shown before.
class CShownAreaScope {
  public:
    CShownAreaScope(CPrintListPane& lists, int area)
        : m_lists(lists), m_remembered(lists.ShownArea()) {
        m_lists.ShowArea(area);
    }
    ~CShownAreaScope() { m_lists.ShowArea(m_remembered); }
    CShownAreaScope(const CShownAreaScope&) = delete;
    CShownAreaScope& operator=(const CShownAreaScope&) = delete;

  private:
    CPrintListPane& m_lists;
    const int m_remembered;
};

}  // namespace

CPrintSections::CPrintSections(std::unique_ptr<CPrintDevice> printer, CUserInterface& ui,
                               const CModelOptions& model, CPrintListPane& lists)
    : m_printer(std::move(printer)), m_ui(ui), m_model(model), m_lists(lists) {}

CPrintSections::~CPrintSections() = default;

void CPrintSections::ClearJobs() {
    m_jobs.clear();
}

bool CPrintSections::AddJob(int code) {
    const std::vector<int> sections = Expand(code, m_model);
    if (m_jobs.size() + sections.size() >= static_cast<std::size_t>(kMaxJobs)) {
        return false;
    }
    m_jobs.insert(m_jobs.end(), sections.begin(), sections.end());
    return true;
}

CPrintSections::EResult CPrintSections::TellNoPrinter() {
    m_ui.MessageBox(kNoPrinterText, kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconExclamation);
    return EResult::kNoPrinter;
}

CPrintSections::EResult CPrintSections::Run() {
    if (m_printer->DeviceName().empty()) {
        return TellNoPrinter();
    }
    m_printer->SetPrintScale(kFullScale);
    if (!m_printer->StartJob(kDocumentName)) {
        return m_printer->Error().empty() ? TellNoPrinter() : TellFailure();
    }
    PagesStarting();
    const bool failed = !PrintPages();
    PagesDone();
    if (failed || m_printer->IsCancelled()) {
        m_printer->AbortJob();
        return m_printer->IsCancelled() ? EResult::kCancelled : EResult::kFailed;
    }
    if (!m_printer->EndJob()) {
        return TellFailure();
    }
    return EResult::kPrinted;
}

// Every section in order, until one fails or the job is cancelled; false
// when a section failed.
bool CPrintSections::PrintPages() {
    const SPrintRect printable = m_printer->PrintableRect();
    for (int code : m_jobs) {
        if (!PrintSection(code, printable)) {
            return false;
        }
        if (m_printer->IsCancelled()) {
            break;
        }
    }
    return true;
}

// A printer that exists but could not take the job: the reason, not "There
// is no printer".
CPrintSections::EResult CPrintSections::TellFailure() {
    m_ui.MessageBox(m_printer->Error(), kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconExclamation);
    return EResult::kFailed;
}

bool CPrintSections::PrintSection(int code, const SPrintRect& rect) {
    if (code >= kFirstListSection && code <= kLastListSection) {
        return PrintList(code - kFirstListSection + 1, rect);
    }
    return PrintSettingsPage(code, rect);
}

bool CPrintSections::PrintSettingsPage(int code, SPrintRect rect) {
    const SSettingsSection* section = FindSettingsSection(code);
    if (section == nullptr) {
        return true;  // a code without a section prints nothing
    }
    if (m_printer->StartPrintPage() <= 0) {
        return false;
    }
    m_printer->PrintPageHeader(rect, section->title, CChListPrint::kRevision, "",
                               CChListPrint::kMaker);
    section->print(*m_printer, rect.left, rect.top);
    return m_printer->EndPrintPage() >= 0;
}

bool CPrintSections::PrintList(int area, const SPrintRect& rect) {
    CShownAreaScope shown(m_lists, area);
    CPrintGrid* grid = m_lists.ShownGrid();
    return grid == nullptr || CChListPrint::PrintPage(*grid, *m_printer, rect);
}
