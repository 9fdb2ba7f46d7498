#include "ui/Z5CommonEditScrmDlg.h"
#include "model/Z5MemoryMap.h"

#include <QFormLayout>
#include <array>

namespace {

// In the order they are shown and stored.
constexpr std::array<SChoiceRow, 4> kLists{{
    {"Type", z5leaf::kType, 1100},
    {"Group Code", z5leaf::kGCode, 1101},
    {"Synchronous Capture", z5leaf::kSynchro, 1107},
    {"Tone Start Timing", z5leaf::kTiming, 1111},
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
