// CChannelCellDelegate: draws the cells of a channel grid as every list row
// does, and makes the editor that fits a cell of a CChannelTableModel: a line
// edit for the frequency and the offset, a name edit (the characters a name
// may hold, at most its length), and a drop-down list of the cell's choices
// for every other column. The editor starts with the model's Qt::EditRole
// text and gives its text back with setData; the model decides what it
// stores.
#pragma once

#include "ui/ListRowDelegate.h"

class CChannelCellDelegate : public CListRowDelegate {
    Q_OBJECT
  public:
    explicit CChannelCellDelegate(CListViewExs* view);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
