#include "ui/Z5CommonEditScrmDlg.h"
#include "model/Z5MemoryMap.h"

#include <QFormLayout>
#include <array>

namespace {

// In the order they are shown and stored.
constexpr const auto& kLists = settingrows::kScramblerLists;

}  // namespace

CZ5CommonEditScrmDlg::CZ5CommonEditScrmDlg(QWidget* parent) : CSettingsPage(kResourceId, parent) {
    auto* form = new QFormLayout;
    for (const SChoiceRow& row : kLists) {
        AddChoiceRow(*form, row);
    }
    SetContent(form);
}

CZ5CommonEditScrmDlg::~CZ5CommonEditScrmDlg() = default;
