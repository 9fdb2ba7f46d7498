#include "print/PrintSections.h"

#include <ctime>
#include <functional>

#include "clone/CloneDocument.h"
#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "print/ChListPrint.h"
#include "print/CommonSettingPrint.h"
#include "print/DtmfPrint.h"
#include "print/PageRecorder.h"
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
    const char* title;  // translated where it is printed
    ContentPrinter print;
};

ContentPrinter CommonPage(CCommonSettingPrint::EPage page) {
    return [page](CPrintCanvas& canvas, int left, int top) {
        CCommonSettingPrint::Print(page, canvas, left, top);
    };
}

const SSettingsSection* FindSettingsSection(int code) {
    static const SSettingsSection kSections[] = {
        {CPrintSections::kCommon, QT_TRANSLATE_NOOP("CPrintSections", "Common Setting"),
         CommonPage(CCommonSettingPrint::EPage::kCommon)},
        {CPrintSections::kAni, QT_TRANSLATE_NOOP("CPrintSections", "ANI Setting"),
         CommonPage(CCommonSettingPrint::EPage::kAni)},
        {CPrintSections::kScrambler, QT_TRANSLATE_NOOP("CPrintSections", "Scrambler Setting"),
         CommonPage(CCommonSettingPrint::EPage::kScrambler)},
        {CPrintSections::kDtmf, QT_TRANSLATE_NOOP("CPrintSections", "DTMF Autodial"),
         &CDtmfPrint::Print},
        {CPrintSections::kPgr, QT_TRANSLATE_NOOP("CPrintSections", "PGR Memory"),
         &CPgrPrint::Print},
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

// The local date of today, "2031-02-03".
std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[16] = "";
    if (localtime_r(&now, &local) != nullptr) {
        std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    }
    return text;
}

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

void CPrintSections::CopySelection(const CPrintSections& other) {
    m_jobs = other.m_jobs;
    m_options = other.m_options;
    const CPrintDevice::SMargins margins = other.m_printer->GetMargins();
    m_printer->SetMargins(margins.left, margins.top, margins.right, margins.bottom);
}

std::string CPrintSections::FooterText(const SPrintOptions& options, int page, int pages) {
    const char* separator = CPageRecorder::kFooterSeparator;
    const std::string pageOf =
        CTranslation::Args(CTranslation::Tr("CPrintSections", "page %1 of %2"),
                           {std::to_string(page + 1), std::to_string(pages)});
    return (options.fileName.empty() ? CTranslation::Tr("CPrintSections", kUntitled)
                                     : options.fileName) +
           separator + (options.date.empty() ? Today() : options.date) + separator + pageOf;
}

std::string CPrintSections::JobName(const SPrintOptions& options) {
    return options.fileName.empty() ? kDocumentName : options.fileName + " - " + kDocumentName;
}

CPrintSections::EResult CPrintSections::TellNoPrinter() {
    m_ui.MessageBox(CTranslation::Tr("CPrintSections", kNoPrinterText), kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconExclamation);
    return EResult::kNoPrinter;
}

CPrintSections::EResult CPrintSections::Run() {
    if (!m_printer->IsPreviewing()) {
        m_printer->LookUpPrinter();
    }
    if (!m_printer->CanStartJob()) {
        return m_printer->Error().empty() ? TellNoPrinter() : TellFailure();
    }
    m_printer->SetPrintScale(kFullScale);
    if (!m_printer->StartJob(JobName(m_options))) {
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

// Every section in order, until one fails or the job is cancelled, made
// first and then printed with the footers; false when a page failed.
bool CPrintSections::PrintPages() {
    const SPrintRect printable = m_printer->PrintableRect();
    CPageRecorder pages(*m_printer);
    for (int code : m_jobs) {
        if (!PrintSection(pages, code, printable)) {
            return false;
        }
        if (m_printer->IsCancelled()) {
            return true;
        }
    }
    SPrintOptions footer = m_options;
    footer.date = footer.date.empty() ? Today() : footer.date;
    return pages.Replay(*m_printer,
                        [&footer](int page, int count) { return FooterText(footer, page, count); });
}

// A printer that exists but could not take the job: the reason, not "There
// is no printer".
CPrintSections::EResult CPrintSections::TellFailure() {
    m_ui.MessageBox(m_printer->Error(), kMessageTitle,
                    MessageStyle::Ok | MessageStyle::IconExclamation);
    return EResult::kFailed;
}

bool CPrintSections::PrintSection(CPrintCanvas& canvas, int code, const SPrintRect& rect) {
    if (code >= kFirstListSection && code <= kLastListSection) {
        return PrintList(canvas, code - kFirstListSection + 1, rect);
    }
    return PrintSettingsPage(canvas, code, rect);
}

bool CPrintSections::PrintSettingsPage(CPrintCanvas& canvas, int code, SPrintRect rect) {
    const SSettingsSection* section = FindSettingsSection(code);
    if (section == nullptr) {
        return true;  // a code without a section prints nothing
    }
    if (canvas.StartPrintPage() <= 0) {
        return false;
    }
    canvas.PrintPageHeader(rect, CTranslation::Tr("CPrintSections", section->title),
                           CChListPrint::kRevision, "", CChListPrint::kMaker);
    section->print(canvas, rect.left, rect.top);
    return canvas.EndPrintPage() >= 0;
}

bool CPrintSections::PrintList(CPrintCanvas& canvas, int area, const SPrintRect& rect) {
    CShownAreaScope shown(m_lists, area);
    CPrintGrid* grid = m_lists.ShownGrid();
    return grid == nullptr ||
           CChListPrint::PrintPage(*grid, canvas, rect, m_options.channelsInUseOnly);
}
