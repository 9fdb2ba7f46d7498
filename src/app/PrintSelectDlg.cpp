#include "app/PrintSelectDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PrintJob.h"
#include "app/Z5MainFrame.h"
#include "model/Z5Areas.h"
#include "platform/SettingsStore.h"
#include "print/PrintDevice.h"
#include "ui/DialogButtons.h"

namespace {

constexpr std::size_t kEverything = 0;

SPageSettings::ESides SidesOf(QPrinter::DuplexMode duplex) {
    switch (duplex) {
        case QPrinter::DuplexLongSide:
            return SPageSettings::ESides::kLongEdge;
        case QPrinter::DuplexShortSide:
            return SPageSettings::ESides::kShortEdge;
        default:
            return SPageSettings::ESides::kOneSided;
    }
}

// What the system's print dialog chose, for the printer device.
SPageSettings PageSettingsOf(const QPrinter& printer) {
    return {printer.pageLayout(), printer.copyCount(), printer.collateCopies(),
            SidesOf(printer.duplex())};
}

}  // namespace

// The boxes in the order their sections are printed; "everything" first. The
// boxes of the channel lists carry their area's title (translated in the
// context "z5area").
const std::array<CPrintSelectDlg::SBox, 7> CPrintSelectDlg::kBoxes{{
    {1074, QT_TRANSLATE_NOOP("CPrintSelectDlg", "All"), SettingsKey::kPrintAll.name,
     SettingsKey::kPrintAll.defaultValue, CPrintJob::kEverything},
    {1075, QT_TRANSLATE_NOOP("CPrintSelectDlg", "Common Setting"), SettingsKey::kPrintCommon.name,
     SettingsKey::kPrintCommon.defaultValue, CPrintJob::kCommon},
    {1076, QT_TRANSLATE_NOOP("CPrintSelectDlg", "DTMF Autodial"), SettingsKey::kPrintDtmf.name,
     SettingsKey::kPrintDtmf.defaultValue, CPrintJob::kDtmf},
    {1106, QT_TRANSLATE_NOOP("CPrintSelectDlg", "PGR Memory"), SettingsKey::kPrintPgr.name,
     SettingsKey::kPrintPgr.defaultValue, CPrintJob::kPgr},
    {1107, z5area::kMemoryArea.title, SettingsKey::kPrintMch.name,
     SettingsKey::kPrintMch.defaultValue, CPrintJob::kMemoryList},
    {1108, z5area::kScanEdgeArea.title, SettingsKey::kPrintPch.name,
     SettingsKey::kPrintPch.defaultValue, CPrintJob::kScanEdgeList},
    {1109, z5area::kCallArea.title, SettingsKey::kPrintCch.name,
     SettingsKey::kPrintCch.defaultValue, CPrintJob::kCallList},
}};

CPrintSelectDlg::CPrintSelectDlg(CSettingsStore& settings, CUserInterface& ui,
                                 const CModelOptions& model, CPrintListPane& lists, QWidget* parent)
    : QDialog(parent),
      m_settings(settings),
      m_job(
          std::make_unique<CPrintJob>(std::make_unique<CPrintDevice>(settings), ui, model, lists)) {
    setObjectName(QString::number(kResourceId));
    setWindowTitle(tr("Print"));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t index = 0; index < kBoxes.size(); ++index) {
        auto* box = new QCheckBox(BoxText(kBoxes[index]), this);
        box->setObjectName(QString::number(kBoxes[index].controlId));
        connect(box, &QCheckBox::clicked, this, &CPrintSelectDlg::UpdateControls);
        m_checks[index] = box;
        layout->addWidget(box, 0, Qt::AlignLeft);
    }
    m_inUseOnly = new QCheckBox(tr("Only channels in use"), this);
    m_inUseOnly->setObjectName(QString::number(kInUseOnlyId));
    m_inUseOnly->setToolTip(tr("Leave cleared channels out of the channel lists"));
    layout->addWidget(m_inUseOnly, 0, Qt::AlignLeft);
    auto* setup = new QPushButton(tr("Printer Setup..."), this);
    setup->setObjectName(QString::number(kSetupId));
    connect(setup, &QPushButton::clicked, this, &CPrintSelectDlg::OnPrinterSetup);
    layout->addWidget(setup, 0, Qt::AlignLeft);
    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);
    m_job->Printer().SetMargins(kMarginLeft, kMarginTop, kMarginRight, kMarginBottom);
    ReadSettings();
}

