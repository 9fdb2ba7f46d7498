// CChListPrint: the printout of a channel grid, page by page.
//
// The rows are printed in blocks of as many as fit under the page header
// (with the line of column titles); each block is printed in groups of
// columns that fit across the page, every group on its own page beginning
// with the row labels (column 0). A page carries the grid's title,
// "CP-Z5 Revision.1.0" and "Brel Inc.". Every row of a block is re-read from
// the data (RefreshRow) before it is printed, so the printout shows the
// nodes, not what the grid last drew.
//
// The grid and the canvas are not owned.
#pragma once

#include "print/PrintCanvas.h"

class CPrintGrid;

class CChListPrint {
  public:
    static constexpr const char* kRevision = "CP-Z5 Revision.1.0";
    static constexpr const char* kMaker = "Brel Inc.";

    // Rows that one page holds under the page header in rect, at least 1 and
    // at most rows.
    static int RowsPerPage(CPrintCanvas& canvas, const SPrintRect& rect, int rows);

    // Starts, prints and ends the pages of grid within rect. False when a
    // page failed to end (the job was cancelled or the printer failed);
    // nothing more is printed then.
    static bool PrintPage(CPrintGrid& grid, CPrintCanvas& canvas, const SPrintRect& rect);
};
