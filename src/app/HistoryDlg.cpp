#include "app/HistoryDlg.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <array>
#include <memory>

namespace {

// Long enough for a key held down to pass rows without reading them.
constexpr int kDetailsDelayMs = 150;

struct SColumn {
    const char* title;
    std::string CHistoryDlg::SRow::*text;
};
constexpr std::array<SColumn, 3> kColumns = {{
    {QT_TRANSLATE_NOOP("CHistoryDlg", "Read at"), &CHistoryDlg::SRow::time},
    {QT_TRANSLATE_NOOP("CHistoryDlg", "Radio"), &CHistoryDlg::SRow::identity},
    {QT_TRANSLATE_NOOP("CHistoryDlg", "Version"), &CHistoryDlg::SRow::version},
}};

// The rows as the list asks for them: only the rows in sight are ever made
// into texts. The rows are shared with the dialog, so that neither outlives
// them.
class CHistoryRows : public QAbstractTableModel {
  public:
    using Rows = std::shared_ptr<const std::vector<CHistoryDlg::SRow>>;

    CHistoryRows(Rows rows, QObject* parent)
        : QAbstractTableModel(parent), m_rows(std::move(rows)) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows->size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) {
            return {};
        }
        const CHistoryDlg::SRow& row = (*m_rows)[static_cast<std::size_t>(index.row())];
        return QString::fromStdString(row.*kColumns[static_cast<std::size_t>(index.column())].text);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= static_cast<int>(kColumns.size())) {
            return {};
        }
        return CHistoryDlg::tr(kColumns[static_cast<std::size_t>(section)].title);
    }

  private:
    const Rows m_rows;
};

}  // namespace

CHistoryDlg::CHistoryDlg(std::vector<SRow> rows, const QString& folder, Details details,
                         QWidget* parent)
    : QDialog(parent),
      m_rows(std::make_shared<const std::vector<SRow>>(std::move(rows))),
      m_details(std::move(details)),
      m_tree(new QTreeView(this)),
      m_detailsLine(new QLabel(this)) {
    setWindowTitle(tr("Radio History"));
    m_tree->setModel(new CHistoryRows(m_rows, m_tree));
    m_tree->setAccessibleName(tr("Reads kept"));
    m_tree->setRootIsDecorated(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_tree, &QTreeView::doubleClicked, this, [this] { Choose(EChoice::Open); });
    m_detailsDelay.setSingleShot(true);
    m_detailsDelay.setInterval(kDetailsDelayMs);
    connect(&m_detailsDelay, &QTimer::timeout, this, &CHistoryDlg::ShowDetails);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        m_detailsLine->clear();
        m_detailsDelay.start();
    });
    if (!m_rows->empty()) {
        m_tree->setCurrentIndex(m_tree->model()->index(0, 0));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* open = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
    QPushButton* compare =
        buttons->addButton(tr("&Compare With Data"), QDialogButtonBox::ActionRole);
    open->setEnabled(!m_rows->empty());
    compare->setEnabled(!m_rows->empty());
    connect(open, &QPushButton::clicked, this, [this] { Choose(EChoice::Open); });
    connect(compare, &QPushButton::clicked, this, [this] { Choose(EChoice::Compare); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* where = new QLabel(m_rows->empty() ? tr("No reads are kept in %1 yet.").arg(folder)
                                             : tr("%1 reads kept in %2, newest first (local time).")
                                                   .arg(QString::number(m_rows->size()), folder),
                             this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_detailsLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addWidget(m_tree);
    layout->addWidget(m_detailsLine);
    layout->addWidget(buttons);
    resize(600, 400);
}

int CHistoryDlg::CurrentRow() const {
    const int row = m_tree->currentIndex().row();
    return row >= 0 && row < static_cast<int>(m_rows->size()) ? row : -1;
}

std::string CHistoryDlg::ChosenPath() const {
    const int row = CurrentRow();
    return m_choice != EChoice::None && row >= 0 ? (*m_rows)[static_cast<std::size_t>(row)].path
                                                 : std::string();
}

QString CHistoryDlg::DetailsText() const {
    return m_detailsLine->text();
}

void CHistoryDlg::ChooseRow(int row, EChoice choice) {
    if (row >= 0 && row < static_cast<int>(m_rows->size())) {
        m_tree->setCurrentIndex(m_tree->model()->index(row, 0));
        Choose(choice);
    }
}

void CHistoryDlg::Choose(EChoice choice) {
    if (CurrentRow() >= 0) {
        m_choice = choice;
        m_detailsDelay.stop();
        accept();
    }
}

void CHistoryDlg::ShowDetails() {
    const int row = CurrentRow();
    if (row < 0 || !m_details) {
        return;
    }
    const std::string& path = (*m_rows)[static_cast<std::size_t>(row)].path;
    m_detailsLine->setText(
        QStringLiteral("%1: %2").arg(QFileInfo(QString::fromStdString(path)).fileName(),
                                     QString::fromStdString(m_details(path))));
}
