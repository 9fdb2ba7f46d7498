// CListSheetModel: the table behind a list sheet: as many rows as the sheet
// was given and the first columns of its definition, with the column titles
// from the definition and the cell texts from CellText, read whenever a view
// asks for them. Nothing is kept of a cell, so there is nothing to refresh:
// after the data changed, the model only tells its views which rows to draw
// again (RowsChanged, AllRowsChanged). A change of the rows, the columns or
// the channel offset re-makes the table (SetShape).
//
// The base shows no data (every cell empty); a concrete model reads its cells
// from the data it stands for. Cells are read-only here: an editable model
// adds Qt::ItemIsEditable to flags() and writes the data in setData().
#pragma once

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QString>

#include "views/ListSheetDef.h"

struct SNodeChange;

class CListSheetModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // def must live as long as the model (a static record). The table starts
    // with the definition's rows and columns.
    explicit CListSheetModel(const ListSheetDef& def, QObject* parent = nullptr);
    ~CListSheetModel() override;

    // The text of a cell (row and column within the table); "" in the base.
    virtual QString CellText(int row, int column) const;

    // Re-makes the table: rows (at least 0), the first columns of the
    // definition (0 to all of them) and the channel that row 0 shows.
    void SetShape(int rows, int columns, int channelOffset);
    int ChannelOffset() const { return m_channelOffset; }
    const ListSheetDef& Definition() const { return m_def; }

    // The views draw rows first..last again (cut to the table).
    void RowsChanged(int first, int last);
    void AllRowsChanged();
    // The views draw again what a change of the document touches: in the
    // base, every row.
    virtual void FollowChange(const SNodeChange& change);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // Qt::DisplayRole: CellText, at most kMaxCellText characters.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The column titles, and their alignment (column 0 on the left, the
    // others as the definition says).
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static constexpr int kMaxCellText = 512;

  private:
    const ListSheetDef& m_def;
    int m_rows;
    int m_columns;
    int m_channelOffset = 0;
};
