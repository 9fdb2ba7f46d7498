// CZ5ChListSheet: the grid of one channel area of the QM-Z5 (memory
// channels, program scan edges or the call channel). It shows the area's
// CChannelTableModel, which reads every cell from the channel's nodes of the
// active document: a cleared channel shows only its row label, a receive
// frequency outside the radio's band is marked "(!)", and the "Scrambler"
// column exists only when the radio has the scrambler unit.
//
// Editing: Edit Memory opens the channel edit dialog for the selected row
// (under the command busy flag); Copy puts the channel on the system
// clipboard as a ChannelClipRecord and Paste writes such a record onto the
// selected channel (program scan edges and the call channel never take
// "Skip"); Clear empties a channel; Delete moves the channels below the
// selected one up by one and clears the last, Insert moves them down and
// clears the selected one. Delete asks "Delete CH ?" before it removes a
// channel in use, Insert "CH overflow\nLast channel will be deleted."
// before it pushes out a last channel in use; without an answer Yes nothing
// changes. A moved channel keeps every field, its reverse setting included.
// Every change is told to the document through the host (NodesChanged): the
// document marks itself modified and every view follows its announcement.
#pragma once

#include <string>

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

    // True when a receive frequency (Hz) is allowed for the model version,
    // with or without the receive range extension unit.
    static bool IsInBand(long long hertz, int version, bool rxExpansion);

    // The channel node of a row, or nullptr.
    CNode* ChannelNode(int row) const;

    void EditItem() override;
    void CopyItem() override;
    void ClearRow(int row) override;
    void ClearItem() override;
    void PasteItem() override;
    void DeleteItem() override;
    void InsertItem() override;
    bool ClipboardHasData() const override;

  private:
    const CChannelTableModel& Table() const;
    void ChannelsChanged(int firstRow, int lastRow);
    bool IsCleared(int row) const;
    bool AskYes(const char* question, unsigned icon) const;
    void MoveChannel(int from, int to);
    void ShiftChannels(int first, int end, int step, int clearedRow);

    const int m_area;
};
