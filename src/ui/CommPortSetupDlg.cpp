#include "ui/CommPortSetupDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/StringTable.h"

namespace {

QString PortEntry(int port, const CCommPortSetupDlg::Describe& describe) {
    QString entry = QStringLiteral("COM%1").arg(port);
    const std::string device = describe ? describe(port) : std::string();
    if (!device.empty()) {
        entry += QStringLiteral("  (") + QString::fromStdString(device) + QLatin1Char(')');
    }
    return entry;
}

QPlainTextEdit* InstructionsField(QWidget* parent) {
    const QString text = QString::fromStdString(CStringTable::Get(Ids::SetupInstructions));
    auto* field = new QPlainTextEdit(text, parent);
    field->setObjectName(QStringLiteral("1053"));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFrameShape(QFrame::NoFrame);
    field->setBackgroundRole(QPalette::Window);
    field->viewport()->setBackgroundRole(QPalette::Window);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As tall as its lines, as wide as its longest line.
    const QFontMetrics metrics = field->fontMetrics();
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int margin = static_cast<int>(field->document()->documentMargin()) * 2 + 4;
    field->setMinimumWidth(widest + margin);
    field->setFixedHeight(metrics.lineSpacing() * static_cast<int>(lines.size()) + margin);
    return field;
}

}  // namespace

CCommPortSetupDlg::CCommPortSetupDlg(int port, Describe describe, Identify identify,
                                     QWidget* parent)
    : QDialog(parent), m_ports(new QComboBox(this)), m_identify(std::move(identify)) {
    setObjectName(QStringLiteral("160"));
    setWindowTitle(QStringLiteral("Setup"));

    auto* label = new QLabel(QString::fromStdString(CStringTable::Get(Ids::SetupPortLabel)), this);
    label->setObjectName(QStringLiteral("1059"));
    label->setBuddy(m_ports);
    m_ports->setObjectName(QStringLiteral("1055"));
    for (int entry = 1; entry <= kPortCount; ++entry) {
        m_ports->addItem(PortEntry(entry, describe));
    }
    m_ports->setCurrentIndex(port >= 1 && port <= kPortCount ? port - 1 : 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CCommPortSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InstructionsField(this));
    layout->addWidget(label);
    layout->addWidget(m_ports);
    layout->addWidget(buttons);
    m_ports->setFocus();
}

CCommPortSetupDlg::~CCommPortSetupDlg() = default;

int CCommPortSetupDlg::SelectedPort() const {
    return m_ports->currentIndex() + 1;
}

void CCommPortSetupDlg::accept() {
    if (m_identify && m_identify(SelectedPort())) {
        QDialog::accept();
    }
}
