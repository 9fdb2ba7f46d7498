// CChannelGrid: the channel grids of the QM-Z5 as the windows and the
// printout show them, in one table of columns that everything dealing with a
// column reads: the 16 columns shared by the three areas (memory channels,
// program scan edges, the call channel) with their titles, widths and print
// widths, the leaf each shows, the text of every cell, the order a header
// click sorts by, and how a column takes part in editing; besides, the row
// labels and the areas' titles. (How a column edits on screen, with Qt's
// editors, is CChannelColumns of the desktop program, on top of this.)
//
// A cleared channel (or a missing one) shows only its row label, a receive
// frequency outside the radio's band is marked "(!)", and the "Scrambler"
// column shows only when the radio has the scrambler unit. Column numbers
// out of range are answered as the row label is: no leaf, no sort, no text.
#pragma once

#include <optional>
#include <string>

#include "model/Z5ChannelOrder.h"
#include "views/ListSheetDef.h"

class CModelOptions;
class CNode;

class CChannelGrid {
  public:
    static constexpr int kColumnCount = 16;
    static constexpr int kScramblerColumn = 15;
    // What follows a receive frequency outside the radio's bands.
    static constexpr const char* kOutOfBandMark = "(!)";

    // How a column takes part in editing.
    enum EColumnRole : unsigned {
        kEditsCleared = 1,   // typing into it puts a cleared channel in use (the frequency)
        kSetsMany = 2,       // a field many channels share (Set Field offers it)
        kMemoryOnly = 4,     // only memory channels have it (Skip)
        kScramblerUnit = 8,  // only a radio with the scrambler unit has it
        kChecksBand = 16,    // a receive frequency, which should lie in the radio's band
    };

    // The columns of the three grids; the definition's title is that of the
    // memory channels.
    static const ListSheetDef& Definition();
    // The columns shown: 16 with the scrambler unit, else 15.
    static int ColumnsFor(bool scrambler);
    // The number of rows of an area (kAreaMemory 100, kAreaScanEdge 6,
    // kAreaCall 1), 0 for another number.
    static int RowsOfArea(int area);
    // The title of an area in English ("Memory CH", "Program scan edge",
    // "Call"; shown translated with the context "z5area"), or nullptr for
    // another number.
    static const char* AreaTitle(int area);

    // The row's label ("00".."99", "1A".."3B", "00"); another area counts as
    // the memory channels.
    static std::string RowLabel(int area, int row);
    // The dotted path of a channel of an area ("MCH.CH12").
    static std::string ChannelPath(int area, int channel);
    // True for a channel that shows only its label: cleared, or missing.
    static bool ShowsCleared(const CNode* channel);
    // The text of column 1..15 of channel (the flag columns' words
    // translated, the radio's data as it is); "" for column 0 and other
    // numbers, a channel that shows cleared, and the scrambler column
    // without the unit.
    static std::string CellText(const CNode* channel, int column, const CModelOptions& options);
    // What a cell means where its text alone does not say it, for a screen
    // reader: "outside the radio's receive range" for a frequency marked
    // "(!)", "Reverse: off" or "TX Power: High" for a flag column left
    // blank, the DTCS polarity; "not in use" for the row label of a channel
    // that shows cleared; "" for every other cell. In the user's language;
    // the choice texts in it stay as the radio shows them.
    static std::string CellMeaning(const CNode* channel, int column, const CModelOptions& options);
    // The text of column 1..15 as the channel's leaves give it, whatever the
    // radio: no band mark, the scrambler column also without the unit (what
    // a cell editor starts with); "" for other columns and a missing channel.
    static std::string LeafText(const CNode* channel, int column);

    // The column's title in English ("Frequency"; "CH" for the row label),
    // shown translated with the context "ListColumnDef".
    static const char* Title(int column);
    // The leaf a column shows and edits (for "DTCS" the code, for "Scrambler"
    // the code); nullptr for the row label.
    static const char* Leaf(int column);
    // The order a click on the column's header sorts by; none for the row
    // label.
    static std::optional<z5channel::ESortKey> SortKey(int column);
    // Whether the column has role.
    static bool Has(int column, EColumnRole role);
};
