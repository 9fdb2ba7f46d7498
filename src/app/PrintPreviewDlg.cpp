#include "app/PrintPreviewDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/PrintJob.h"
#include "app/PrintSelectDlg.h"

namespace {

// The share of the available screen the window takes, in tenths.
constexpr int kScreenShare = 9;
// The width beside the height: a page and the tool bar.
constexpr int kPageWidthShare = 8;
constexpr int kNarrowestWidth = 640;  // the whole tool bar

// A printer for the preview laid out as the job's paper. It draws into a
// PDF engine, never a print system's: the preview needs none.
std::unique_ptr<QPrinter> PreviewPrinter(const CPrintDevice& device) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageLayout(device.PageSettings().layout);
    printer->setFullPage(true);
    return printer;
}

}  // namespace

CPrintPreviewDlg::CPrintPreviewDlg(CPrintJob& job, QWidget* parent) : QDialog(parent), m_job(job) {
    setWindowTitle(tr("Print Preview"));
    m_job.Printer().LookUpPrinter();
    m_printer = PreviewPrinter(m_job.Printer());
    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* preview) {
        m_job.Printer().SetPreview(preview);
        m_job.Run(nullptr);
        m_job.Printer().SetPreview(nullptr);
    });
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &CPrintPreviewDlg::ShowPageNumber);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeToolBar());
    layout->addWidget(m_view, 1);
    m_printerText = new QLabel(PrinterText(), this);
    m_printerText->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(tr("&Print"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QString::number(kPrintId));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QString::number(kCloseId));
    connect(print, &QPushButton::clicked, this, &CPrintPreviewDlg::OnPrint);
    connect(close, &QPushButton::clicked, this, &CPrintPreviewDlg::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_printerText, 1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    FitToScreen();
}

CPrintPreviewDlg::~CPrintPreviewDlg() = default;

// Paging and zoom; the pages scroll with the wheel as well.
QToolBar* CPrintPreviewDlg::MakeToolBar() {
    auto* tools = new QToolBar(this);
    const auto add = [tools](const QString& text, const QKeySequence& keys, auto slot) {
        QAction* action = tools->addAction(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, slot);
    };
    add(tr("Previous Page"), QKeySequence(Qt::Key_PageUp),
        [this] { m_view->setCurrentPage(m_view->currentPage() - 1); });
    add(tr("Next Page"), QKeySequence(Qt::Key_PageDown),
        [this] { m_view->setCurrentPage(m_view->currentPage() + 1); });
    m_pageNumber = new QLabel(tools);
    m_pageNumber->setContentsMargins(8, 0, 8, 0);
    tools->addWidget(m_pageNumber);
    tools->addSeparator();
    add(tr("Zoom In"), QKeySequence::ZoomIn, [this] { m_view->zoomIn(); });
    add(tr("Zoom Out"), QKeySequence::ZoomOut, [this] { m_view->zoomOut(); });
    add(tr("Fit Width"), QKeySequence(), [this] { m_view->fitToWidth(); });
    add(tr("Whole Page"), QKeySequence(), [this] { m_view->fitInView(); });
    return tools;
}

void CPrintPreviewDlg::ShowPageNumber() {
    m_pageNumber->setText(tr("Page %1 of %2").arg(m_view->currentPage()).arg(m_view->pageCount()));
}

QString CPrintPreviewDlg::PrinterText() const {
    const CPrintDevice& device = m_job.Printer();
    const QString paper = device.PageSettings().layout.pageSize().name();
    if (!device.HasPrinter()) {
        return tr("No printer is installed: the pages on %1 paper, as Export PDF... "
                  "writes them.")
            .arg(paper);
    }
    return tr("Printer: %1 (%2)").arg(QString::fromStdString(device.DeviceName()), paper);
}

QSize CPrintPreviewDlg::SizeFor(const QRect& available) {
    const int height = available.height() * kScreenShare / 10;
    const int width = std::min(available.width() * kScreenShare / 10,
                               std::max(height * kPageWidthShare / 10, kNarrowestWidth));
    return {width, height};
}

void CPrintPreviewDlg::FitToScreen() {
    const QScreen* shownOn = parentWidget() != nullptr ? parentWidget()->screen() : screen();
    if (shownOn == nullptr) {
        return;
    }
    const QRect available = shownOn->availableGeometry();
    const QSize size = SizeFor(available);
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

int CPrintPreviewDlg::PageCount() {
    m_view->updatePreview();
    return m_view->pageCount();
}

void CPrintPreviewDlg::OnPrint() {
    if (m_job.Run(this) == CPrintJob::EResult::kPrinted) {
        accept();
    }
}

void CPrintPreviewDlg::Run(CPrintSelectDlg& selection, QWidget* owner) {
    if (selection.exec() != QDialog::Accepted || selection.Job().JobCount() == 0) {
        return;
    }
    CPrintPreviewDlg preview(selection.Job(), owner);
    preview.exec();
}
