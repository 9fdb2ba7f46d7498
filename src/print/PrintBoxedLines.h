// CPrintBoxedLines: lines of boxed cells printed one under the other, as the
// settings printouts lay them out: each cell's box begins where the previous
// one ends, and its right edge lies a number of widths of the character "W"
// from the line's left edge.
//
// The canvas is not owned and must outlive the printer.
#pragma once

#include <initializer_list>
#include <string>

#include "print/PrintCanvas.h"

// One cell: its text and where its box ends, in widths of "W" from the left.
struct SBoxedCell {
    int endInW;
    std::string text;
};

class CPrintBoxedLines {
  public:
    // The first line starts at (left, top).
    CPrintBoxedLines(CPrintCanvas& canvas, int left, int top);

    // Prints the cells as one line, left-aligned, and moves to the next line.
    void Line(std::initializer_list<SBoxedCell> cells);

    // Where the next line starts.
    int Top() const { return m_top; }

  private:
    CPrintCanvas& m_canvas;
    const int m_left;
    const int m_widthOfW;
    int m_top;
};