CPrintSelectDlg::~CPrintSelectDlg() = default;

QString CPrintSelectDlg::BoxText(const SBox& box) {
    return box.controlId >= kFirstListBoxId ? QCoreApplication::translate("z5area", box.text)
                                            : tr(box.text);
}

void CPrintSelectDlg::ReadSettings() {
    for (std::size_t index = 0; index < kBoxes.size(); ++index) {
        const SBox& box = kBoxes[index];
        m_checks[index]->setChecked(m_settings.GetInt(kSection, box.setting, box.defaultValue) !=
                                    0);
    }
    // Until chosen here, the box follows the list's View > Channels in Use
    // Only.
    const int listInUseOnly =
        m_settings.GetInt(CZ5MainFrame::kViewSection, CZ5MainFrame::kInUseOnlyValue, 0);
    m_inUseOnly->setChecked(m_settings.GetInt(kSection, kInUseOnlySetting, listInUseOnly) != 0);
    UpdateControls();
}

void CPrintSelectDlg::UpdateControls() {
    const bool everything = m_checks[kEverything]->isChecked();
    bool any = false;
    for (std::size_t index = 0; index < kBoxes.size(); ++index) {
        any = any || m_checks[index]->isChecked();
        if (index != kEverything) {
            m_checks[index]->setEnabled(!everything);
        }
    }
    m_ok->setEnabled(any);
}

int CPrintSelectDlg::exec() {
    ReadSettings();
    raise();
    activateWindow();
    return QDialog::exec();
}

void CPrintSelectDlg::accept() {
    for (std::size_t index = 0; index < kBoxes.size(); ++index) {
        m_settings.SetInt(kSection, kBoxes[index].setting, m_checks[index]->isChecked() ? 1 : 0);
    }
    m_settings.SetInt(kSection, kInUseOnlySetting, m_inUseOnly->isChecked() ? 1 : 0);
    TakeOptions();
    m_job->ClearJobs();
    if (m_checks[kEverything]->isChecked()) {
        m_job->AddJob(CPrintJob::kEverything);
    } else {
        for (std::size_t index = kEverything + 1; index < kBoxes.size(); ++index) {
            if (m_checks[index]->isChecked()) {
                m_job->AddJob(kBoxes[index].section);
            }
        }
    }
    QDialog::accept();
}

void CPrintSelectDlg::TakeOptions() {
    SPrintOptions options;
    options.fileName = m_fileName ? m_fileName() : std::string();
    options.channelsInUseOnly = m_inUseOnly->isChecked();
    m_job->SetOptions(options);
}

// The system's print dialog for the printer and its page settings only:
// every page, no page ranges, no selection, no printing to a file.
void CPrintSelectDlg::OnPrinterSetup() {
    CPrintDevice& device = m_job->Printer();
    QPrinter printer(QPrinter::HighResolution);
    if (device.HasPrinter() && device.DriverName() != CPrintDevice::kPdfDriver) {
        printer.setPrinterName(QString::fromStdString(device.DeviceName()));
        printer.setPageLayout(device.PageSettings().layout);
    }
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::string name = printer.printerName().toStdString();
    if (device.SelectPrinter(name, CPrintDevice::kSystemDriver, name, PageSettingsOf(printer))) {
        device.SetMargins(kMarginLeft, kMarginTop, kMarginRight, kMarginBottom);
        // The next print, in this run or the next, starts on this printer.
        m_settings.SetString(CPrintDevice::kProfileSection, CPrintDevice::kProfileDevice,
                             name + "," + CPrintDevice::kSystemDriver + "," + name);
    }
}
