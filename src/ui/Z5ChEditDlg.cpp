#include "ui/Z5ChEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <span>
#include <utility>

#include "model/ChoiceList.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "ui/ChannelFields.h"
#include "ui/ComboChoiceList.h"
#include "ui/DialogButtons.h"
#include "ui/ListSheetHost.h"

namespace {

constexpr int kFreqRxId = 1053;
constexpr int kFreqOwId = 1066;
constexpr int kNameId = 1058;

// A control and the leaf it shows.
struct SLeafControl {
    int id;
    const char* leaf;
};

// The drop-down lists. Each offers the values of the leaf's choice range in
// the memory map.
constexpr SLeafControl kDuplexList = {1055, z5leaf::kDuplex};
constexpr SLeafControl kToneList = {1063, z5leaf::kToneCode};
constexpr SLeafControl kTsqlList = {1072, z5leaf::kTsqlCode};
constexpr SLeafControl kDtcsList = {1073, z5leaf::kDtcsCode};
constexpr SLeafControl kAniCodeList = {1065, z5leaf::kAniCode};
constexpr SLeafControl kScrmCodeList = {1067, z5leaf::kScrmCode};
constexpr SLeafControl kChoiceLists[] = {kDuplexList, kToneList,    kTsqlList,
                                         kDtcsList,   kAniCodeList, kScrmCodeList};

// The check boxes and the value leaves they show.
constexpr SLeafControl kReverseCheck = {1078, z5leaf::kDupRev};
constexpr SLeafControl kInverseCheck = {1074, z5leaf::kDtcsInv};
constexpr SLeafControl kSkipCheck = {1075, z5leaf::kSkip};
constexpr SLeafControl kLowPowerCheck = {1076, z5leaf::kTxPower};
constexpr SLeafControl kInhibitCheck = {1077, z5leaf::kTxInhibit};
constexpr SLeafControl kCheckBoxes[] = {kReverseCheck, kInverseCheck, kSkipCheck, kLowPowerCheck,
                                        kInhibitCheck};

// A set of radio buttons for one choice leaf: button i stands for value i
// and shows its choice text. When no button is on, the last value is stored.
constexpr SLeafControl kToneSetButtons[] = {{1088, z5leaf::kToneSet},
                                            {1089, z5leaf::kToneSet},
                                            {1090, z5leaf::kToneSet},
                                            {1091, z5leaf::kToneSet}};
constexpr SLeafControl kAniSetButtons[] = {
    {1080, z5leaf::kAniSet}, {1081, z5leaf::kAniSet}, {1083, z5leaf::kAniSet}};
constexpr SLeafControl kScrmSetButtons[] = {{1085, z5leaf::kScrmSet}, {1086, z5leaf::kScrmSet}};

// Labels and group boxes.
constexpr int kNameLabel = 1112;
constexpr int kDuplexLabel = 1113;
constexpr int kOffsetLabel = 1114;
constexpr int kScramblerGroup = 1115;
constexpr int kScrmCodeLabel = 1116;
constexpr int kToneGroup = 1117;
constexpr int kPagerGroup = 1118;
constexpr int kSkipLabel = 1119;
constexpr int kLowPowerLabel = 1120;
constexpr int kInhibitLabel = 1121;

// Every control that a typed frequency enables, with its label.
constexpr std::initializer_list<int> kFieldControls = {kFreqOwId,
                                                       kDuplexList.id,
                                                       kReverseCheck.id,
                                                       kNameId,
                                                       1088,
                                                       1089,
                                                       1090,
                                                       1091,
                                                       kToneList.id,
                                                       kTsqlList.id,
                                                       kDtcsList.id,
                                                       kInverseCheck.id,
                                                       1080,
                                                       1081,
                                                       1083,
                                                       kAniCodeList.id,
                                                       kSkipCheck.id,
                                                       kLowPowerCheck.id,
                                                       kInhibitCheck.id,
                                                       1085,
                                                       1086,
                                                       kScrmCodeList.id,
                                                       kNameLabel,
                                                       kDuplexLabel,
                                                       kOffsetLabel,
                                                       kScramblerGroup,
                                                       kScrmCodeLabel,
                                                       kToneGroup,
                                                       kPagerGroup,
                                                       kSkipLabel,
                                                       kLowPowerLabel,
                                                       kInhibitLabel};
constexpr std::initializer_list<int> kSkipControls = {kSkipCheck.id, kSkipLabel};
constexpr std::initializer_list<int> kScramblerControls = {kScrmCodeList.id, 1085, 1086,
                                                           kScramblerGroup, kScrmCodeLabel};

QString Named(int id) {
    return QString::number(id);
}

template <class Widget>
Widget* Identified(Widget* widget, int id) {
    widget->setObjectName(Named(id));
    return widget;
}

// The buttons of a radio choice in a row, each named after its leaf (button
// i stands for value i).
template <std::size_t N>
QHBoxLayout* MakeRadioRow(QWidget* parent, std::array<QRadioButton*, N>& buttons,
                          std::span<const SLeafControl, N> choices) {
    auto* row = new QHBoxLayout;
    for (std::size_t i = 0; i < N; ++i) {
        const std::string text =
            z5map::ChoiceText(z5area::kMemory, choices[i].leaf, static_cast<std::int32_t>(i));
        buttons[i] = Identified(new QRadioButton(QString::fromLatin1(text), parent), choices[i].id);
        buttons[i]->setProperty(kLeafProperty, QString::fromLatin1(choices[i].leaf));
        row->addWidget(buttons[i]);
    }
    return row;
}

// The button of the leaf's value is on.
template <std::size_t N>
void LoadRadioChoice(const CNode* channel, const std::array<QRadioButton*, N>& buttons,
                     std::span<const SLeafControl, N> choices) {
    const std::int32_t value = GetNodeValue(channel, choices[0].leaf);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i]->setChecked(value == static_cast<std::int32_t>(i));
    }
}

