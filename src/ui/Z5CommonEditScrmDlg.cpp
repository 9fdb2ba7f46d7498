#include "ui/Z5CommonEditScrmDlg.h"

#include <QFormLayout>
#include <array>

namespace {

// In the order they are shown and stored.
constexpr std::array<SChoiceRow, 4> kLists{{
    {"Type", "Type", 1100, 0, 1},
    {"Group Code", "GCode", 1101, 0, 3},
    {"Synchronous Capture", "Synchro", 1107, 0, 1},
    {"Tone Start Timing", "Timing", 1111, 0, 3},
}};

}  // namespace

CZ5CommonEditScrmDlg::CZ5CommonEditScrmDlg(QWidget* parent) : CSettingsPage(kResourceId, parent) {
    auto* form = new QFormLayout;
    for (const SChoiceRow& row : kLists) {
        AddChoiceRow(*form, row);
    }
    SetContent(form);
}

CZ5CommonEditScrmDlg::~CZ5CommonEditScrmDlg() = default;

std::vector<SSettingLabel> CZ5CommonEditScrmDlg::PrintedSettings() {
    std::vector<SSettingLabel> settings;
    for (const SChoiceRow& row : kLists) {
        settings.push_back({row.label, row.leaf});
    }
    return settings;
}
