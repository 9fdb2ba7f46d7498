#include "app/PdfExport.h"

#include <QFileDialog>
#include <filesystem>

#include "app/PrintJob.h"
#include "app/PrintSelectDlg.h"
#include "clone/CloneDocument.h"
#include "document/Document.h"
#include "platform/UserInterface.h"
#include "print/PrintDevice.h"

namespace {

std::string WithPdfExtension(const std::string& path) {
    return std::filesystem::path(path).extension().empty() ? path + CPdfExport::kExtension : path;
}

}  // namespace

CPdfExport::CPdfExport(CPrintSelectDlg& selection, const CDocument& document, CUserInterface& ui,
                       const CModelOptions& model, CPrintListPane& lists)
    : m_selection(selection), m_document(document), m_ui(ui), m_model(model), m_lists(lists) {}

std::string CPdfExport::SuggestedName(const std::string& documentPath) {
    if (documentPath.empty()) {
        return tr("Untitled").toStdString() + kExtension;
    }
    return std::filesystem::path(documentPath).replace_extension(kExtension).string();
}

std::string CPdfExport::AskPath(QWidget* owner, const std::string& suggested) const {
    if (m_prompt) {
        return m_prompt(suggested);
    }
    return QFileDialog::getSaveFileName(
               owner, tr("Export PDF"), QString::fromStdString(suggested),
               tr("PDF files (%1)").arg(QLatin1Char('*') + QLatin1String(kExtension)))
        .toStdString();
}

bool CPdfExport::IsOpenCloneFile(const std::string& path) const {
    std::error_code error;
    return !m_document.GetPathName().empty() &&
           std::filesystem::equivalent(path, m_document.GetPathName(), error);
}

bool CPdfExport::Run(QWidget* owner) {
    if (m_selection.exec() != QDialog::Accepted || m_selection.Job().JobCount() == 0) {
        return false;
    }
    const std::string chosen = AskPath(owner, SuggestedName(m_document.GetPathName()));
    if (chosen.empty()) {
        return false;
    }
    const std::string path = WithPdfExtension(chosen);
    if (IsOpenCloneFile(path)) {
        m_ui.MessageBox(tr("%1 is the open clone file; the PDF is not written over it.")
                            .arg(QString::fromStdString(path))
                            .toStdString(),
                        CCloneDocument::kMessageTitle,
                        MessageStyle::Ok | MessageStyle::IconExclamation);
        return false;
    }
    CPrintJob job(CPrintDevice::ForPdfFile(path), m_ui, m_model, m_lists);
    job.CopySelection(m_selection.Job());
    if (job.Run(owner) != CPrintJob::EResult::kPrinted) {
        return false;
    }
    m_ui.SetStatusText(tr("Pages exported to %1.").arg(QString::fromStdString(path)).toStdString());
    return true;
}
