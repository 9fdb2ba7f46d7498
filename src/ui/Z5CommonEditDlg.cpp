#include "ui/Z5CommonEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <array>

#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"

namespace {

constexpr int kUsaVersion = 2;
constexpr int kRepeaterLabelId = 11136;
constexpr const char* kRepeaterLeaf = z5leaf::kRepeater;
constexpr const char* kRepeaterOff = "OFF";

// The lists in the order they are shown and stored: the first column, then
// the second.
constexpr std::array<SChoiceRow, 14> kLists{{
    {"ScanResume", z5leaf::kResume, 1097},
    {"LCD Back Light", z5leaf::kLight, 11128},
    {"LCD Contrast", z5leaf::kContrast, 11129},
    {"Power Save", z5leaf::kPowSave, 11130},
    {"SP-31C Function", z5leaf::kMicFunc, 11127},
    {"Auto Repeater", z5leaf::kRepeater, 1096},
    {"Function Mode", z5leaf::kFuncMode, 1108},
    {"Auto Power-OFF", z5leaf::kPowOff, 1095},
    {"Time-Out Timer", z5leaf::kTot, 1098},
    {"Lockout", z5leaf::kLockout, 11122},
    {"Squelch Delay", z5leaf::kSqlDelay, 11123},
    {"Dial Select", z5leaf::kDialSel, 11124},
    {"Memory Disp", z5leaf::kMemoDisp, 11125},
    {"Scan Edge", z5leaf::kScanEdge, 1110},
}};
constexpr std::size_t kColumns = 2;
constexpr std::size_t kFirstColumnRows = 7;

struct SCheckRow {
    const char* label;
    const char* leaf;
    int controlId;
};

// One under each column of lists.
constexpr std::array<SCheckRow, kColumns> kChecks{{
    {"Operation Beep", z5leaf::kBeep, 11149},
    {"Dial Speedup", z5leaf::kDialSpeed, 11150},
}};

constexpr const char* kCommentLabel = "Comment";
constexpr const char* kCommentLeaf = z5leaf::kCloneComment;
constexpr int kCommentId = 1053;

}  // namespace

CZ5CommonEditDlg::CZ5CommonEditDlg(int modelVersion, QWidget* parent)
    : CSettingsPage(kResourceId, parent), m_comment(MakeCommentEdit()) {
    const std::array<QFormLayout*, kColumns> columns{new QFormLayout, new QFormLayout};
    for (std::size_t index = 0; index < kLists.size(); ++index) {
        AddChoiceRow(*columns[index < kFirstColumnRows ? 0 : 1], kLists[index]);
    }
    auto* lists = new QHBoxLayout;
    for (std::size_t column = 0; column < kColumns; ++column) {
        AddCheckRow(*columns[column], column);
        lists->addLayout(columns[column]);
    }
    auto* comment = new QFormLayout;
    comment->addRow(QString::fromUtf8(kCommentLabel), m_comment);

    auto* content = new QVBoxLayout;
    content->addLayout(lists);
    content->addLayout(comment);
    SetContent(content);

    if (modelVersion != kUsaVersion) {
        LockRepeater(*columns[0]);
    }
}

CZ5CommonEditDlg::~CZ5CommonEditDlg() = default;

void CZ5CommonEditDlg::WriteBack(CNode& area) {
    CSettingsPage::WriteBack(area);
    for (const SCheckRow& row : kChecks) {
        const auto* box = findChild<QCheckBox*>(QString::number(row.controlId));
        SetNodeValue(&area, row.leaf, box->isChecked() ? 1 : 0);
    }
    SetNodeString(&area, kCommentLeaf, m_comment->text().toStdString());
}

void CZ5CommonEditDlg::AddCheckRow(QFormLayout& form, std::size_t column) {
    const SCheckRow& row = kChecks[column];
    auto* box = new QCheckBox(QString::fromUtf8(row.label), this);
    box->setObjectName(QString::number(row.controlId));
    box->setChecked(GetNodeValue(Area(), row.leaf) != 0);
    form.addRow(box);
}

QLineEdit* CZ5CommonEditDlg::MakeCommentEdit() {
    auto* edit = new QLineEdit(QString::fromStdString(GetNodeString(Area(), kCommentLeaf)), this);
    edit->setObjectName(QString::number(kCommentId));
    edit->setMaxLength(kCommentLength);
    // The radio shows the characters from space to tilde; anything else would
    // reach the image as a space or take more than one byte.
    static const QRegularExpression printable(QStringLiteral("[\\x20-\\x7E]*"));
    edit->setValidator(new QRegularExpressionValidator(printable, edit));
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setMinimumWidth(metrics.horizontalAdvance(QString(kCommentLength + 2, QLatin1Char('M'))));
    return edit;
}

void CZ5CommonEditDlg::LockRepeater(QFormLayout& column) {
    QComboBox* list = ChoiceList(kRepeaterLeaf);
    list->setCurrentIndex(list->findText(QString::fromUtf8(kRepeaterOff)));
    list->setEnabled(false);
    QWidget* label = column.labelForField(list);
    label->setObjectName(QString::number(kRepeaterLabelId));
    label->setEnabled(false);
}

std::vector<SSettingLabel> CZ5CommonEditDlg::PrintedSettings() {
    std::vector<SSettingLabel> settings;
    for (const SChoiceRow& row : kLists) {
        settings.push_back({row.label, row.leaf});
    }
    for (const SCheckRow& row : kChecks) {
        settings.push_back({row.label, row.leaf});
    }
    settings.push_back({kCommentLabel, kCommentLeaf});
    return settings;
}
