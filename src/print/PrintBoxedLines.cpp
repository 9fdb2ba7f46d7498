#include "print/PrintBoxedLines.h"

CPrintBoxedLines::CPrintBoxedLines(CPrintCanvas& canvas, int left, int top)
    : m_canvas(canvas), m_left(left), m_widthOfW(canvas.CharWidth('W')), m_top(top) {}

void CPrintBoxedLines::Line(std::initializer_list<SBoxedCell> cells) {
    const int bottom = m_top + m_canvas.LineHeight() * m_canvas.LineDirection();
    int left = m_left;
    for (const SBoxedCell& cell : cells) {
        const int right = m_left + cell.endInW * m_widthOfW;
        m_canvas.PrintBoxedText({left, m_top, right, bottom}, cell.text, kPrintLeft);
        left = right;
    }
    m_top = bottom;
}
