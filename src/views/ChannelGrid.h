// CChannelGrid: the channel grids of the QM-Z5 as the windows and the
// printout show them: the 16 columns shared by the three areas (memory
// channels, program scan edges, the call channel), their titles, the row
// labels and the text of every cell, read from the channel nodes.
//
// A cleared channel (or a missing one) shows only its row label, a receive
// frequency outside the radio's band is marked "(!)", and the "Scrambler"
// column shows only when the radio has the scrambler unit.
#pragma once

#include <string>

#include "views/ListSheetDef.h"

class CModelOptions;
class CNode;

class CChannelGrid {
  public:
    static constexpr int kScramblerColumn = 15;
    // What follows a receive frequency outside the radio's bands.
    static constexpr const char* kOutOfBandMark = "(!)";

    // The columns of the three grids; the definition's title is that of the
    // memory channels.
    static const ListSheetDef& Definition();
    // The columns shown: 16 with the scrambler unit, else 15.
    static int ColumnsFor(bool scrambler);
    // The number of rows of an area (kAreaMemory 100, kAreaScanEdge 6,
    // kAreaCall 1), 0 for another number.
    static int RowsOfArea(int area);
    // The title of an area ("Memory CH", "Program scan edge", "Call"), or
    // nullptr for another number.
    static const char* AreaTitle(int area);

    // The row's label ("00".."99", "1A".."3B", "00"); another area counts as
    // the memory channels.
    static std::string RowLabel(int area, int row);
    // The dotted path of a channel of an area ("MCH.CH12").
    static std::string ChannelPath(int area, int channel);
    // True for a channel that shows only its label: cleared, or missing.
    static bool ShowsCleared(const CNode* channel);
    // The text of column 1..15 of channel; "" for column 0 and other
    // numbers, a channel that shows cleared, and the scrambler column
    // without the unit.
    static std::string CellText(const CNode* channel, int column, const CModelOptions& options);
    // The text of column 1..15 as the channel's leaves give it, whatever the
    // radio: no band mark, the scrambler column also without the unit (what
    // a cell editor starts with); "" for other columns and a missing channel.
    static std::string LeafText(const CNode* channel, int column);
};
