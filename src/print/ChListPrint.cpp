#include "print/ChListPrint.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "platform/Translation.h"
#include "print/PrintGrid.h"
#include "views/ChannelGrid.h"

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

bool HasMark(const std::string& text) {
    return text.find(CChannelGrid::kOutOfBandMark) != std::string::npos;
}

// Whether a cell of the row after its label passes the test.
template <class Test>
bool AnyCell(const CPrintGrid& grid, int row, Test test) {
    for (int column = 1; column < grid.ColumnCount(); ++column) {
        if (test(grid.CellText(row, column))) {
            return true;
        }
    }
    return false;
}

// Whether a row shows more than its label: a channel in use.
bool ShowsChannel(const CPrintGrid& grid, int row) {
    return AnyCell(grid, row, [](const std::string& text) { return !text.empty(); });
}

bool ShowsMark(const CPrintGrid& grid, int row) {
    return AnyCell(grid, row, HasMark);
}

// The rows printed, each read from the data first.
std::vector<int> RowsToPrint(CPrintGrid& grid, bool inUseOnly) {
    std::vector<int> rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        grid.RefreshRow(row);
        if (!inUseOnly || ShowsChannel(grid, row)) {
            rows.push_back(row);
        }
    }
    return rows;
}

// Prints the lines of one page: the column titles, the rows, a note.
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
            return CTranslation::Tr("ListColumnDef", m_sheet.Definition().columns[column].title);
        });
    }

    void PrintRow(SColumnGroup group, int row) {
        PrintLine(group, [this, row](int column) { return m_sheet.CellText(row, column); });
    }

    void PrintNote(const std::string& text) {
        m_canvas.PrintNote({m_content.left, m_top, m_content.right, m_top + m_step}, text);
        m_top += m_step;
    }

    // Whether a cell printed so far carries the out-of-band mark.
    bool ShowedMark() const { return m_showedMark; }

  private:
    template <class Text>
    void PrintLine(SColumnGroup group, Text text) {
        int left = m_content.left;
        const auto cell = [&](int column) {
            const int right = left + PrintWidth(m_sheet, column, m_widthOfW);
            const std::string cellText = text(column);
            m_showedMark = m_showedMark || HasMark(cellText);
            m_canvas.PrintBoxedText(
                {left, m_top, right, m_top + m_step}, cellText,
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
    bool m_showedMark = false;
};

// The pages of one grid.
class CListPrintout {
  public:
    CListPrintout(CPrintGrid& sheet, CPrintCanvas& canvas, const SPrintRect& rect, bool inUseOnly)
        : m_sheet(sheet),
          m_canvas(canvas),
          m_rect(rect),
          m_rows(RowsToPrint(sheet, inUseOnly)),
          m_width(std::abs(rect.right - rect.left)),
          m_widthOfW(canvas.CharWidth('W')) {}

    bool Print() {
        if (m_rows.empty()) {
            return PrintGroupPage(GroupFrom(m_sheet, 1, m_width, m_widthOfW), {},
                                  CChListPrint::kNoChannelNote);
        }
        const bool marked = std::any_of(m_rows.begin(), m_rows.end(),
                                        [this](int row) { return ShowsMark(m_sheet, row); });
        const std::size_t perPage = static_cast<std::size_t>(CChListPrint::RowsPerPage(
            m_canvas, m_rect, static_cast<int>(m_rows.size()), marked ? 1 : 0));
        const std::span<const int> rows(m_rows);
        for (std::size_t first = 0; first < rows.size(); first += perPage) {
            if (!PrintBlock(rows.subspan(first, std::min(perPage, rows.size() - first)))) {
                return false;
            }
        }
        return true;
    }

  private:
    // The pages of one block of rows, one per group of columns.
    bool PrintBlock(std::span<const int> rows) {
        int first = 1;
        while (first < m_sheet.ColumnCount()) {
            const SColumnGroup group = GroupFrom(m_sheet, first, m_width, m_widthOfW);
            if (group.end == group.first) {
                break;  // a column wider than the page: the rest of the block is left out
            }
            if (!PrintGroupPage(group, rows, nullptr)) {
                return false;
            }
            first = group.end;
        }
        return true;
    }

    // One page: the frame with the sheet's title, the grid of the rows in
    // the columns of group, then note (or the mark's note the first time).
    bool PrintGroupPage(SColumnGroup group, std::span<const int> rows, const char* note) {
        if (m_canvas.StartPrintPage() <= 0) {
            return false;
        }
        SPrintRect rect = m_rect;
        m_canvas.PrintPageHeader(rect, m_sheet.Title(), CChListPrint::kRevision, "",
                                 CChListPrint::kMaker);
        CGridPage page(m_sheet, m_canvas, rect);
        page.PrintTitles(group);
        for (int row : rows) {
            page.PrintRow(group, row);
        }
        if (note == nullptr && page.ShowedMark() && !m_markNoted) {
            note = CChListPrint::kOutOfBandNote;
            m_markNoted = true;
        }
        if (note != nullptr) {
            page.PrintNote(CTranslation::Tr("CChListPrint", note));
        }
        return m_canvas.EndPrintPage() >= 0;
    }

    CPrintGrid& m_sheet;
    CPrintCanvas& m_canvas;
    const SPrintRect m_rect;
    const std::vector<int> m_rows;
    const int m_width;
    const int m_widthOfW;
    bool m_markNoted = false;
};

}  // namespace

int CChListPrint::RowsPerPage(CPrintCanvas& canvas, const SPrintRect& rect, int rows,
                              int noteLines) {
    const int height = std::abs(rect.bottom - rect.top) - 2 * canvas.PageHeaderDepth();
    const int lineHeight = std::max(1, canvas.LineHeight());
    // One line of the page holds the column titles.
    const int fitting = height / lineHeight - 1 - noteLines;
    return std::clamp(fitting, 1, std::max(1, rows));
}

bool CChListPrint::PrintPage(CPrintGrid& grid, CPrintCanvas& canvas, const SPrintRect& rect,
                             bool inUseOnly) {
    return CListPrintout(grid, canvas, rect, inUseOnly).Print();
}
