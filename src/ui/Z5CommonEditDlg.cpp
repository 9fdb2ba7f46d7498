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

namespace {

constexpr int kUsaVersion = 2;
constexpr int kRepeaterLabelId = 11136;
constexpr const char* kRepeaterLeaf = "Repeater";
constexpr const char* kRepeaterOff = "OFF";

// The lists in the order they are shown and stored: the first column, then
// the second.
constexpr std::array<SChoiceRow, 14> kLists{{
    {"ScanResume", "Resume", 1097, 0, 3},
    {"LCD Back Light", "Light", 11128, 0, 2},
    {"LCD Contrast", "Contrast", 11129, 0, 1},
    {"Power Save", "PowSave", 11130, 0, 5},
    {"SP-31C Function", "MicFunc", 11127, 0, 2},
    {"Auto Repeater", "Repeater", 1096, 0, 2},
    {"Function Mode", "FuncMode", 1108, 0, 4},
    {"Auto Power-OFF", "PowOff", 1095, 0, 3},
    {"Time-Out Timer", "TOT", 1098, 0, 30},
    {"Lockout", "Lockout", 11122, 0, 2},
    {"Squelch Delay", "SqlDelay", 11123, 0, 1},
    {"Dial Select", "DialSel", 11124, 0, 1},
    {"Memory Disp", "MemoDisp", 11125, 0, 2},
    {"Scan Edge", "ScanEdge", 1110, 0, 3},
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
    {"Operation Beep", "Beep", 11149},
    {"Dial Speedup", "DialSpeed", 11150},
}};

constexpr const char* kCommentLabel = "Comment";
constexpr const char* kCommentLeaf = "CloneComment";
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
