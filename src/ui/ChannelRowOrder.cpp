#include "ui/ChannelRowOrder.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <algorithm>
#include <string>

#include "model/Z5ChannelOrder.h"
#include "platform/Translation.h"
#include "ui/ChannelTableModel.h"
#include "ui/ListSheet.h"
#include "ui/ListSheetCommand.h"
#include "ui/ListSheetHost.h"

namespace {

CChannelTableModel* TableOf(const CListSheet& sheet) {
    return qobject_cast<CChannelTableModel*>(sheet.model());
}

// A table whose rows may change places.
CChannelTableModel* ReorderableTable(const CListSheet& sheet) {
    CChannelTableModel* table = TableOf(sheet);
    return table != nullptr && table->Area() != kAreaCall && sheet.IsEditable() ? table : nullptr;
}

std::string MoveName(const CChannelTableModel& table, const std::vector<int>& rows) {
    const QString name =
        rows.size() == 1
            ? QCoreApplication::translate("CChannelRowOrder", "Move %1")
                  .arg(table.ChannelName(rows.front()))
            : QCoreApplication::translate("CChannelRowOrder", "Move %1 channels").arg(rows.size());
    return name.toStdString();
}

z5channel::ChannelOrder SortedOrder(const CChannelTableModel& table, z5channel::ESortKey key,
                                    bool descending) {
    const std::vector<CNode*> channels = table.ChannelNodes();
    const std::vector<const CNode*> shown(channels.begin(), channels.end());
    return z5channel::SortedOrder(shown, key, descending);
}

// Selects rows first..last alone; the current cell goes to the first, in
// the column it was in.
void SelectRows(CListSheet& sheet, int first, int last) {
    const QAbstractItemModel& model = *sheet.model();
    const int column = std::max(0, sheet.currentIndex().column());
    sheet.selectionModel()->setCurrentIndex(model.index(first, column),
                                            QItemSelectionModel::NoUpdate);
    sheet.selectionModel()->select(
        QItemSelection(model.index(first, 0), model.index(last, model.columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    sheet.scrollTo(model.index(first, column));
}

// Carries order out on the rows of table and tells the document once.
bool Apply(CChannelTableModel& table, CListSheetHost& host, const z5channel::ChannelOrder& order,
           std::string stepName) {
    if (order.empty() || z5channel::KeepsEveryPlace(order)) {
        return false;
    }
    const CListSheetCommand command(host);
    if (!command.Entered()) {
        return false;
    }
    if (!z5channel::Reorder(table.ChannelNodes(), order)) {
        return false;
    }
    const z5channel::SPlaces places = z5channel::ChangedPlaces(order);
    SNodeChange change = SNodeChange::Channels(table.Area(), table.ChannelOfRow(places.first),
                                               table.ChannelOfRow(places.last));
    change.stepName = std::move(stepName);
    host.NodesChanged(change);
    return true;
}

}  // namespace

void CChannelRowOrder::EnableDragAndDrop(CListSheet& sheet, CListSheetHost& host) {
    CChannelTableModel* table = TableOf(sheet);
    if (table == nullptr) {
        return;
    }
    table->SetRowMover([&sheet, &host](const std::vector<int>& rows, int before) {
        return Move(sheet, host, rows, before);
    });
    sheet.setDragEnabled(true);
    sheet.setDragDropMode(QAbstractItemView::InternalMove);
    sheet.setDefaultDropAction(Qt::MoveAction);
    // Drops fall between rows; after a move the view does not clear the
    // cells it dragged from.
    sheet.setDragDropOverwriteMode(false);
    sheet.setDropIndicatorShown(true);
}

bool CChannelRowOrder::Move(CListSheet& sheet, CListSheetHost& host, const std::vector<int>& rows,
                            int before) {
    CChannelTableModel* table = ReorderableTable(sheet);
    if (table == nullptr) {
        return false;
    }
    const z5channel::ChannelOrder order = z5channel::MovedOrder(table->rowCount(), rows, before);
    if (!Apply(*table, host, order, MoveName(*table, rows))) {
        return false;
    }
    const auto first = std::find_if(order.begin(), order.end(), [&rows](int row) {
        return std::find(rows.begin(), rows.end(), row) != rows.end();
    });
    const int firstRow = static_cast<int>(first - order.begin());
    const int moved = static_cast<int>(std::count_if(first, order.end(), [&rows](int row) {
        return std::find(rows.begin(), rows.end(), row) != rows.end();
    }));
    SelectRows(sheet, firstRow, firstRow + moved - 1);
    return true;
}

bool CChannelRowOrder::CanStep(const CListSheet& sheet, int step) {
    const CChannelTableModel* table = ReorderableTable(sheet);
    const std::vector<int> rows = sheet.SelectedRows();
    if (table == nullptr || rows.empty()) {
        return false;
    }
    return step < 0 ? rows.front() > 0 : rows.back() < table->rowCount() - 1;
}

bool CChannelRowOrder::Step(CListSheet& sheet, CListSheetHost& host, int step) {
    if (!CanStep(sheet, step)) {
        return false;
    }
    const std::vector<int> rows = sheet.SelectedRows();
    return Move(sheet, host, rows, step < 0 ? rows.front() - 1 : rows.back() + 2);
}

bool CChannelRowOrder::CanSort(const CListSheet& sheet) {
    const CChannelTableModel* table = ReorderableTable(sheet);
    return table != nullptr && table->Area() == kAreaMemory;
}

bool CChannelRowOrder::Sort(CListSheet& sheet, CListSheetHost& host, z5channel::ESortKey key,
                            bool descending) {
    if (!CanSort(sheet)) {
        return false;
    }
    CChannelTableModel& table = *TableOf(sheet);
    return Apply(table, host, SortedOrder(table, key, descending),
                 z5channel::SortName(key, descending, &CTranslation::Tr));
}

bool CChannelRowOrder::IsSorted(const CListSheet& sheet, z5channel::ESortKey key, bool descending) {
    return CanSort(sheet) &&
           z5channel::KeepsEveryPlace(SortedOrder(*TableOf(sheet), key, descending));
}
