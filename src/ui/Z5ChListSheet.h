// CZ5ChListSheet: the grid of one channel area of the QM-Z5 (memory
// channels, program scan edges or the call channel). It shows the area's
// CChannelTableModel, which reads every cell from the channel's nodes of the
// active document: a cleared channel shows only its row label, a receive
// frequency outside the radio's band is marked "(!)", and the "Scrambler"
// column exists only when the radio has the scrambler unit.
//
// Editing: Edit Memory opens the channel edit dialog for the (first)
// selected row (under the command busy flag). The other Edit operations act
// on every selected row:
// - Set Field (Edit > Set Field..., or Ctrl+Enter in a cell editor) gives
//   one field the same text on every selected channel in use, with the
//   cell's rules; the channels that cannot take it are listed afterwards
//   and left as they are, cleared channels are never put in use by it.
// - Copy puts the channels on the system clipboard (CChannelClipboard: the
//   records, and the CSV rows as text).
// - Paste writes the copied channels onto consecutive channels from the
//   first selected row, in their order: records as they are, text rows after
//   the checks of the CSV import (values it stores otherwise than written,
//   such as a rounded frequency, are listed afterwards). Program scan edges
//   and the call channel never take "Skip". Rows that do not fit before the end of the area, and
//   bad text rows, are listed in a question ("Paste the good rows?" / "Paste
//   the rows that fit?"); No changes nothing, Yes pastes the rest. A single
//   record that fits pastes without a question.
// - Clear empties the channels; Cut copies, then clears them.
// - Delete removes the channels: those below move up and the area is filled
//   up with cleared channels at its end. It asks "Delete CH ?" once when any
//   of them is in use.
// - Insert puts as many cleared channels as rows are selected at the first
//   selected row; the channels from there move down and the last ones drop
//   off the end. It asks "CH overflow\nLast channel will be deleted." once
//   when a channel in use would drop off.
// Without an answer Yes nothing changes. A moved channel keeps every field,
// its reverse setting included. Each operation is one change told to the
// document through the host (NodesChanged), named "Delete 3 channels" and so
// on when it touched more than one channel: the document marks itself
// modified, takes it as one step of Undo, and every view follows.
//
// A click on a column header of the memory channels sorts them by that
// column (CChannelRowOrder), a second click the other way; the header shows
// the order until the channels change. Cleared memory channels may be hidden
// (SetRowsInUseOnly).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "interchange/ChannelClipRecord.h"
#include "model/Z5ChannelOrder.h"
#include "ui/ListSheet.h"

class CChannelTableModel;
class CNode;

class CZ5ChListSheet : public CListSheet {
    Q_OBJECT
  public:
    // A sheet of the given area (kAreaMemory, kAreaScanEdge or kAreaCall).
    CZ5ChListSheet(int area, CListSheetHost& host, CSettingsStore& settings,
                   QWidget* parent = nullptr);
    ~CZ5ChListSheet() override;

    // The definition shared by the three sheets.
    static const ListSheetDef& Definition();
    // The number of rows of an area (100, 6, 1), 0 for another number.
    static int RowsOfArea(int area);
    // The columns the sheets show: 16 with the scrambler unit, else 15.
    static int ColumnsFor(bool scrambler);

    int GetArea() const { return m_area; }

    // The row's label ("00".."99", "1A".."3B", "00").
    QString RowLabel(int row) const;
    // The dotted path of the row's channel node ("MCH.CH12").
    std::string ChannelPath(int row) const;

    // The channel node of a row, or nullptr.
    CNode* ChannelNode(int row) const;

    // Gives column (of the catalogue, CChannelColumns) the text on every
    // selected channel in use that takes it, as one step of Undo ("Set
    // CTCSS on 20 channels"); the others are listed in a message. False
    // when no channel took it.
    bool SetField(int column, const QString& text);
    // Sorts the memory channels by key as one step of Undo and shows the
    // order in the header; false when not sorted (not the memory channels,
    // a cell editor that keeps a refused text, another command running).
    bool SortBy(z5channel::ESortKey key, bool descending);

    void EditItem() override;
    void SetFieldItem() override;
    void CutItem() override;
    void CopyItem() override;
    void ClearRow(int row) override;
    void ClearItem() override;
    void PasteItem() override;
    void DeleteItem() override;
    void InsertItem() override;
    bool ClipboardHasData() const override;

  protected:
    bool IsRowInUse(int row) const override;

  private:
    // The header's order: the column (-1: none) and its direction.
    struct SHeaderSort {
        int column = -1;
        bool descending = false;
    };

    CChannelTableModel& Table() const;
    std::vector<int> SelectedRowsInUse() const;
    void SetOnSelection(QWidget* editor);
    std::string RefusedText(const QString& title, const QString& text,
                            const std::vector<std::pair<int, QString>>& refused,
                            bool noneSet) const;
    void ClearSelected(const char* stepName);
    void SetUpHeaderSort();
    void SortByColumn(int column);
    void ShowHeaderSort();
    void Say(const QString& text) const;
    void ChannelsChanged(int firstRow, int lastRow, const char* stepName = nullptr, int count = 1);
    bool IsCleared(int row) const;
    bool AskYes(const std::string& question, unsigned icon) const;
    void Tell(const std::string& text) const;
    void MoveChannel(int from, int to);
    void PasteRecords(int first, const std::vector<ChannelClipRecord>& records);
    void PasteText(int first, const std::string& text);

    const int m_area;
    SHeaderSort m_headerSort;
};
