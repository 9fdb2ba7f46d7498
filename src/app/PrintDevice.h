// CPrintDevice: one printer and, while a job runs, the page being drawn.
//
// Logical units are 0.1 mm with the origin at the top left corner of the
// paper and y growing downwards: LineDirection() is +1 and a rectangle's top
// is the smaller y.
//
// The printer is the settings string "device" of section "windows"
// ("name,driver,port") when that entry exists, else the system's default
// printer. A printer whose driver is "PDF" writes the job as a PDF file to
// the path given as its port. Without a printer DeviceName() is empty and
// StartJob fails.
//
// Every job is drawn into a private temporary PDF file first, and only a
// job that ends with EndJob leaves it: a PDF printer's file is then replaced
// whole (CReplacingFile: a job that is cancelled, fails or is killed leaves
// the old file as it was), a system printer gets the file as one print job
// (lp). A cancelled job never reaches the printer.
//
// A job: StartJob, then for every page StartPrintPage ... EndPrintPage, then
// EndJob or AbortJob. EndPrintPage lets pending window events run (so a
// Cancel button can be pressed) and fails once Cancel() was called. The
// device does not own the settings store, which is only read in the
// constructor.
#pragma once

#include <QFont>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "ui/PrintCanvas.h"

class CReplacingFile;
class CSettingsStore;
class CTempFile;
class QPrinter;

class CPrintDevice : public CPrintCanvas {
  public:
    static constexpr const char* kProfileSection = "windows";
    static constexpr const char* kProfileDevice = "device";
    static constexpr const char* kPdfDriver = "PDF";
    // The driver name of printers chosen in the system's print dialog.
    static constexpr const char* kSystemDriver = "spool";
    // SetPrintScale's answers in the low 16 bits when it changes nothing.
    static constexpr unsigned kScaleNoPrinter = 0xFFFF;
    static constexpr unsigned kScaleRejected = 0xFFFE;

    struct SMargins {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    // The three names of a "device" profile entry; all empty unless the
    // entry has a name, a driver and a port.
    struct SPrinterNames {
        std::string device;
        std::string driver;
        std::string port;
    };
    static SPrinterNames ParseProfileDevice(const std::string& entry);

    explicit CPrintDevice(const CSettingsStore& settings);
    ~CPrintDevice() override;
    CPrintDevice(const CPrintDevice&) = delete;
    CPrintDevice& operator=(const CPrintDevice&) = delete;

    const std::string& DeviceName() const { return m_names.device; }
    const std::string& DriverName() const { return m_names.driver; }
    const std::string& PortName() const { return m_names.port; }

    // Sets the print scale in percent; returns the previous one, or
    // kScaleNoPrinter (nothing changed) when there is no printer, or
    // kScaleRejected for a scale of 0 or below.
    unsigned SetPrintScale(int percent);
    int PrintScale() const { return m_scale; }

    // Makes the named printer the device's, with the page settings of
    // settings (page size, orientation, copies). False, and nothing
    // changed, when a name is missing or the printer does not exist.
    bool SelectPrinter(const std::string& device, const std::string& driver,
                       const std::string& port, const QPrinter& settings);
    // The printer's current settings, for the printer setup dialog; nullptr
    // without a printer. Owned by the device.
    QPrinter* Printer() const { return m_printer.get(); }

    // Margins in millimetres; 0 until set.
    void SetMargins(int left, int top, int right, int bottom);
    SMargins GetMargins() const { return m_margins; }

    // Starts a document with the body font; clears the cancelled flag.
    // False when there is no printer or it cannot be opened; Error() then
    // says why when the reason is known (a PDF file whose folder cannot be
    // written, no temporary folder).
    bool StartJob(const std::string& documentName);
    // The paper less the margins, in logical units. Valid during a job.
    SPrintRect PrintableRect() const;
    // Ends the document: it goes to the printer (or the file). False, with
    // Error(), when it could not be delivered.
    bool EndJob();
    // Drops the document: nothing reaches the printer, and a PDF file the
    // job would have replaced stays as it was.
    void AbortJob();
    bool IsJobRunning() const;
    // Why the last StartJob or EndJob failed; empty when the reason is
    // unknown or nothing failed.
    const std::string& Error() const { return m_error; }

    // The command line that hands a finished job's PDF file to the system
    // printer: lp with the printer, title, copies and sides.
    static std::vector<std::string> SpoolCommand(const std::string& printer,
                                                 const std::string& title, const QPrinter& settings,
                                                 const std::string& file);

    // While previewing, a job draws straight onto the printer object, which
    // a print preview has taken over: no spool file, nothing delivered.
    void SetPreviewing(bool previewing) { m_previewing = previewing; }

    // The cancelled flag of the running job.
    void Cancel() { m_cancelled = true; }
    bool IsCancelled() const { return m_cancelled; }

    int LineDirection() const override { return 1; }
    int LineHeight() const override;
    int CharWidth(char character) const override;
    int StartPrintPage() override;
    int EndPrintPage() override;
    int PageHeaderDepth() const override;
    void PrintPageHeader(SPrintRect& rect, const std::string& title, const std::string& revision,
                         const std::string& bottomLeft, const std::string& bottomRight) override;
    void PrintBoxedText(const SPrintRect& rect, const std::string& text, int alignment) override;

    // Height in logical units of a font of the given size in tenths of a
    // point: the size a screen of 96 dots per inch gives it in dots, taken
    // as tenths of a millimetre.
    static int FontHeight(int pointTenths);

  private:
    std::unique_ptr<QPrinter> OpenPrinter(const SPrinterNames& names) const;
    // The printer being drawn on: the job's PDF while a job runs.
    QPrinter* Target() const;
    bool OpenSpool(const std::string& documentName);
    bool Deliver();
    bool SendToSystemPrinter();
    void DropSpool();
    bool FailWith(const std::string& error);
    QFont MakeFont(int pointsAtFullScale) const;
    void SetUpPage();
    void DrawHeaderText(int left, int top, int height, const std::string& text, bool rightAligned);

    SPrinterNames m_names;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CTempFile> m_spoolFile;    // the job's PDF
    std::unique_ptr<QPrinter> m_spool;         // draws into it
    std::unique_ptr<CReplacingFile> m_target;  // a PDF printer's file
    std::string m_error;
    QPainter m_painter;
    int m_scale = 0;
    SMargins m_margins;
    QFont m_textFont;
    int m_pagesStarted = 0;
    bool m_cancelled = false;
    bool m_previewing = false;
};
