// The static description of a list sheet: its columns, its rows and where
// its column widths are kept. One constant record per kind of sheet.
#pragma once

#include <span>

// Colour of a column as 0xRRGGBB, or kDefaultColour for the list's own.
constexpr long kDefaultColour = -1;

enum class EColumnAlign { Left = 0, Right = 1, Center = 2 };

struct ListColumnDef {
    // In English; the screen and the paper show it translated, with the
    // context "ListColumnDef" (CSV headers are not these titles).
    const char* title;
    EColumnAlign alignment;
    int defaultWidth;  // pixels
    int minWidth;
    int maxWidth;
    long textColour;
    long backColour;
    int printWidth;  // characters
};

struct ListSheetDef {
    const char* title;
    int rowCount;                 // rows made when the sheet is created
    int columnCount;              // columns made when the sheet is created (at most columns.size())
    const char* registrySection;  // settings section of the column widths
    int contextMenuId;            // 0: no context menu
    std::span<const ListColumnDef> columns;
};
