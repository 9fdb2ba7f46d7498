// CPrintCanvas: what the page content of a printout needs of the printer.
//
// Coordinates are logical units of 0.1 mm. Lines follow each other in the
// direction LineDirection() gives (+1 when y grows downwards on the page, -1
// when it grows upwards): the next line of text lies LineHeight() *
// LineDirection() further along y. A rectangle's top is where its first line
// starts and its bottom where its last line ends, whatever the direction.
//
// The printer device (CPrintDevice) implements it; content printers
// never own the canvas.
#pragma once

#include <string>

// A rectangle in logical units (see above).
struct SPrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Text alignment in a box, as the low two bits of PrintBoxedText's argument.
enum EPrintAlign { kPrintLeft = 0, kPrintRight = 1, kPrintCenter = 2 };

class CPrintCanvas {
  public:
    virtual ~CPrintCanvas() = default;

    // +1 or -1: the sign of a step from one printed line to the next.
    virtual int LineDirection() const = 0;
    // Character height plus external leading of the body font, unsigned.
    virtual int LineHeight() const = 0;
    // The advance width of one character of the body font.
    virtual int CharWidth(char character) const = 0;

    // Starts a page; a result of 0 or below is a failure.
    virtual int StartPrintPage() = 0;
    // Ends a page; a negative result is a failure (the job was cancelled or
    // the printer failed), after which nothing more should be printed.
    virtual int EndPrintPage() = 0;

    // How far the page frame reaches into a page from its top, and again
    // from its bottom (unsigned): PrintPageHeader moves a rectangle's edges
    // inwards by this much.
    virtual int PageHeaderDepth() const = 0;

    // Draws the page frame: the title at the top left, revision at the top
    // right, the two footer texts at the bottom, and the rules under the
    // header and above the footer. Moves rect's top and bottom inwards past
    // the frame.
    virtual void PrintPageHeader(SPrintRect& rect, const std::string& title,
                                 const std::string& revision, const std::string& bottomLeft,
                                 const std::string& bottomRight) = 0;

    // One line of text in a box drawn around rect, aligned by the low two
    // bits of alignment (EPrintAlign).
    virtual void PrintBoxedText(const SPrintRect& rect, const std::string& text, int alignment) = 0;

    // One line of text in the body font at the left of rect, without a box:
    // a note under a grid.
    virtual void PrintNote(const SPrintRect& rect, const std::string& text) = 0;
};
