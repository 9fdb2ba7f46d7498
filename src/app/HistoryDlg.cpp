#include "app/HistoryDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CHistoryDlg::CHistoryDlg(std::vector<SRow> rows, const QString& folder, QWidget* parent)
    : QDialog(parent), m_rows(std::move(rows)), m_tree(new QTreeWidget(this)) {
    setWindowTitle(QStringLiteral("Radio History"));
    m_tree->setColumnCount(4);
    m_tree->setHeaderLabels({QStringLiteral("Read at"), QStringLiteral("Radio"),
                             QStringLiteral("Version"), QStringLiteral("Channels in use")});
    m_tree->setRootIsDecorated(false);
    for (const SRow& row : m_rows) {
        const QString channels = row.channelsInUse >= 0 ? QString::number(row.channelsInUse)
                                                        : QStringLiteral("unreadable");
        new QTreeWidgetItem(m_tree,
                            {QString::fromStdString(row.time), QString::fromStdString(row.identity),
                             QString::fromStdString(row.version), channels});
    }
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!m_rows.empty()) {
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
    }
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { Choose(EChoice::Open); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* open = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::ActionRole);
    QPushButton* compare =
        buttons->addButton(QStringLiteral("&Compare With Data"), QDialogButtonBox::ActionRole);
    open->setEnabled(!m_rows.empty());
    compare->setEnabled(!m_rows.empty());
    connect(open, &QPushButton::clicked, this, [this] { Choose(EChoice::Open); });
    connect(compare, &QPushButton::clicked, this, [this] { Choose(EChoice::Compare); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* where =
        new QLabel(m_rows.empty() ? QStringLiteral("No reads are kept in %1 yet.").arg(folder)
                                  : QStringLiteral("Reads kept in %1, newest first.").arg(folder),
                   this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    resize(600, 400);
}

std::string CHistoryDlg::ChosenPath() const {
    const int row = m_tree->indexOfTopLevelItem(m_tree->currentItem());
    return m_choice != EChoice::None && row >= 0 && row < static_cast<int>(m_rows.size())
               ? m_rows[static_cast<std::size_t>(row)].path
               : std::string();
}

void CHistoryDlg::ChooseRow(int row, EChoice choice) {
    if (QTreeWidgetItem* item = m_tree->topLevelItem(row)) {
        m_tree->setCurrentItem(item);
        Choose(choice);
    }
}

void CHistoryDlg::Choose(EChoice choice) {
    if (m_tree->currentItem() != nullptr) {
        m_choice = choice;
        accept();
    }
}
