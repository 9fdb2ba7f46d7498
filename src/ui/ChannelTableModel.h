// CChannelTableModel: the table of one channel area of the QM-Z5 (memory
// channels, program scan edges or the call channel), read from the active
// document's channel nodes (MCH.CH12.FreqRx and so on) whenever a view asks
// for a cell: column 0 is the row label, the others the channel's leaves; a
// cleared channel (or a missing one) shows only its label, a receive
// frequency outside the radio's band is marked "(!)", and the "Scrambler"
// column shows only when the radio has the scrambler unit.
//
// Cells edit in place (flags, data with Qt::EditRole, setData) as the
// column catalogue (CChannelColumns) says: a text the cell refuses is told
// by RefusalOf and changes nothing. The row label does not edit; on a
// cleared channel only the frequency does (the call channel: every cell),
// and a commit first makes it a fresh channel in use. A stored edit is told
// by ChannelEdited; telling the document is the sheet's part. Set Field
// writes one cell of several rows (WriteCell) after asking each row
// (RefusalForMany), and tells the document itself.
//
// Rows move by drag and drop once a row mover is set (SetRowMover; never
// on the call channel): a drag carries a token of our own MIME type that
// stands for the rows the model handed out, and a drop is taken only with
// the token of the drag this model started last, once; a drop of anything
// else (another program's data, an old or forged token) changes nothing.
// The rows dropped onto a row or between rows go before it; dropped below
// the last row, to the end. The mover carries the move out.
//
// It follows the document's changes (FollowChange): the rows of its area's
// changed channels, or every row, are drawn again. The model options (the
// version and the units of the radio) are not owned and must outlive the
// model.
#pragma once

#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/ChannelColumns.h"
#include "ui/ListSheetModel.h"

class CModelOptions;
class CNode;

class CChannelTableModel : public CListSheetModel {
    Q_OBJECT
  public:
    // A table of area (kAreaMemory, kAreaScanEdge or kAreaCall; any other
    // number counts as kAreaMemory) with the columns of def.
    CChannelTableModel(const ListSheetDef& def, int area, const CModelOptions& options,
                       QObject* parent = nullptr);
    ~CChannelTableModel() override;

    // The number of rows of an area (100, 6, 1), 0 for another number.
    static int RowsOfArea(int area);
    int Area() const { return m_area; }

    // The row's label ("00".."99", "1A".."3B", "00").
    QString RowLabel(int row) const;
    // The dotted path of the row's channel node ("MCH.CH12").
    std::string ChannelPath(int row) const;
    // The channel node of a row of the table, or nullptr.
    CNode* ChannelNode(int row) const;
    // The channel nodes of every row, in row order (nullptr for a missing one).
    std::vector<CNode*> ChannelNodes() const;
    // The channel number of a row and the row of a channel number.
    int ChannelOfRow(int row) const { return row + ChannelOffset(); }
    int RowOfChannel(int channel) const { return channel - ChannelOffset(); }

    // The channel of a row as the user's messages name it: "CH 12", "scan
    // edge 1A", "call channel".
    QString ChannelName(int row) const;
    // Whether the row's channel is in use (not cleared, not missing).
    bool IsInUse(int row) const;

    QString CellText(int row, int column) const override;
    void FollowChange(const SNodeChange& change) override;

    // Why the cell refuses a text typed into its editor (a frequency that
    // is no frequency or out of range, a text not in its list), in words for
    // the user; "" when it takes it or does not edit.
    QString RefusalOf(const QModelIndex& index, const QString& text) const;
    // Why the channel of row cannot take text in column when one field of
    // several channels is set at once: a column that does not edit in this
    // area ("Skip" of a scan edge), a text the cell refuses, or a receive
    // frequency outside the radio's band; "" when it can.
    QString RefusalForMany(int row, int column, const QString& text) const;
    // Stores text into the cell as an edit does (a cleared channel becomes a
    // fresh channel in use first), telling no one. Refused (and nothing
    // changed) when the cell does not edit or refuses the text; Unchanged
    // when the text says what the cell holds.
    enum class ECellWrite { Refused, Unchanged, Written };
    ECellWrite WriteCell(int row, int column, const QString& text);

    // Qt::EditRole: the text an editor starts with (a frequency without its
    // band mark; "" for a cleared channel). Qt::AccessibleDescriptionRole:
    // what a screen reader adds to the shown text (CChannelGrid::CellMeaning).
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Stores a text given with Qt::EditRole into the cell's channel; false
    // when the cell does not edit or refuses the text (nothing changes then).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Moves rows (in order, at least one) to stand before row before
    // (rowCount(): at the end); true when they moved.
    using RowMover = std::function<bool(const std::vector<int>& rows, int before)>;
    // Rows drag and drop with a mover; an empty one (the start) turns it off.
    void SetRowMover(RowMover mover);
    bool MovesRows() const;
    static constexpr const char* kRowsMimeType = "application/x-cpz5-channel-rows";

    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    // The token of a drag of the rows of indexes.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    // Rows are never removed: after a drag the view asks to remove the rows
    // it dragged from, which the move has put elsewhere already.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

  signals:
    // The channel of row was changed by an edit of one of its cells.
    void ChannelEdited(int row);

  private:
    bool HasScrambler() const;
    bool IsColumnShown(int column) const;
    bool IsCellEditable(int row, int column) const;
    QString EditText(int row, int column) const;
    QString BandRefusal(const CNode& channel, const QString& text) const;
    bool IsOurDrag(const QMimeData* data, Qt::DropAction action) const;

    // The rows of the drag this model started last and its token (0: none).
    struct SDrag {
        std::uint64_t token = 0;
        std::vector<int> rows;
    };

    const int m_area;
    const CModelOptions& m_options;
    RowMover m_rowMover;
    mutable SDrag m_drag;
};
