// CPrintDevice: one printer and, while a job runs, the page being drawn.
//
// Logical units are 0.1 mm with the origin at the top left corner of the
// paper and y growing downwards: LineDirection() is +1 and a rectangle's top
// is the smaller y.
//
// The printer is the settings string "device" of section "windows"
// ("name,driver,port") when that entry exists, else the print system's
// default printer. Whether it exists is asked when it is first needed and
// again by every LookUpPrinter (each job), so a printer installed while the
// program runs is found and one removed is noticed. A printer whose driver
// is "PDF" writes the job as a PDF file to the path given as its port, on
// A4 (PdfPageSettings). Without a printer DeviceName() is empty and
// StartJob fails, unless a preview is set: a preview is drawn on the
// printer's paper, or on A4 without one.
//
// Every job is drawn into a private temporary PDF file first (QPdfWriter),
// and only a job that ends with EndJob leaves it: a PDF printer's file is
// then replaced whole (CReplacingFile: a job that is cancelled, fails or is
// killed leaves the old file as it was), a system printer gets the file as
// one print job (lp), on the paper the printer takes by default unless the
// page settings say otherwise. A cancelled job never reaches the printer.
//
// A job: StartJob, then for every page StartPrintPage ... EndPrintPage, then
// EndJob or AbortJob. EndPrintPage lets pending events run (so a Cancel
// button can be pressed) and fails once Cancel() was called. Needs a
// QGuiApplication (fonts). The device does not own the settings store,
// which is only read in the constructor, nor the system's printers, which
// must outlive it.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "print/PrintCanvas.h"
#include "transport/SettingsKeys.h"

class CReplacingFile;
class CSettingsStore;
class CSystemPrinters;
class CTempFile;
class QPagedPaintDevice;
class QPdfWriter;

// How a job is laid out and handed to a printer: the paper, its
// orientation and margins, the copies, their collation and the sides
// printed on.
struct SPageSettings {
    enum class ESides { kOneSided, kLongEdge, kShortEdge };

    QPageLayout layout;
    int copies = 1;
    bool collate = false;
    ESides sides = ESides::kOneSided;
};

class CPrintDevice : public CPrintCanvas {
  public:
    static constexpr const char* kProfileSection = SettingsKey::kPrinterSection;
    static constexpr const char* kProfileDevice = SettingsKey::kPrinterDevice.name;
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

    // The system's printers are those of the print system unless a test
    // gives others.
    explicit CPrintDevice(const CSettingsStore& settings);
    CPrintDevice(const CSettingsStore& settings, const CSystemPrinters& printers);
    ~CPrintDevice() override;
    CPrintDevice(const CPrintDevice&) = delete;
    CPrintDevice& operator=(const CPrintDevice&) = delete;

    const std::string& DeviceName() const { return Names().device; }
    const std::string& DriverName() const { return Names().driver; }
    const std::string& PortName() const { return Names().port; }
    bool HasPrinter() const { return !DeviceName().empty(); }

    // Sets the print scale in percent; returns the previous one, or
    // kScaleNoPrinter (nothing changed) when there is no printer, or
    // kScaleRejected for a scale of 0 or below.
    unsigned SetPrintScale(int percent);
    int PrintScale() const { return m_scale; }

    // A device that writes PDF files to path, whatever the settings say.
    static std::unique_ptr<CPrintDevice> ForPdfFile(const std::string& path);

    // Asks the print system again whether the printer exists (the system's
    // default printer: which one that is now). A printer found before that
    // is gone leaves the device without one, and Error() says so.
    void LookUpPrinter();

    // Makes the named printer the device's, with the given page settings.
    // False, and nothing changed, when a name is missing or the printer
    // does not exist.
    bool SelectPrinter(const std::string& device, const std::string& driver,
                       const std::string& port, const SPageSettings& page);
    // The page settings of the printer (for the printer setup dialog and a
    // preview); those of a PDF file without a printer.
    const SPageSettings& PageSettings() const;
    // The page settings a printer starts with: its default paper (A4 when
    // unknown), portrait, one copy on one side.
    static SPageSettings DefaultPageSettings(const std::string& paper);
    // Those of a PDF file and of a preview without a printer: A4.
    static SPageSettings PdfPageSettings();

    // Margins in millimetres; 0 until set.
    void SetMargins(int left, int top, int right, int bottom);
    SMargins GetMargins() const { return m_margins; }

    // Starts a document with the body font; clears the cancelled flag.
    // False when there is no printer (and no preview) or it cannot be
    // opened; Error() then says why when the reason is known (a PDF file
    // that may not be replaced or whose folder cannot be written, no
    // temporary folder).
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
                                                 const std::string& title,
                                                 const SPageSettings& settings,
                                                 const std::string& file);

    // While a preview is set (not nullptr), a job draws straight onto it:
    // no spool file, nothing delivered, with or without a printer. The
    // preview is not owned.
    void SetPreview(QPagedPaintDevice* preview) { m_preview = preview; }
    bool IsPreviewing() const { return m_preview != nullptr; }
    // Whether StartJob can start: there is a printer or a preview.
    bool CanStartJob() const { return HasPrinter() || IsPreviewing(); }

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
    void PrintNote(const SPrintRect& rect, const std::string& text) override;

    // Height in logical units of a font of the given size in tenths of a
    // point: the size a screen of 96 dots per inch gives it in dots, taken
    // as tenths of a millimetre.
    static int FontHeight(int pointTenths);

  private:
    // The names, the system's default printer looked up on first use.
    const SPrinterNames& Names() const;
    // Whether the printer of names exists; its page settings into page.
    bool OpenPrinter(const SPrinterNames& names, SPageSettings& page) const;
    // What is drawn on: the job's PDF, or the preview. nullptr otherwise.
    QPagedPaintDevice* Target() const;
    bool OpenSpool(const std::string& documentName);
    bool Deliver();
    bool SendToSystemPrinter();
    void DropSpool();
    bool FailWith(const std::string& error);
    QFont MakeFont(int pointsAtFullScale) const;
    void SetUpPage();
    int DrawHeaderText(int left, int top, int height, const QString& text, bool rightAligned);
    bool FindPrinter() const;
    SPrinterNames WantedPrinter() const;

    const CSystemPrinters& m_printers;
    SPrinterNames m_wanted;         // the printer asked for (none: the system's default)
    bool m_systemDefault = false;   // no printer asked for: the system's default one
    mutable SPrinterNames m_names;  // the printer found when last looked up
    mutable SPageSettings m_page;
    mutable bool m_lookedUp = false;
    std::string m_documentName;
    std::unique_ptr<CTempFile> m_spoolFile;    // the job's PDF
    std::unique_ptr<QPdfWriter> m_spool;       // draws into it
    std::unique_ptr<CReplacingFile> m_target;  // a PDF printer's file
    QPagedPaintDevice* m_preview = nullptr;
    std::string m_error;
    QPainter m_painter;
    int m_scale = 0;
    SMargins m_margins;
    QFont m_textFont;
    int m_pagesStarted = 0;
    bool m_cancelled = false;
};
