// CPrintPreviewDlg: File > Print Preview: the pages a print job would print,
// drawn by the job itself (the same code as Print) with the sections chosen
// in the print dialog, on the paper of the job's printer. Without a printer
// the preview still shows the pages, on the system's paper as a PDF file
// would hold them. The job's printer is looked up anew for every preview,
// so a printer installed since the last one is used.
//
// Print prints the pages on the job's printer with the status window, as
// File > Print does (a printer gone since the preview is told), and closes
// the window when the job went out. The window takes a share of the screen
// it opens on and never more than the screen's available area.
#pragma once

#include <QDialog>
#include <memory>

class CPrintJob;
class CPrintSelectDlg;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QToolBar;

class CPrintPreviewDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPrintId = 1;  // the Print button's name
    static constexpr int kCloseId = 2;

    // job must outlive the window.
    explicit CPrintPreviewDlg(CPrintJob& job, QWidget* parent = nullptr);
    ~CPrintPreviewDlg() override;

    // The number of pages shown (the preview is drawn first when needed).
    int PageCount();
    // What the line under the pages says about the printer and the paper.
    QString PrinterText() const;

    // The size of the window on a screen whose available area is available:
    // most of its height, about as wide as a page, never more than it.
    static QSize SizeFor(const QRect& available);

    // The command: the print dialog chooses the sections, then the preview
    // shows them.
    static void Run(CPrintSelectDlg& selection, QWidget* owner);

  private:
    QToolBar* MakeToolBar();
    void FitToScreen();
    void ShowPageNumber();
    void OnPrint();

    CPrintJob& m_job;
    // What the preview draws on, laid out as the job's paper.
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_view = nullptr;
    QLabel* m_pageNumber = nullptr;
    QLabel* m_printerText = nullptr;
};
