// CChannelTableModel: the table of one channel area of the QM-Z5 (memory
// channels, program scan edges or the call channel), read from the active
// document's channel nodes (MCH.CH12.FreqRx and so on) whenever a view asks
// for a cell: column 0 is the row label, the others the channel's leaves; a
// cleared channel (or a missing one) shows only its label, a receive
// frequency outside the radio's band is marked "(!)", and the "Scrambler"
// column shows only when the radio has the scrambler unit.
//
// It follows the document's changes (FollowChange): the rows of its area's
// changed channels, or every row, are drawn again. The model options (the
// version and the units of the radio) are not owned and must outlive the
// model.
#pragma once

#include <string>

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
    // The channel number of a row and the row of a channel number.
    int ChannelOfRow(int row) const { return row + ChannelOffset(); }
    int RowOfChannel(int channel) const { return channel - ChannelOffset(); }

    QString CellText(int row, int column) const override;
    void FollowChange(const SNodeChange& change) override;

    static constexpr int kScramblerColumn = 15;

  private:
    const int m_area;
    const CModelOptions& m_options;
};
