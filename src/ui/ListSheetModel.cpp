#include "ui/ListSheetModel.h"

#include <algorithm>

#include "document/NodeChanges.h"

namespace {

Qt::Alignment HeaderAlignment(EColumnAlign alignment) {
    switch (alignment) {
        case EColumnAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case EColumnAlign::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case EColumnAlign::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

int ColumnsWithin(const ListSheetDef& def, int columns) {
    return std::clamp(columns, 0, static_cast<int>(def.columns.size()));
}

}  // namespace

CListSheetModel::CListSheetModel(const ListSheetDef& def, QObject* parent)
    : QAbstractTableModel(parent),
      m_def(def),
      m_rows(std::max(def.rowCount, 0)),
      m_columns(ColumnsWithin(def, def.columnCount)) {}

CListSheetModel::~CListSheetModel() = default;

QString CListSheetModel::CellText(int, int) const {
    return QString();
}

void CListSheetModel::SetShape(int rows, int columns, int channelOffset) {
    beginResetModel();
    m_rows = std::max(rows, 0);
    m_columns = ColumnsWithin(m_def, columns);
    m_channelOffset = channelOffset;
    endResetModel();
}

void CListSheetModel::RowsChanged(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, m_rows - 1);
    if (first > last || m_columns == 0) {
        return;
    }
    emit dataChanged(index(first, 0), index(last, m_columns - 1), {Qt::DisplayRole});
}

void CListSheetModel::AllRowsChanged() {
    RowsChanged(0, m_rows - 1);
}

void CListSheetModel::FollowChange(const SNodeChange&) {
    AllRowsChanged();
}

int CListSheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int CListSheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant CListSheetModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return QVariant();
    }
    return CellText(index.row(), index.column()).left(kMaxCellText);
}

QVariant CListSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns) {
        return QVariant();
    }
    const ListColumnDef& column = m_def.columns[static_cast<size_t>(section)];
    switch (role) {
        case Qt::DisplayRole:
            return QCoreApplication::translate("ListColumnDef", column.title);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                HeaderAlignment(section == 0 ? EColumnAlign::Left : column.alignment));
        default:
            return QVariant();
    }
}

Qt::ItemFlags CListSheetModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
