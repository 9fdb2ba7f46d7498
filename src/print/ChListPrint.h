// CChListPrint: the printout of a channel grid, page by page.
//
// The rows are printed in blocks of as many as fit under the page header
// (with the line of column titles); each block is printed in groups of
// columns that fit across the page, every group on its own page beginning
// with the row labels (column 0). A page carries the grid's title,
// "CP-Z5 Revision.1.0" and "Brel Inc.". Every row is re-read from the data
// (RefreshRow) before it is printed, so the printout shows the nodes, not
// what the grid last drew.
//
// Only the channels in use may be printed: a row that shows nothing but its
// label (a cleared channel) is then left out, and a list without any
// channel in use prints one page that says so. The first page of a list
// that shows the out-of-band mark explains it in a note under its grid;
// every page of such a list keeps a line free for it.
//
// The grid and the canvas are not owned.
#pragma once

#include "platform/Translation.h"
#include "print/PrintCanvas.h"

class CPrintGrid;

class CChListPrint {
  public:
    static constexpr const char* kRevision = "CP-Z5 Revision.1.0";
    static constexpr const char* kMaker = "Brel Inc.";
    // The notes in English; printed translated.
    static constexpr const char* kOutOfBandNote =
        QT_TRANSLATE_NOOP("CChListPrint", "(!): outside the bands of the radio's version");
    static constexpr const char* kNoChannelNote =
        QT_TRANSLATE_NOOP("CChListPrint", "No channel in use.");

    // Rows that one page holds under the page header in rect, besides
    // noteLines lines of notes: at least 1 and at most rows.
    static int RowsPerPage(CPrintCanvas& canvas, const SPrintRect& rect, int rows,
                           int noteLines = 0);

    // Starts, prints and ends the pages of grid within rect: every row, or
    // only the channels in use. False when a page failed to end (the job
    // was cancelled or the printer failed); nothing more is printed then.
    static bool PrintPage(CPrintGrid& grid, CPrintCanvas& canvas, const SPrintRect& rect,
                          bool inUseOnly = false);
};
