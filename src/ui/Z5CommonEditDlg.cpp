#include "ui/Z5CommonEditDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <array>

#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"
#include "model/Z5Versions.h"

namespace {

constexpr int kUsaVersion = z5version::kUsa;
constexpr int kRepeaterLabelId = 11136;
constexpr const char* kRepeaterLeaf = z5leaf::kRepeater;
constexpr const char* kRepeaterOff = "OFF";

constexpr const auto& kLists = settingrows::kCommonLists;
constexpr std::size_t kColumns = 2;
constexpr std::size_t kFirstColumnRows = settingrows::kCommonFirstColumnRows;

using SCheckRow = SChoiceRow;
// One under each column of lists.
constexpr const auto& kChecks = settingrows::kCommonChecks;
static_assert(kChecks.size() == kColumns);

constexpr const char* kCommentLabel = settingrows::kComment.label;
constexpr const char* kCommentLeaf = settingrows::kComment.leaf;
constexpr int kCommentId = settingrows::kComment.controlId;

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
    comment->addRow(QCoreApplication::translate("settingrows", kCommentLabel), m_comment);

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
    auto* box = new QCheckBox(QCoreApplication::translate("settingrows", row.label), this);
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
