// CPrintGrid: a channel grid as its printout reads it: the title of its
// pages, its columns (titles, alignment and print widths from the sheet
// definition), its rows and the text of each cell.
#pragma once

#include <string>

#include "views/ListSheetDef.h"

class CPrintGrid {
  public:
    virtual ~CPrintGrid() = default;

    // The title printed on each page ("Memory CH", ...).
    virtual std::string Title() const = 0;
    // The columns; the first ColumnCount() of them are printed.
    virtual const ListSheetDef& Definition() const = 0;
    virtual int ColumnCount() const = 0;
    virtual int RowCount() const = 0;
    // Called for every row just before it is printed: a grid on the screen
    // reads the row from the data again.
    virtual void RefreshRow(int row) = 0;
    // The text of a cell (row and column within the grid).
    virtual std::string CellText(int row, int column) const = 0;
};
