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
// page with its title, the channel lists on as many pages as they need. The
// object owns its printer device; the user-interface port, the model
// options and the list pane are not owned and must outlive it.
#pragma once

#include <memory>
#include <vector>

#include "print/PrintDevice.h"

class CModelOptions;
class CPrintListPane;
class CUserInterface;

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
    static constexpr const char* kNoPrinterText =
        "There is no printer.\nBefore you can print, you need to install a printer.";

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

    // Prints the list at scale 100. Without a printer, or when the printer
    // cannot start the document for an unknown reason, the user is told
    // there is no printer and nothing is printed; a known reason (a folder
    // that cannot be written, a print system that refused the job) is told
    // as it is. A cancelled or failed job is dropped. The list area shown
    // before is shown again afterwards.
    EResult Run();

    CPrintDevice& Printer() { return *m_printer; }

  protected:
    // Called once the document has started, and again when its pages are
    // made (or the job stopped); the desktop program's job shows its status
    // window in between. The base does nothing.
    virtual void PagesStarting() {}
    virtual void PagesDone() {}

  private:
    bool PrintSection(int code, const SPrintRect& rect);
    bool PrintSettingsPage(int code, SPrintRect rect);
    bool PrintList(int area, const SPrintRect& rect);
    bool PrintPages();
    EResult TellNoPrinter();
    EResult TellFailure();

    std::unique_ptr<CPrintDevice> m_printer;
    CUserInterface& m_ui;
    const CModelOptions& m_model;
    CPrintListPane& m_lists;
    std::vector<int> m_jobs;
};
