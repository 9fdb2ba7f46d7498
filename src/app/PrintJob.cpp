#include "app/PrintJob.h"

#include <QWidget>
#include <functional>

#include "app/PrintListPane.h"
#include "app/PrintStatusDlg.h"
#include "clone/CloneDocument.h"
#include "model/Z5MemoryMap.h"
#include "platform/UserInterface.h"
#include "ui/ChListPrint.h"
#include "ui/CommonSettingPrint.h"
#include "ui/DtmfPrint.h"
#include "ui/ListSheet.h"
#include "ui/ModelOptions.h"
#include "ui/PgrPrint.h"

namespace {

constexpr int kFullScale = 100;
constexpr const char* kMessageTitle = CCloneDocument::kMessageTitle;
constexpr int kFirstListSection = CPrintJob::kMemoryList;
constexpr int kLastListSection = CPrintJob::kCallList;

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
        {CPrintJob::kCommon, "Common Setting", CommonPage(CCommonSettingPrint::EPage::kCommon)},
        {CPrintJob::kAni, "ANI Setting", CommonPage(CCommonSettingPrint::EPage::kAni)},
        {CPrintJob::kScrambler, "Scrambler Setting",
         CommonPage(CCommonSettingPrint::EPage::kScrambler)},
        {CPrintJob::kDtmf, "DTMF Autodial", &CDtmfPrint::Print},
        {CPrintJob::kPgr, "PGR Memory", &CPgrPrint::Print},
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
        case CPrintJob::kEverything:
            return {CPrintJob::kCommon,     CPrintJob::kDtmf,         CPrintJob::kPgr,
                    CPrintJob::kMemoryList, CPrintJob::kScanEdgeList, CPrintJob::kCallList};
        case CPrintJob::kCommon:
            if (model.HasModelOption(z5option::kScrambler) == 1) {
                return {CPrintJob::kCommon, CPrintJob::kScrambler};
            }
            if (model.HasModelOption(z5option::kAni) == 1) {
                return {CPrintJob::kCommon, CPrintJob::kAni};
            }
            return {CPrintJob::kCommon};
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

CPrintJob::CPrintJob(std::unique_ptr<CPrintDevice> printer, CUserInterface& ui,
                     const CModelOptions& model, CPrintListPane& lists)
    : m_printer(std::move(printer)), m_ui(ui), m_model(model), m_lists(lists) {}

CPrintJob::~CPrintJob() = default;

void CPrintJob::ClearJobs() {
    m_jobs.clear();
}

bool CPrintJob::AddJob(int code) {
    const std::vector<int> sections = Expand(code, m_model);
    if (m_jobs.size() + sections.size() >= static_cast<std::size_t>(kMaxJobs)) {
        return false;
    }
    m_jobs.insert(m_jobs.end(), sections.begin(), sections.end());
    return true;
}

CPrintJob::EResult CPrintJob::TellNoPrinter() {
    m_ui.MessageBox(kNoPrinterText, kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconExclamation);
    return EResult::kNoPrinter;
}

CPrintJob::EResult CPrintJob::Run(QWidget* owner) {
    if (m_printer->DeviceName().empty()) {
        return TellNoPrinter();
    }
    m_printer->SetPrintScale(kFullScale);
    if (!m_printer->StartJob(kDocumentName)) {
        return m_printer->Error().empty() ? TellNoPrinter() : TellFailure();
    }
    bool failed = false;
    {
        CPrintStatusDlg status(*m_printer, owner);
        const SPrintRect printable = m_printer->PrintableRect();
        for (int code : m_jobs) {
            failed = !PrintSection(code, printable);
            if (failed || m_printer->IsCancelled()) {
                break;
            }
        }
    }
    if (failed || m_printer->IsCancelled()) {
        m_printer->AbortJob();
        return m_printer->IsCancelled() ? EResult::kCancelled : EResult::kFailed;
    }
    if (!m_printer->EndJob()) {
        return TellFailure();
    }
    return EResult::kPrinted;
}

// A printer that exists but could not take the job: the reason, not "There
// is no printer".
CPrintJob::EResult CPrintJob::TellFailure() {
    m_ui.MessageBox(m_printer->Error(), kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconExclamation);
    return EResult::kFailed;
}

bool CPrintJob::PrintSection(int code, const SPrintRect& rect) {
    if (code >= kFirstListSection && code <= kLastListSection) {
        return PrintList(code - kFirstListSection + 1, rect);
    }
    return PrintSettingsPage(code, rect);
}

bool CPrintJob::PrintSettingsPage(int code, SPrintRect rect) {
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

bool CPrintJob::PrintList(int area, const SPrintRect& rect) {
    CShownAreaScope shown(m_lists, area);
    CListSheet* list = m_lists.ShownList();
    return list == nullptr || CChListPrint::PrintPage(*list, *m_printer, rect);
}
