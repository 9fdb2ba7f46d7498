#include "ui/CommPortSetupDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
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
    field->setAccessibleName(CCommPortSetupDlg::tr("Instructions"));
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
    : QDialog(parent),
      m_ports(new QComboBox(this)),
      m_cables(new QComboBox(this)),
      m_refresh(new QPushButton(tr("&Refresh"), this)),
      m_describe(std::move(describe)),
      m_identify(std::move(identify)) {
    setObjectName(QStringLiteral("160"));
    setWindowTitle(tr("Setup"));

    auto* label = new QLabel(QString::fromStdString(CStringTable::Get(Ids::SetupPortLabel)), this);
    label->setObjectName(QStringLiteral("1059"));
    label->setBuddy(m_ports);
    m_ports->setObjectName(QStringLiteral("1055"));
    for (int entry = 1; entry <= kPortCount; ++entry) {
        m_ports->addItem(PortEntry(entry, m_describe));
    }
    m_ports->setCurrentIndex(port >= 1 && port <= kPortCount ? port - 1 : 0);

    auto* cableLabel = new QLabel(tr("&Cable on this port:"), this);
    cableLabel->setBuddy(m_cables);
    m_cables->setObjectName(QStringLiteral("Cable"));
    m_cables->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_refresh->setObjectName(QStringLiteral("Refresh"));
    m_refresh->setAutoDefault(false);
    auto* cableRow = new QHBoxLayout;
    cableRow->addWidget(m_cables, 1);
    cableRow->addWidget(m_refresh);
    cableLabel->setVisible(false);
    m_cables->setVisible(false);
    m_refresh->setVisible(false);
    connect(m_refresh, &QPushButton::clicked, this, &CCommPortSetupDlg::RefreshCables);
    connect(m_cables, &QComboBox::activated, this, &CCommPortSetupDlg::OnCableChosen);
    connect(m_ports, &QComboBox::currentIndexChanged, this, &CCommPortSetupDlg::SelectCableOfPort);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CCommPortSetupDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(InstructionsField(this));
    layout->addWidget(label);
    layout->addWidget(m_ports);
    layout->addWidget(cableLabel);
    layout->addLayout(cableRow);
    layout->addWidget(buttons);
    m_cableLabel = cableLabel;
    m_ports->setFocus();
}

CCommPortSetupDlg::~CCommPortSetupDlg() = default;

void CCommPortSetupDlg::SetPortFinder(ListPorts list, BindPort bind) {
    m_listPorts = std::move(list);
    m_bindPort = std::move(bind);
    for (QWidget* widget : {static_cast<QWidget*>(m_cableLabel), static_cast<QWidget*>(m_cables),
                            static_cast<QWidget*>(m_refresh)}) {
        widget->setVisible(m_listPorts != nullptr);
    }
    RefreshCables();
}

void CCommPortSetupDlg::RefreshCables() {
    m_found = m_listPorts ? m_listPorts() : std::vector<SSerialPortInfo>();
    const QSignalBlocker quiet(m_cables);
    m_cables->clear();
    for (const SSerialPortInfo& port : m_found) {
        m_cables->addItem(QString::fromStdString(port.Description() + "  (" + port.device + ")"));
    }
    m_cables->setPlaceholderText(m_found.empty() ? tr("No serial device found")
                                                 : tr("Another device: choose it here"));
    ShowPortEntries();
    SelectCableOfPort();
}

void CCommPortSetupDlg::ShowPortEntries() {
    for (int entry = 1; entry <= kPortCount; ++entry) {
        m_ports->setItemText(entry - 1, PortEntry(entry, m_describe));
    }
}

// The cable list shows the device the chosen port stands for, or nothing
// when that device is not among those found.
void CCommPortSetupDlg::SelectCableOfPort() {
    const std::string device = m_describe ? m_describe(SelectedPort()) : std::string();
    int match = -1;
    for (std::size_t index = 0; index < m_found.size(); ++index) {
        if (device == m_found[index].device || device == m_found[index].stableName) {
            match = static_cast<int>(index);
        }
    }
    const QSignalBlocker quiet(m_cables);
    m_cables->setCurrentIndex(match);
}

void CCommPortSetupDlg::OnCableChosen(int index) {
    if (index < 0 || index >= static_cast<int>(m_found.size()) || !m_bindPort) {
        return;
    }
    m_bindPort(SelectedPort(), m_found[static_cast<std::size_t>(index)].PreferredName());
    ShowPortEntries();
}

int CCommPortSetupDlg::SelectedPort() const {
    return m_ports->currentIndex() + 1;
}

void CCommPortSetupDlg::accept() {
    if (m_identify && m_identify(SelectedPort())) {
        QDialog::accept();
    }
}
