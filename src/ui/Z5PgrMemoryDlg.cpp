#include "ui/Z5PgrMemoryDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/TextFilter.h"
#include "model/Z5MemoryMap.h"
#include "ui/DialogButtons.h"
#include "ui/LineEditFilter.h"

namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr int kFirstCodeId = 1053;
constexpr int kFirstSkipId = 1073;  // memory i's check box is kFirstSkipId + i (i >= 1)

std::string MemoryPath(std::size_t index) {
    return z5map::RecordPath(z5area::kPager, static_cast<int>(index));
}

}  // namespace

CZ5PgrMemoryDlg::CZ5PgrMemoryDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(kResourceId));
    setWindowTitle(tr("PGR Memory"));
    auto* group = new QGroupBox(tr("PGR Memory"), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Code"), group), 0, 1);
    grid->addWidget(new QLabel(tr("Skip"), group), 0, 2);
    for (std::size_t index = 0; index < kMemoryCount; ++index) {
        const CNode* memory = CNode::ResolvePath(MemoryPath(index));
        const int line = static_cast<int>(index) + 1;
        auto* code =
            new QLineEdit(QString::fromStdString(GetNodeString(memory, z5leaf::kCode)), group);
        code->setObjectName(QString::number(kFirstCodeId + static_cast<int>(index)));
        code->setMaxLength(kCodeLength);
        code->setFixedWidth(code->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        connect(code, &QLineEdit::textEdited, this, [code] { FilterLineEdit(*code, kDigits); });
        // A screen reader names each field by its row and column headings.
        const QString memoryName = QStringLiteral("C%1").arg(index);
        code->setAccessibleName(tr("%1 Code").arg(memoryName));
        grid->addWidget(new QLabel(memoryName, group), line, 0);
        grid->addWidget(code, line, 1);
        m_codes[index] = code;
        if (index == 0) {
            continue;
        }
        auto* skip = new QCheckBox(group);
        skip->setObjectName(QString::number(kFirstSkipId + static_cast<int>(index)));
        skip->setChecked(GetNodeValue(memory, z5leaf::kSkip) != 0);
        skip->setAccessibleName(tr("%1 Skip").arg(memoryName));
        grid->addWidget(skip, line, 2, Qt::AlignHCenter);
        m_skips[index] = skip;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(group);
    layout->addWidget(MakeOkCancelButtons(*this));
}

CZ5PgrMemoryDlg::~CZ5PgrMemoryDlg() = default;

std::string CZ5PgrMemoryDlg::StoredCode(const std::string& typed) {
    std::string code = typed;
    KeepAllowed(code, kDigits);
    code.resize(std::min<std::size_t>(code.size(), kCodeLength));
    return std::string(kCodeLength - code.size(), '0') + code;
}

void CZ5PgrMemoryDlg::accept() {
    for (std::size_t index = 0; index < kMemoryCount; ++index) {
        CNode* memory = CNode::ResolvePath(MemoryPath(index));
        SetNodeString(memory, z5leaf::kCode, StoredCode(m_codes[index]->text().toStdString()));
        if (m_skips[index] != nullptr) {
            SetNodeValue(memory, z5leaf::kSkip, m_skips[index]->isChecked() ? 1 : 0);
        }
    }
    QDialog::accept();
}