template <std::size_t N>
void StoreRadioChoice(CNode* channel, const std::array<QRadioButton*, N>& buttons,
                      std::span<const SLeafControl, N> choices) {
    std::size_t chosen = N - 1;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (buttons[i]->isChecked()) {
            chosen = i;
            break;
        }
    }
    SetNodeValue(channel, choices[chosen].leaf, static_cast<std::int32_t>(chosen));
}

}  // namespace

CZ5ChEditDlg::CZ5ChEditDlg(std::string channelPath, int area, bool scrambler, QWidget* parent)
    : QDialog(parent),
      m_path(std::move(channelPath)),
      m_area(area),
      m_scrambler(scrambler),
      m_channel(CNode::ResolvePath(m_path)) {
    setObjectName(Named(kResourceId));
    setWindowTitle(tr("Edit Memory"));

    auto* columns = new QGridLayout;
    columns->addWidget(MakeFrequencyGroup(), 0, 0);
    columns->addWidget(MakeToneGroup(), 0, 1);
    columns->addWidget(MakePagerGroup(), 1, 0);
    columns->addWidget(MakeOptionsGroup(), 1, 1);
    columns->addWidget(MakeScramblerGroup(), 2, 0, 1, 2);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QString::fromLatin1(kProblemName));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_problem->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(columns);
    layout->addWidget(m_problem);
    layout->addWidget(MakeOkCancelButtons(*this));

    for (const SLeafControl& list : kChoiceLists) {
        if (auto* combo = findChild<QComboBox*>(Named(list.id))) {
            FillComboFromLeaf(*combo, m_channel, z5area::kMemory, list.leaf);
        }
    }
    LoadControls();
    connect(m_freqRx, &QLineEdit::textChanged, this, &CZ5ChEditDlg::ApplyEnablingRule);
    for (QLineEdit* frequency : {m_freqRx, m_freqOw}) {
        connect(frequency, &QLineEdit::textEdited, m_problem, &QLabel::hide);
    }
    for (QRadioButton* button : m_toneSet) {
        connect(button, &QRadioButton::clicked, this, &CZ5ChEditDlg::ApplyOptionRule);
    }
    ApplyEnablingRule();
}

CZ5ChEditDlg::~CZ5ChEditDlg() = default;

QWidget* CZ5ChEditDlg::MakeFrequencyGroup() {
    auto* group = new QGroupBox(tr("Memory"), this);
    auto* form = new QFormLayout(group);
    m_freqRx = Identified(new QLineEdit(group), kFreqRxId);
    m_freqOw = Identified(new QLineEdit(group), kFreqOwId);
    m_name = Identified(new QLineEdit(group), kNameId);
    channelfields::SetUpNameEdit(*m_name);

    QComboBox* duplexList = MakeChoiceList(kDuplexList.id);
    auto* duplex = new QHBoxLayout;
    duplex->addWidget(duplexList);
    duplex->addWidget(MakeCheckBox(kReverseCheck.id, tr("Reverse")));
    form->addRow(tr("Frequency (MHz)"), m_freqRx);
    form->addRow(MakeLabel(kDuplexLabel, tr("Duplex"), duplexList), duplex);
    form->addRow(MakeLabel(kOffsetLabel, tr("Offset (MHz)"), m_freqOw), m_freqOw);
    form->addRow(MakeLabel(kNameLabel, tr("Name"), m_name), m_name);
    return group;
}

