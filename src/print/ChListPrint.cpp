#include "print/ChListPrint.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "print/PrintGrid.h"

namespace {

// The columns of one page: column 0 and the run of columns [first, end).
struct SColumnGroup {
    int first;
    int end;
};

int PrintWidth(const CPrintGrid& sheet, int column, int widthOfW) {
    return sheet.Definition().columns[column].printWidth * widthOfW;
}

// The group that starts at column first: the columns whose print widths,
// added to that of column 0, stay below width. An empty group (end ==
// first) when column first does not fit alone.
SColumnGroup GroupFrom(const CPrintGrid& sheet, int first, int width, int widthOfW) {
    int used = PrintWidth(sheet, 0, widthOfW);
    int end = first;
    while (end < sheet.ColumnCount()) {
        const int next = used + PrintWidth(sheet, end, widthOfW);
        if (next >= width) {
            break;
        }
        used = next;
        ++end;
    }
    return {first, end};
}

// Prints the grid lines of one page: the column titles, then the rows.
class CGridPage {
  public:
    CGridPage(CPrintGrid& sheet, CPrintCanvas& canvas, const SPrintRect& content)
        : m_sheet(sheet),
          m_canvas(canvas),
          m_content(content),
          m_widthOfW(canvas.CharWidth('W')),
          m_step(canvas.LineHeight() * canvas.LineDirection()),
          m_top(content.top) {}

    void PrintTitles(SColumnGroup group) {
        PrintLine(group, [this](int column) {
            return std::string(m_sheet.Definition().columns[column].title);
        });
    }

    void PrintRow(SColumnGroup group, int row) {
        PrintLine(group, [this, row](int column) { return m_sheet.CellText(row, column); });
    }

  private:
    template <class Text>
    void PrintLine(SColumnGroup group, Text text) {
        int left = m_content.left;
        const auto cell = [&](int column) {
            const int right = left + PrintWidth(m_sheet, column, m_widthOfW);
            m_canvas.PrintBoxedText(
                {left, m_top, right, m_top + m_step}, text(column),
                static_cast<int>(m_sheet.Definition().columns[column].alignment));
            left = right;
        };
        cell(0);
        for (int column = group.first; column < group.end; ++column) {
            cell(column);
        }
        m_top += m_step;
    }

    CPrintGrid& m_sheet;
    CPrintCanvas& m_canvas;
    const SPrintRect m_content;
    const int m_widthOfW;
    const int m_step;
    int m_top;
};

// One page: the frame with the sheet's title, then the grid of the rows
// [firstRow, endRow) in the columns of group.
bool PrintGroupPage(CPrintGrid& sheet, CPrintCanvas& canvas, SPrintRect rect, SColumnGroup group,
                    int firstRow, int endRow) {
    if (canvas.StartPrintPage() <= 0) {
        return false;
    }
    canvas.PrintPageHeader(rect, sheet.Title(), CChListPrint::kRevision, "", CChListPrint::kMaker);
    CGridPage page(sheet, canvas, rect);
    page.PrintTitles(group);
    for (int row = firstRow; row < endRow; ++row) {
        page.PrintRow(group, row);
    }
    return canvas.EndPrintPage() >= 0;
}

// The pages of one block of rows, one per group of columns.
bool PrintBlock(CPrintGrid& sheet, CPrintCanvas& canvas, const SPrintRect& rect, int firstRow,
                int endRow) {
    for (int row = firstRow; row < endRow; ++row) {
        sheet.RefreshRow(row);
    }
    const int width = std::abs(rect.right - rect.left);
    const int widthOfW = canvas.CharWidth('W');
    int first = 1;
    while (first < sheet.ColumnCount()) {
        const SColumnGroup group = GroupFrom(sheet, first, width, widthOfW);
        if (group.end == group.first) {
            break;  // a column wider than the page: the rest of the block is left out
        }
        if (!PrintGroupPage(sheet, canvas, rect, group, firstRow, endRow)) {
            return false;
        }
        first = group.end;
    }
    return true;
}

}  // namespace

int CChListPrint::RowsPerPage(CPrintCanvas& canvas, const SPrintRect& rect, int rows) {
    const int height = std::abs(rect.bottom - rect.top) - 2 * canvas.PageHeaderDepth();
    const int lineHeight = std::max(1, canvas.LineHeight());
    // One line of the page holds the column titles.
    const int fitting = height / lineHeight - 1;
    return std::clamp(fitting, 1, std::max(1, rows));
}

bool CChListPrint::PrintPage(CPrintGrid& sheet, CPrintCanvas& canvas, const SPrintRect& rect) {
    const int rows = sheet.RowCount();
    const int perPage = RowsPerPage(canvas, rect, rows);
    for (int first = 0; first < rows; first += perPage) {
        if (!PrintBlock(sheet, canvas, rect, first, std::min(rows, first + perPage))) {
            return false;
        }
    }
    return true;
}
