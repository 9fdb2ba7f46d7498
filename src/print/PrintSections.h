// CPrintSections: the list of sections to print and the print run, without
// any window: the desktop program's print job (CPrintJob) adds its status
// window, the command-line tool prints with it as it is.
//
// Section codes: 1 everything (AddJob expands it), 2 the common settings,
// 3 the ANI settings, 4 the scrambler settings, 5 the DTMF autodial
// memories, 6 the PGR memories, 7..9 the channel lists of areas 1..3. The
// list always holds fewer than kMaxJobs sections.
//
// Run prints the sections in order on the device, one settings section per
// page with its title, the channel lists on as many pages as they need.
// Every page's footer names the clone file, the date of printing and the
// page as "page n of m", m counting the pages of the whole job: the pages
// are made first and printed once all of them are known. The object owns
// its printer device; the user-interface port, the model options and the
// list pane are not owned and must outlive it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Translation.h"
#include "print/PrintDevice.h"

class CModelOptions;
class CPrintListPane;
class CUserInterface;

// What a job prints besides the chosen sections.
struct SPrintOptions {
    // The clone file's name in the footer; "Untitled" when empty.
    std::string fileName;
    // The date of printing in the footer; today's (local, ISO 8601) when
    // empty.
    std::string date;
    // Cleared channels are left out of the channel lists.
    bool channelsInUseOnly = false;
};

class CPrintSections {
  public:
    enum ESection {
        kEverything = 1,
        kCommon = 2,
        kAni = 3,
        kScrambler = 4,
        kDtmf = 5,
        kPgr = 6,
        kMemoryList = 7,
        kScanEdgeList = 8,
        kCallList = 9,
    };
    enum class EResult { kPrinted, kNoPrinter, kCancelled, kFailed };

    static constexpr int kMaxJobs = 100;
    // The page margins in millimetres that every job uses.
    static constexpr int kMarginLeft = 15;
    static constexpr int kMarginTop = 15;
    static constexpr int kMarginRight = 0;
    static constexpr int kMarginBottom = 0;
    static constexpr const char* kDocumentName = "CP-Z5";
    // In English; shown translated.
    static constexpr const char* kNoPrinterText = QT_TRANSLATE_NOOP(
        "CPrintSections",
        "There is no printer.\nBefore you can print, you need to install a printer.");
    static constexpr const char* kUntitled = QT_TRANSLATE_NOOP("CPrintSections", "Untitled");

    CPrintSections(std::unique_ptr<CPrintDevice> printer, CUserInterface& ui,
                   const CModelOptions& model, CPrintListPane& lists);
    virtual ~CPrintSections();
    CPrintSections(const CPrintSections&) = delete;
    CPrintSections& operator=(const CPrintSections&) = delete;

    // Empties the list.
    void ClearJobs();
    // Appends the sections code stands for: 1 gives 2, 5, 6, 7, 8, 9; 2
    // gives 2 and 4 with the scrambler unit, else 2 and 3 with the ANI unit,
    // else 2; any other code itself. False, and nothing appended, when the
    // list would then hold kMaxJobs or more.
    bool AddJob(int code);
    // The number of sections in the list.
    int JobCount() const { return static_cast<int>(m_jobs.size()); }
    const std::vector<int>& Jobs() const { return m_jobs; }

    void SetOptions(const SPrintOptions& options) { m_options = options; }
    const SPrintOptions& Options() const { return m_options; }
    // Takes the sections, the options and the margins of another job.
    void CopySelection(const CPrintSections& other);

    // The footer of page (0-based) of pages: "club.cz5 · 2031-02-03 · page
    // 1 of 7".
    static std::string FooterText(const SPrintOptions& options, int page, int pages);
    // The name of the print job: "club.cz5 - CP-Z5", "CP-Z5" without a file
    // name.
    static std::string JobName(const SPrintOptions& options);

    // Prints the list at scale 100, on the printer the device finds now
    // (CPrintDevice::LookUpPrinter), or on the preview when one is set.
    // Without a printer, or when the printer cannot start the document for
    // an unknown reason, the user is told there is no printer and nothing is
    // printed; a known reason (a printer that is gone, a folder that cannot
    // be written, a print system that refused the job) is told as it is. A
    // cancelled or failed job is dropped. The list area shown before is
    // shown again afterwards.
    EResult Run();

    CPrintDevice& Printer() { return *m_printer; }

  protected:
    // Called once the document has started, and again when its pages are
    // made (or the job stopped); the desktop program's job shows its status
    // window in between. The base does nothing.
    virtual void PagesStarting() {}
    virtual void PagesDone() {}

  private:
    bool PrintSection(CPrintCanvas& canvas, int code, const SPrintRect& rect);
    bool PrintSettingsPage(CPrintCanvas& canvas, int code, SPrintRect rect);
    bool PrintList(CPrintCanvas& canvas, int area, const SPrintRect& rect);
    bool PrintPages();
    EResult TellNoPrinter();
    EResult TellFailure();

    std::unique_ptr<CPrintDevice> m_printer;
    CUserInterface& m_ui;
    const CModelOptions& m_model;
    CPrintListPane& m_lists;
    std::vector<int> m_jobs;
    SPrintOptions m_options;
};
