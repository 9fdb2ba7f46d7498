#include "ui/Z5DtmfAutodialDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>
#include <string_view>

#include "model/ChoiceList.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/TextFilter.h"
#include "model/Z5MemoryMap.h"
#include "ui/ComboChoiceList.h"
#include "ui/DialogButtons.h"
#include "ui/LineEditFilter.h"

namespace {

constexpr const char* kArea = z5area::kDtmf;
// What a code may be typed with (upper-case letters only). The radio keeps
// a code as hexadecimal digits: "E" stands for the star key, "F" for the
// hash key.
constexpr std::string_view kDtmfKeys = "0123456789ABCD*E#F";
constexpr const char* kStarDigit = "E";
constexpr const char* kHashDigit = "F";
constexpr const char* kSelectLeaf = z5leaf::kSelectCh;
constexpr const char* kSpeedLeaf = z5leaf::kSpeed;
constexpr int kSpeedId = 1050;

// One autodial memory: its leaf (also the name "SelectCh" gives it and its
// button's caption), its code edit and its radio button.
struct SMemoryRow {
    const char* leaf;
    int editId;
    int buttonId;
};

constexpr std::array<SMemoryRow, CZ5DtmfAutodialDlg::kMemoryCount> kMemories{{
    {z5leaf::kD0, 1066, 1101},
    {z5leaf::kD1, 1071, 1110},
    {z5leaf::kD2, 1072, 1109},
    {z5leaf::kD3, 1073, 1108},
    {z5leaf::kD4, 1074, 1107},
}};

}  // namespace

CZ5DtmfAutodialDlg::CZ5DtmfAutodialDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kResourceId));
    setWindowTitle(tr("DTMF Autodial"));
    CNode* area = CNode::ResolvePath(kArea);

    auto* speed = new QFormLayout;
    speed->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    speed->addRow(tr("Speed"), MakeSpeedList(area));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(MakeMemoryGroup(area));
    layout->addLayout(speed);
    layout->addWidget(MakeOkCancelButtons(*this));
}

CZ5DtmfAutodialDlg::~CZ5DtmfAutodialDlg() = default;

void CZ5DtmfAutodialDlg::accept() {
    if (CNode* area = CNode::ResolvePath(kArea)) {
        SetNodeText(area, kSpeedLeaf, m_speed->currentText().toStdString());
        SetNodeText(area, kSelectLeaf, SelectedMemory());
        for (std::size_t index = 0; index < kMemoryCount; ++index) {
            SetNodeString(area, kMemories[index].leaf, m_codes[index]->text().toStdString());
        }
    }
    QDialog::accept();
}

QWidget* CZ5DtmfAutodialDlg::MakeMemoryGroup(const CNode* area) {
    auto* group = new QGroupBox(tr("Autodial Memory"), this);
    auto* grid = new QGridLayout(group);
    auto* selection = new QButtonGroup(group);
    const std::string selected = GetNodeText(area, kSelectLeaf);
    const QFont codeFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int codeWidth =
        QFontMetrics(codeFont).horizontalAdvance(QString(kCodeLength + 2, QLatin1Char('D')));
    for (std::size_t index = 0; index < kMemoryCount; ++index) {
        const SMemoryRow& row = kMemories[index];
        auto* button = new QRadioButton(QString::fromUtf8(row.leaf), group);
        button->setObjectName(QString::number(row.buttonId));
        button->setToolTip(tr("The memory the radio dials"));
        button->setChecked(selected == row.leaf);
        selection->addButton(button);

        auto* code = new QLineEdit(QString::fromStdString(GetNodeString(area, row.leaf)), group);
        code->setObjectName(QString::number(row.editId));
        code->setMaxLength(kCodeLength);
        code->setFont(codeFont);
        code->setMinimumWidth(codeWidth);
        // The memory's name stands on its button beside the code.
        code->setAccessibleName(tr("%1 code").arg(QString::fromUtf8(row.leaf)));
        connect(code, &QLineEdit::textEdited, this, [this, code] { OnCodeEdited(*code); });

        const int line = static_cast<int>(index);
        grid->addWidget(button, line, 0);
        grid->addWidget(code, line, 1);
        m_buttons[index] = button;
        m_codes[index] = code;
    }
    return group;
}

QComboBox* CZ5DtmfAutodialDlg::MakeSpeedList(CNode* area) {
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QString::number(kSpeedId));
    m_speed->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FillComboFromLeaf(*m_speed, area, kArea, kSpeedLeaf);
    return m_speed;
}

void CZ5DtmfAutodialDlg::OnCodeEdited(QLineEdit& edit) {
    FilterLineEdit(edit, kDtmfKeys);
    std::string code = edit.text().toStdString();
    ReplaceListed(code, kStarDigit, "*");
    ReplaceListed(code, kHashDigit, "#");
    const QString digits = QString::fromStdString(code);
    if (digits != edit.text()) {
        const int caret = edit.cursorPosition();
        edit.setText(digits);
        edit.setCursorPosition(caret);
    }
}

const char* CZ5DtmfAutodialDlg::SelectedMemory() const {
    for (std::size_t index = 0; index + 1 < kMemoryCount; ++index) {
        if (m_buttons[index]->isChecked()) {
            return kMemories[index].leaf;
        }
    }
    return kMemories[kMemoryCount - 1].leaf;
}
