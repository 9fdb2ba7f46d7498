#include "ui/Z5CommonPropSheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/Z5MemoryMap.h"
#include "ui/DialogButtons.h"
#include "ui/Z5CommonEditAniDlg.h"
#include "ui/Z5CommonEditDlg.h"
#include "ui/Z5CommonEditScrmDlg.h"
#include "views/ModelOptions.h"

namespace {

constexpr const char* kScramblerOption = z5option::kScrambler;
constexpr const char* kAniOption = z5option::kAni;

}  // namespace

CZ5CommonPropSheet::CZ5CommonPropSheet(const CModelOptions& model, int page, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this)) {
    setWindowTitle(tr("Common Setting"));
    AddPage(new CZ5CommonEditDlg(model.GetModelVersion()), tr("Common"));
    if (model.HasModelOption(kScramblerOption) == 1) {
        AddPage(new CZ5CommonEditScrmDlg, tr("Scrambler"));
    }
    if (model.HasModelOption(kAniOption) == 1) {
        AddPage(new CZ5CommonEditAniDlg, tr("ANI"));
    }
    if (page >= 0 && page < m_tabs->count()) {
        m_tabs->setCurrentIndex(page);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_tabs);
    layout->addWidget(MakeOkCancelButtons(*this));
}

CZ5CommonPropSheet::~CZ5CommonPropSheet() = default;

void CZ5CommonPropSheet::accept() {
    for (CSettingsPage* page : m_pages) {
        page->Store();
    }
    QDialog::accept();
}

void CZ5CommonPropSheet::AddPage(CSettingsPage* page, const QString& title) {
    m_tabs->addTab(page, title);
    m_pages.push_back(page);
}
