#include "app/Z5TreeView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/ToolbarIcons.h"
#include "model/Z5Areas.h"

namespace {

constexpr int kDataRole = Qt::UserRole;

// The picture of an area: a small grid of channel rows.
QIcon AreaIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, 13, 11);
    for (int y = 5; y < 13; y += 3) {
        painter.drawLine(2, y, 13, y);
    }
    painter.drawLine(5, 3, 5, 12);
    return QIcon(pixmap);
}

}  // namespace

CZ5TreeView::CZ5TreeView(QWidget* parent)
    : QTreeWidget(parent), m_rootIcon(CToolbarIcons::ProgramIcon()), m_areaIcon(AreaIcon()) {
    setObjectName(QStringLiteral("CZ5TreeView"));
    setHeaderHidden(true);
    setColumnCount(1);
    // What a screen reader calls the tree and its one (hidden) column.
    setAccessibleName(tr("Areas"));
    setHeaderLabel(tr("Areas"));
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(false);
    setTabKeyNavigation(false);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CZ5TreeView::OnSelectionChanged);
}

CZ5TreeView::~CZ5TreeView() = default;

int CZ5TreeView::AreaOfData(int data) {
    return data >= kMemoryData && data <= kCallData ? data - kMemoryData + kAreaMemory : -1;
}

int CZ5TreeView::SelectedData() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : items.first()->data(0, kDataRole).toInt();
}

QTreeWidgetItem* CZ5TreeView::FindData(int data) const {
    QTreeWidgetItem* root = topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
    if (root == nullptr) {
        return nullptr;
    }
    if (root->data(0, kDataRole).toInt() == data) {
        return root;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->data(0, kDataRole).toInt() == data) {
            return root->child(i);
        }
    }
    return nullptr;
}

void CZ5TreeView::SelectData(int data) {
    if (QTreeWidgetItem* item = FindData(data)) {
        setCurrentItem(item);
    }
}

void CZ5TreeView::RebuildTree() {
    const int remembered = SelectedData() >= 0 ? SelectedData() : kMemoryData;
    {
        const QSignalBlocker quiet(this);
        clear();
        auto* root = new QTreeWidgetItem(this, {QStringLiteral("QM-Z5")});
        root->setData(0, kDataRole, kRootData);
        root->setIcon(0, m_rootIcon);
        for (const z5area::SArea* area : z5area::ChannelAreas()) {
            auto* item =
                new QTreeWidgetItem(root, {QCoreApplication::translate("z5area", area->title)});
            item->setData(0, kDataRole, kMemoryData + area->listArea - kAreaMemory);
            item->setIcon(0, m_areaIcon);
        }
        root->setExpanded(true);
        QTreeWidgetItem* selected = FindData(remembered);
        if (selected == nullptr || selected == root) {
            selected = root->child(0);
        }
        setCurrentItem(selected);
    }
    OnSelectionChanged();
}

void CZ5TreeView::OnSelectionChanged() {
    const QList<QTreeWidgetItem*> items = selectedItems();
    if (!items.isEmpty()) {
        ChooseItem(items.first());
    }
}

bool CZ5TreeView::ChooseItem(QTreeWidgetItem* item) {
    const int area = item != nullptr ? AreaOfData(item->data(0, kDataRole).toInt()) : -1;
    if (area < 0) {
        return false;
    }
    emit AreaChosen(area);
    return true;
}

// Tab leaves the tree for the list.
bool CZ5TreeView::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            emit FocusListRequested();
            return true;
        }
    }
    return QTreeWidget::event(event);
}

// Enter on an area shows it again; on the root it opens or closes the tree.
void CZ5TreeView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (ChooseItem(currentItem())) {
            return;
        }
        if (QTreeWidgetItem* item = currentItem()) {
            item->setExpanded(!item->isExpanded());
        }
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CZ5TreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (ChooseItem(item)) {
        return;
    }
    if (item != nullptr) {
        item->setExpanded(!item->isExpanded());
    }
}
