// CPrintPreviewDlg: File > Print Preview: the pages a print job would print,
// drawn by the job itself (the same code as Print) on the preview, with the
// sections chosen in the print dialog. The window's print button prints
// them on the job's printer.
#pragma once

#include <QPrintPreviewDialog>
#include <memory>

class CPrintJob;
class CPrintSelectDlg;
class CUserInterface;

class CPrintPreviewDlg : public QPrintPreviewDialog {
    Q_OBJECT
  public:
    // job must have a printer and outlive the window.
    CPrintPreviewDlg(CPrintJob& job, QWidget* parent = nullptr);
    ~CPrintPreviewDlg() override;

    // The number of pages shown (the preview is drawn first when needed).
    int PageCount();

    // The command: the print dialog chooses the sections, then the preview
    // shows them; without a printer the user is told so.
    static void Run(CPrintSelectDlg& selection, CUserInterface& ui, QWidget* owner);

  private:
    CPrintPreviewDlg(CPrintJob& job, std::unique_ptr<QPrinter> printer, QWidget* parent);

    // What the preview draws on, laid out as the job's printer. The window
    // only points at it (and never uses it once it is closing).
    std::unique_ptr<QPrinter> m_printer;
};