QWidget* CZ5ChEditDlg::MakeToneGroup() {
    auto* group = Identified(new QGroupBox(tr("Tone"), this), kToneGroup);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(MakeRadioRow<4>(group, m_toneSet, kToneSetButtons));
    auto* form = new QFormLayout;
    QComboBox* dtcsList = MakeChoiceList(kDtcsList.id);
    auto* dtcs = new QHBoxLayout;
    dtcs->addWidget(dtcsList);
    dtcs->addWidget(MakeCheckBox(kInverseCheck.id, tr("Inverse")));
    form->addRow(tr("RPT tone (Hz)"), MakeChoiceList(kToneList.id));
    form->addRow(tr("CTCSS (Hz)"), MakeChoiceList(kTsqlList.id));
    auto* dtcsLabel = new QLabel(tr("DTCS"), group);
    dtcsLabel->setBuddy(dtcsList);
    form->addRow(dtcsLabel, dtcs);
    layout->addLayout(form);
    return group;
}

QWidget* CZ5ChEditDlg::MakePagerGroup() {
    auto* group = Identified(new QGroupBox(tr("PGR"), this), kPagerGroup);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(MakeRadioRow<3>(group, m_aniSet, kAniSetButtons));
    auto* form = new QFormLayout;
    form->addRow(tr("PGR CH"), MakeChoiceList(kAniCodeList.id));
    layout->addLayout(form);
    return group;
}

QWidget* CZ5ChEditDlg::MakeOptionsGroup() {
    auto* group = new QGroupBox(tr("Options"), this);
    auto* form = new QFormLayout(group);
    const struct {
        int label;
        const char* text;
        int check;
    } rows[] = {{kSkipLabel, QT_TR_NOOP("Skip"), kSkipCheck.id},
                {kLowPowerLabel, QT_TR_NOOP("Low power"), kLowPowerCheck.id},
                {kInhibitLabel, QT_TR_NOOP("TX inhibit"), kInhibitCheck.id}};
    for (const auto& row : rows) {
        QCheckBox* check = MakeCheckBox(row.check, QString());
        form->addRow(MakeLabel(row.label, tr(row.text), check), check);
    }
    return group;
}

QWidget* CZ5ChEditDlg::MakeScramblerGroup() {
    auto* group = Identified(new QGroupBox(tr("Scrambler"), this), kScramblerGroup);
    auto* layout = new QHBoxLayout(group);
    layout->addLayout(MakeRadioRow<2>(group, m_scrmSet, kScrmSetButtons));
    layout->addSpacing(24);
    QComboBox* code = MakeChoiceList(kScrmCodeList.id);
    layout->addWidget(MakeLabel(kScrmCodeLabel, tr("Code"), code));
    layout->addWidget(code);
    layout->addStretch();
    return group;
}

