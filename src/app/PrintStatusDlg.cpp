#include "app/PrintStatusDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "clone/CloneDocument.h"
#include "print/PrintDevice.h"

namespace {

constexpr const char* kTitle = CCloneDocument::kMessageTitle;
constexpr int kCancelId = 2;

}  // namespace

CPrintStatusDlg::CPrintStatusDlg(CPrintDevice& device, QWidget* owner)
    : m_device(device), m_owner(owner) {
    setObjectName(QString::number(kResourceId));
    setWindowTitle(QString::fromLatin1(kTitle));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QString::number(kCancelId));
    connect(cancel, &QPushButton::clicked, this, &CPrintStatusDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr(kText), this));
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    if (m_owner != nullptr) {
        m_owner->setEnabled(false);
    }
    // A window of its own (not a child of owner), so that disabling the owner
    // leaves Cancel usable.
    if (m_owner != nullptr) {
        move(m_owner->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    cancel->setFocus();
}

CPrintStatusDlg::~CPrintStatusDlg() {
    if (m_owner != nullptr) {
        m_owner->setEnabled(true);
    }
}

void CPrintStatusDlg::reject() {
    m_device.Cancel();
}
