#include "app/PrintPreviewDlg.h"

#include <QPrintPreviewWidget>

#include "app/PrintJob.h"
#include "app/PrintSelectDlg.h"
#include "clone/CloneDocument.h"
#include "platform/UserInterface.h"

CPrintPreviewDlg::CPrintPreviewDlg(CPrintJob& job, QWidget* parent)
    : QPrintPreviewDialog(job.Printer().Printer(), parent) {
    setWindowTitle(QStringLiteral("Print Preview"));
    connect(this, &QPrintPreviewDialog::paintRequested, this, [&job] {
        job.Printer().SetPreviewing(true);
        job.Run(nullptr);
        job.Printer().SetPreviewing(false);
    });
    resize(800, 900);
}

int CPrintPreviewDlg::PageCount() {
    auto* widget = findChild<QPrintPreviewWidget*>();
    if (widget == nullptr) {
        return 0;
    }
    widget->updatePreview();
    return widget->pageCount();
}

void CPrintPreviewDlg::Run(CPrintSelectDlg& selection, CUserInterface& ui, QWidget* owner) {
    if (selection.exec() != QDialog::Accepted || selection.Job().JobCount() == 0) {
        return;
    }
    CPrintJob& job = selection.Job();
    if (job.Printer().Printer() == nullptr) {
        ui.MessageBox(CPrintJob::kNoPrinterText, CCloneDocument::kMessageTitle,
                      MessageStyle::Ok | MessageStyle::IconExclamation);
        return;
    }
    CPrintPreviewDlg preview(job, owner);
    preview.exec();
}
