#include "app/PrintPreviewDlg.h"

#include <QPrintPreviewWidget>
#include <QPrinter>

#include "app/PrintJob.h"
#include "app/PrintSelectDlg.h"
#include "clone/CloneDocument.h"
#include "platform/UserInterface.h"

namespace {

// A printer for the preview with the job's printer and page settings.
std::unique_ptr<QPrinter> PreviewPrinter(const CPrintDevice& device) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (device.DriverName() != CPrintDevice::kPdfDriver) {
        printer->setPrinterName(QString::fromStdString(device.DeviceName()));
    }
    printer->setPageLayout(device.PageSettings().layout);
    printer->setFullPage(true);
    return printer;
}

}  // namespace

CPrintPreviewDlg::CPrintPreviewDlg(CPrintJob& job, QWidget* parent)
    : CPrintPreviewDlg(job, PreviewPrinter(job.Printer()), parent) {}

CPrintPreviewDlg::CPrintPreviewDlg(CPrintJob& job, std::unique_ptr<QPrinter> printer,
                                   QWidget* parent)
    : QPrintPreviewDialog(printer.get(), parent), m_printer(std::move(printer)) {
    setWindowTitle(QStringLiteral("Print Preview"));
    connect(this, &QPrintPreviewDialog::paintRequested, this, [&job](QPrinter* preview) {
        job.Printer().SetPreview(preview);
        job.Run(nullptr);
        job.Printer().SetPreview(nullptr);
    });
    resize(800, 900);
}

CPrintPreviewDlg::~CPrintPreviewDlg() = default;

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
    if (!job.Printer().HasPrinter()) {
        ui.MessageBox(CPrintJob::kNoPrinterText, CCloneDocument::kMessageTitle,
                      MessageStyle::Ok | MessageStyle::IconExclamation);
        return;
    }
    CPrintPreviewDlg preview(job, owner);
    preview.exec();
}
