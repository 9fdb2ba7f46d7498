#include "app/PrintJob.h"

#include <QWidget>

#include "app/PrintStatusDlg.h"

CPrintJob::CPrintJob(std::unique_ptr<CPrintDevice> printer, CUserInterface& ui,
                     const CModelOptions& model, CPrintListPane& lists)
    : CPrintSections(std::move(printer), ui, model, lists) {}

CPrintJob::~CPrintJob() = default;

CPrintJob::EResult CPrintJob::Run(QWidget* owner) {
    m_owner = owner;
    return CPrintSections::Run();
}

void CPrintJob::PagesStarting() {
    m_status = std::make_unique<CPrintStatusDlg>(Printer(), m_owner);
}

void CPrintJob::PagesDone() {
    m_status.reset();
}
