// CChannelRowOrder: the channels of a channel sheet put in another order as
// one change of the document: a sort of the memory channels, rows moved by
// drag and drop, or the selected rows moved one up or down (Move Up, Move
// Down). Every channel moves whole (z5channel::Reorder); the document hears
// of the rows between the first and the last that changed, in one
// announcement named after what was done ("Sort by frequency", "Move CH 3",
// "Move 3 channels"), so that one Undo takes it back. Nothing changes on the
// call channel, on a sheet that does not edit, or while another command runs
// (the host's command busy flag).
//
// The functions take the sheet and its host (the window that tells the
// document); the sheet must show a CChannelTableModel.
#pragma once

#include <QtGlobal>
#include <vector>

#include "model/Z5ChannelOrder.h"

class CListSheet;
class CListSheetHost;

class CChannelRowOrder {
  public:
    // Lets the rows of sheet be dragged and dropped between its rows (a drop
    // moves them there, as Move does) from now on.
    static void EnableDragAndDrop(CListSheet& sheet, CListSheetHost& host);

    // Moves rows to stand together before row before (the row count: at the
    // end), the rows in between shifting, and selects them at their new
    // place. False when nothing moved.
    static bool Move(CListSheet& sheet, CListSheetHost& host, const std::vector<int>& rows,
                     int before);
    // Moves the selected rows one row up (step -1) or down (+1).
    static bool Step(CListSheet& sheet, CListSheetHost& host, int step);
    // Whether Step can move the selected rows that way.
    static bool CanStep(const CListSheet& sheet, int step);

    // Sorts the memory channels of sheet (the sheet of the memory channels)
    // by key, lowest first unless descending. False when nothing changed:
    // not the memory channels, or they stand in that order already.
    static bool Sort(CListSheet& sheet, CListSheetHost& host, z5channel::ESortKey key,
                     bool descending = false);
    // Whether sheet shows memory channels that may be sorted.
    static bool CanSort(const CListSheet& sheet);
    // Whether the memory channels of sheet stand in the order of key.
    static bool IsSorted(const CListSheet& sheet, z5channel::ESortKey key, bool descending);
    // What the user is told when a sort finds the channels in order (in
    // English; shown translated).
    static constexpr const char* kInOrderAlready =
        QT_TRANSLATE_NOOP("CChannelRowOrder", "The memory channels are in that order already.");
};
