#include "app/CompareDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <map>

#include "document/FileTakeOver.h"
#include "model/Z5LeafLabels.h"

namespace {

// The path of a row: a leaf's, or a channel's, memory's or area's for the
// row of a group.
constexpr int kPathRole = Qt::UserRole;
constexpr int kLeafRole = Qt::UserRole + 1;

QString Side(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : CCompareDlg::tr("(none)");
}

void LeafRow(QTreeWidgetItem* row, const LeafComparison::SDifference& difference) {
    const QString path = QString::fromStdString(difference.path);
    row->setText(1, Side(difference.first));
    row->setText(2, Side(difference.second));
    row->setData(0, kPathRole, path);
    row->setData(0, kLeafRole, true);
    row->setToolTip(0, path);
}

QString Summary(std::size_t differences, const QString& otherName) {
    if (differences == 0) {
        return CCompareDlg::tr("The data and %1 hold the same values.").arg(otherName);
    }
    return differences == 1 ? CCompareDlg::tr("1 value differs.")
                            : CCompareDlg::tr("%1 values differ.").arg(differences);
}

QPushButton* TakeButton(QDialogButtonBox* buttons, const QString& text, const char* name) {
    QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->hide();
    return button;
}

}  // namespace

CCompareDlg::CCompareDlg(const std::vector<LeafComparison::SDifference>& differences,
                         const QString& otherName, QWidget* parent)
    : QDialog(parent),
      m_otherName(otherName),
      m_tree(new QTreeWidget(this)),
      m_summary(new QLabel(this)),
      m_hint(new QLabel(tr("Double-click a value to go to it."), this)) {
    setWindowTitle(tr("Compare With %1").arg(otherName));
    m_tree->setColumnCount(3);
    m_tree->setAccessibleName(tr("Differences"));
    m_tree->setHeaderLabels({tr("Value"), tr("This data"), otherName});
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { Choose(item); });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    m_summary->setObjectName(QStringLiteral("Summary"));
    m_hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_takeSelected = TakeButton(buttons, tr("&Take Selected"), "TakeSelected");
    m_takeAll = TakeButton(buttons, tr("Take &All"), "TakeAll");
    connect(m_takeSelected, &QPushButton::clicked, this, [this] { TakeSelected(); });
    connect(m_takeAll, &QPushButton::clicked, this, [this] { TakeAll(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_hint);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    Fill(differences);
    resize(640, 420);
}

void CCompareDlg::OfferTakeOver(CFileTakeOver& takeOver) {
    m_takeOver = &takeOver;
    m_takeSelected->show();
    m_takeAll->show();
    m_hint->setText(tr("Select values or whole channels to take them over from %1. "
                       "Double-click a value to go to it.")
                        .arg(m_otherName));
    Fill(takeOver.Differences());
}

// One row a group (channel, memory, settings area) with a row a differing
// leaf under it; a leaf that is a memory of its own is its group's row.
void CCompareDlg::Fill(const std::vector<LeafComparison::SDifference>& differences) {
    m_tree->clear();
    std::map<std::string, QTreeWidgetItem*> groups;
    for (const LeafComparison::SDifference& difference : differences) {
        const z5label::SLeafLabel label = z5label::LabelOf(difference.path);
        const QString title = QString::fromStdString(label.groupTitle);
        if (label.groupPath == difference.path) {
            LeafRow(new QTreeWidgetItem(m_tree, {title}), difference);
            continue;
        }
        QTreeWidgetItem*& group = groups[label.groupPath];
        if (group == nullptr) {
            group = new QTreeWidgetItem(m_tree, {title});
            group->setData(0, kPathRole, QString::fromStdString(label.groupPath));
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
        }
        LeafRow(new QTreeWidgetItem(group, {QString::fromStdString(label.field)}), difference);
    }
    m_tree->expandAll();
    m_summary->setText(Summary(differences.size(), m_otherName));
    UpdateButtons();
}

void CCompareDlg::UpdateButtons() {
    m_takeSelected->setEnabled(!m_tree->selectedItems().isEmpty());
    m_takeAll->setEnabled(m_tree->topLevelItemCount() > 0);
}

std::vector<std::string> CCompareDlg::ListedPaths() const {
    std::vector<std::string> paths;
    for (QTreeWidgetItemIterator row(m_tree); *row != nullptr; ++row) {
        if ((*row)->data(0, kLeafRole).toBool()) {
            paths.push_back((*row)->data(0, kPathRole).toString().toStdString());
        }
    }
    return paths;
}

// A selected group takes all of its channel or memory; its selected rows
// add nothing to that.
void CCompareDlg::TakeSelected() {
    if (m_takeOver == nullptr) {
        return;
    }
    std::vector<std::string> paths;
    for (const QTreeWidgetItem* item : m_tree->selectedItems()) {
        if (item->parent() == nullptr || !item->parent()->isSelected()) {
            paths.push_back(item->data(0, kPathRole).toString().toStdString());
        }
    }
    ShowTaken(m_takeOver->Take(paths));
}

void CCompareDlg::TakeAll() {
    if (m_takeOver != nullptr) {
        ShowTaken(m_takeOver->TakeAll());
    }
}

void CCompareDlg::ShowTaken(int taken) {
    Fill(m_takeOver->Differences());
    const QString summary = m_summary->text();
    m_summary->setText(taken == 1
                           ? tr("1 value taken over. %1").arg(summary)
                           : tr("%1 values taken over. %2").arg(QString::number(taken), summary));
}

void CCompareDlg::Choose(QTreeWidgetItem* item) {
    if (item != nullptr && item->data(0, kLeafRole).toBool()) {
        m_chosen = item->data(0, kPathRole).toString().toStdString();
        accept();
    }
}