// The list is filled from its leaf once every control exists.
QComboBox* CZ5ChEditDlg::MakeChoiceList(int id) {
    auto* combo = Identified(new QComboBox(this), id);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QCheckBox* CZ5ChEditDlg::MakeCheckBox(int id, const QString& text) {
    return Identified(new QCheckBox(text, this), id);
}

// The label names its field to a screen reader too.
QLabel* CZ5ChEditDlg::MakeLabel(int id, const QString& text, QWidget* field) {
    QLabel* label = Identified(new QLabel(text, this), id);
    label->setBuddy(field);
    return label;
}

void CZ5ChEditDlg::LoadControls() {
    if (m_channel != nullptr && GetNodeValue(m_channel, z5leaf::kClear) != 0) {
        z5channel::WriteFreshChannel(*m_channel);
    } else {
        m_loadedFreqRx = QString::fromStdString(GetNodeFreq(m_channel, z5leaf::kFreqRx));
    }
    m_freqRx->setText(m_loadedFreqRx);
    m_loadedFreqOw = QString::fromStdString(GetNodeFreq(m_channel, z5leaf::kFreqOw));
    m_freqOw->setText(m_loadedFreqOw);
    m_name->setText(QString::fromStdString(GetNodeString(m_channel, z5leaf::kName)));
    for (const SLeafControl& list : kChoiceLists) {
        auto* combo = findChild<QComboBox*>(Named(list.id));
        combo->setCurrentIndex(
            combo->findText(QString::fromStdString(GetNodeText(m_channel, list.leaf))));
    }
    for (const SLeafControl& check : kCheckBoxes) {
        findChild<QCheckBox*>(Named(check.id))
            ->setChecked(GetNodeValue(m_channel, check.leaf) != 0);
    }
    LoadRadioChoice<4>(m_channel, m_toneSet, kToneSetButtons);
    LoadRadioChoice<3>(m_channel, m_aniSet, kAniSetButtons);
    LoadRadioChoice<2>(m_channel, m_scrmSet, kScrmSetButtons);
}

bool CZ5ChEditDlg::HasFrequency() const {
    return !m_freqRx->text().isEmpty();
}

void CZ5ChEditDlg::SetControlsEnabled(std::initializer_list<int> ids, bool enabled) {
    for (const int id : ids) {
        if (auto* control = findChild<QWidget*>(Named(id))) {
            control->setEnabled(enabled);
        }
    }
}

void CZ5ChEditDlg::ApplyEnablingRule() {
    SetControlsEnabled(kFieldControls, HasFrequency() || m_area == kAreaCall);
    ApplyOptionRule();
}

void CZ5ChEditDlg::ApplyOptionRule() {
    SetControlsEnabled(kSkipControls, HasFrequency() && m_area == kAreaMemory);
    SetControlsEnabled(kScramblerControls, HasFrequency() && m_scrambler);
    for (const int id : kScramblerControls) {
        if (auto* control = findChild<QWidget*>(Named(id))) {
            control->setVisible(m_scrambler);
        }
    }
}

// The window stays open with the field's text marked and the reason under
// the fields.
void CZ5ChEditDlg::Refuse(QLineEdit& edit, const QString& reason) {
    m_problem->setText(reason);
    m_problem->show();
    channelfields::MarkRefused(edit);
}

void CZ5ChEditDlg::accept() {
    if (m_channel == nullptr) {
        QDialog::accept();
        return;
    }
    using channelfields::ReadTypedFrequency;
    const auto freqRx = ReadTypedFrequency(m_channel, z5leaf::kFreqRx, m_freqRx->text(), true);
    const auto freqOw = ReadTypedFrequency(m_channel, z5leaf::kFreqOw, m_freqOw->text(), true);
    if (!freqRx.accepted) {
        Refuse(*m_freqRx, freqRx.reason);
        return;
    }
    // An offset that cannot be typed now (the channel is cleared) keeps
    // what the leaf holds.
    if (!freqOw.accepted && m_freqOw->isEnabled()) {
        Refuse(*m_freqOw, freqOw.reason);
        return;
    }
    const auto listText = [this](const SLeafControl& list) {
        return findChild<QComboBox*>(Named(list.id))->currentText().toStdString();
    };
    const auto storeCheck = [this](const SLeafControl& check) {
        SetNodeValue(m_channel, check.leaf,
                     findChild<QCheckBox*>(Named(check.id))->isChecked() ? 1 : 0);
    };
    SetNodeValue(m_channel, z5leaf::kClear, HasFrequency() || m_area == kAreaCall ? 0 : 1);
    channelfields::StoreTypedFrequency(m_channel, z5leaf::kFreqRx, freqRx, m_loadedFreqRx);
    channelfields::StoreTypedFrequency(m_channel, z5leaf::kFreqOw, freqOw, m_loadedFreqOw);
    SetNodeText(m_channel, kDuplexList.leaf, listText(kDuplexList));
    storeCheck(kReverseCheck);
    channelfields::StoreTypedName(m_channel, m_name->text());

    StoreRadioChoice<4>(m_channel, m_toneSet, kToneSetButtons);
    for (const SLeafControl& list : {kToneList, kTsqlList, kDtcsList}) {
        SetNodeText(m_channel, list.leaf, listText(list));
    }
    storeCheck(kInverseCheck);

    StoreRadioChoice<3>(m_channel, m_aniSet, kAniSetButtons);
    SetNodeText(m_channel, kAniCodeList.leaf, listText(kAniCodeList));
    for (const SLeafControl& check : {kSkipCheck, kLowPowerCheck, kInhibitCheck}) {
        storeCheck(check);
    }

    StoreRadioChoice<2>(m_channel, m_scrmSet, kScrmSetButtons);
    SetNodeText(m_channel, kScrmCodeList.leaf, listText(kScrmCodeList));
    const std::int32_t lowestCode = z5map::ChoiceRange(z5area::kMemory, kScrmCodeList.leaf).lowest;
    if (GetNodeValue(m_channel, kScrmCodeList.leaf) < lowestCode) {
        SetNodeValue(m_channel, kScrmCodeList.leaf, lowestCode);
    }
    QDialog::accept();
}
