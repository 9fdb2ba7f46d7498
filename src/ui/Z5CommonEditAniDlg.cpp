#include "ui/Z5CommonEditAniDlg.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <array>

#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"

namespace {

constexpr const char* kFunctionLabel = settingrows::kAniFunction.label;
constexpr const char* kFunctionLeaf = settingrows::kAniFunction.leaf;
constexpr const char* kWorkingLeaf = z5leaf::kAniFuncTmp;
constexpr const char* kOff = "OFF";
constexpr const char* kOn = "ON";
constexpr int kOffId = 1125;
constexpr int kOnId = 1124;

// Shown below the buttons in this order.
constexpr const auto& kLists = settingrows::kAniLists;

}  // namespace

CZ5CommonEditAniDlg::CZ5CommonEditAniDlg(QWidget* parent)
    : CSettingsPage(kResourceId, parent),
      m_off(MakeButton(kOff, kOffId)),
      m_on(MakeButton(kOn, kOnId)) {
    auto* buttons = new QButtonGroup(this);
    buttons->addButton(m_off);
    buttons->addButton(m_on);
    connect(buttons, &QButtonGroup::buttonClicked, this, &CZ5CommonEditAniDlg::OnFunctionClicked);
    auto* function = new QHBoxLayout;
    function->addWidget(m_off);
    function->addWidget(m_on);
    function->addStretch();

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("settingrows", kFunctionLabel), function);
    for (const SChoiceRow& row : kLists) {
        AddChoiceRow(*form, row);
    }
    SetContent(form);

    ShowFunction(GetNodeText(Area(), kFunctionLeaf));
}

CZ5CommonEditAniDlg::~CZ5CommonEditAniDlg() = default;

void CZ5CommonEditAniDlg::OnFirstDisplay(CNode& area) {
    SetNodeText(&area, kWorkingLeaf, GetNodeText(&area, kFunctionLeaf));
}

void CZ5CommonEditAniDlg::WriteBack(CNode& area) {
    CSettingsPage::WriteBack(area);
    SetNodeText(&area, kFunctionLeaf, GetNodeText(&area, kWorkingLeaf));
}

QRadioButton* CZ5CommonEditAniDlg::MakeButton(const char* text, int controlId) {
    auto* button = new QRadioButton(QString::fromUtf8(text), this);
    button->setObjectName(QString::number(controlId));
    return button;
}

void CZ5CommonEditAniDlg::ShowFunction(const std::string& text) {
    m_off->setChecked(text == kOff);
    m_on->setChecked(text == kOn);
}

void CZ5CommonEditAniDlg::OnFunctionClicked() {
    SetNodeText(Area(), kWorkingLeaf, m_off->isChecked() ? kOff : kOn);
}
