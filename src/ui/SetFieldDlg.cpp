#include "ui/SetFieldDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ui/ChannelCellDelegate.h"
#include "ui/ChannelColumns.h"
#include "ui/ChannelFields.h"
#include "ui/DialogButtons.h"
#include "ui/DialogFocusOrder.h"

CSetFieldDlg::CSetFieldDlg(std::vector<int> columns, int column, int channels, StartText startText,
                           Refusal refusal, QWidget* parent)
    : QDialog(parent),
      m_columns(std::move(columns)),
      m_startText(std::move(startText)),
      m_refusal(std::move(refusal)) {
    setObjectName(QStringLiteral("SetFieldDlg"));
    setWindowTitle(tr("Set Field"));
    m_field = new QComboBox(this);
    m_field->setObjectName(QStringLiteral("SetFieldField"));
    for (const int offered : m_columns) {
        m_field->addItem(CChannelColumns::Title(offered), offered);
    }
    // The value's editor changes with the field: it stands in a holder,
    // which its label names and which passes the focus on to it.
    auto* valueHolder = new QWidget(this);
    m_valuePlace = new QVBoxLayout(valueHolder);
    m_valuePlace->setContentsMargins(0, 0, 0, 0);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("SetFieldProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_problem->hide();

    auto* form = new QFormLayout;
    form->addRow(tr("&Field"), m_field);
    form->addRow(tr("&Value"), valueHolder);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(
        channels == 1 ? tr("The field is set on the selected channel.")
                      : tr("The field is set on the %1 selected channels in use.").arg(channels),
        this));
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(MakeOkCancelButtons(*this));

    const auto first = std::find(m_columns.begin(), m_columns.end(), column);
    m_field->setCurrentIndex(first != m_columns.end() ? static_cast<int>(first - m_columns.begin())
                                                      : 0);
    ShowValueOf(Column());
    connect(m_field, &QComboBox::currentIndexChanged, this, [this] { ShowValueOf(Column()); });
}

CSetFieldDlg::~CSetFieldDlg() = default;

int CSetFieldDlg::Column() const {
    return m_field->currentData().toInt();
}

QString CSetFieldDlg::Text() const {
    return CChannelCellDelegate::EditorText(m_value);
}

// The value's editor is the one a cell of the field has, starting with the
// first channel's text.
void CSetFieldDlg::ShowValueOf(int column) {
    delete m_value;
    QWidget* holder = m_valuePlace->parentWidget();
    m_value = CChannelCellDelegate::MakeEditor(column, holder);
    if (m_value == nullptr) {
        m_value = new QLineEdit(holder);
    }
    holder->setFocusProxy(m_value);
    m_value->setObjectName(QStringLiteral("SetFieldValue"));
    // The label names the holder; a screen reader reads the editor itself.
    m_value->setAccessibleName(tr("Value"));
    const QString start = m_startText ? m_startText(column) : QString();
    if (auto* list = qobject_cast<QComboBox*>(m_value)) {
        list->setCurrentIndex(std::max(0, list->findText(start)));
    } else if (auto* line = qobject_cast<QLineEdit*>(m_value)) {
        line->setText(start);
        connect(line, &QLineEdit::textEdited, m_problem, &QLabel::hide);
    }
    m_valuePlace->addWidget(m_value);
    m_problem->hide();
    if (isVisible()) {
        CDialogFocusOrder::Apply(this);  // the new editor takes the old one's place
    }
}

void CSetFieldDlg::accept() {
    const QString refusal = m_refusal ? m_refusal(Column(), Text()) : QString();
    if (refusal.isEmpty()) {
        QDialog::accept();
        return;
    }
    m_problem->setText(refusal);
    m_problem->show();
    if (auto* line = qobject_cast<QLineEdit*>(m_value)) {
        channelfields::MarkRefused(*line);
    }
}
