// CPageRecorder: a canvas that keeps the pages drawn on it instead of
// printing them, so that a job knows how many pages it has before the first
// one is printed (for "page n of m" in every footer).
//
// Text is measured on the canvas the pages are meant for, and ending a page
// ends it there too (EndPrintPage of a printer device lets a Cancel button
// be pressed): a job that is cancelled while it is recorded stops as it
// would while printing. Replay then draws the pages on a canvas with the
// footer of each page in the bottom-left slot of its frame.
//
// The measuring canvas is not owned and must outlive the recorder.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "print/PrintCanvas.h"

class CPageRecorder : public CPrintCanvas {
  public:
    // Between the parts of a footer.
    static constexpr const char* kFooterSeparator = " \u00b7 ";
    // The footer of a page (0-based) of a job of pages pages.
    using Footer = std::function<std::string(int page, int pages)>;

    explicit CPageRecorder(CPrintCanvas& measure);

    int LineDirection() const override { return m_measure.LineDirection(); }
    int LineHeight() const override { return m_measure.LineHeight(); }
    int CharWidth(char character) const override { return m_measure.CharWidth(character); }
    int PageHeaderDepth() const override { return m_measure.PageHeaderDepth(); }

    // Opens a new, empty page; never fails.
    int StartPrintPage() override;
    // The measuring canvas's end of a page, without its page.
    int EndPrintPage() override;
    void PrintPageHeader(SPrintRect& rect, const std::string& title, const std::string& revision,
                         const std::string& bottomLeft, const std::string& bottomRight) override;
    void PrintBoxedText(const SPrintRect& rect, const std::string& text, int alignment) override;
    void PrintNote(const SPrintRect& rect, const std::string& text) override;

    int PageCount() const { return static_cast<int>(m_pages.size()); }

    // Prints the pages on canvas, in order, a page frame's empty bottom-left
    // text replaced by footer (after a non-empty one). False as soon as a
    // page fails to start or to end.
    bool Replay(CPrintCanvas& canvas, const Footer& footer) const;

  private:
    struct SFrame {
        SPrintRect rect;
        std::string title;
        std::string revision;
        std::string bottomLeft;
        std::string bottomRight;
    };
    struct SBoxedText {
        SPrintRect rect;
        std::string text;
        int alignment;
    };
    struct SNote {
        SPrintRect rect;
        std::string text;
    };
    using Drawing = std::variant<SFrame, SBoxedText, SNote>;
    using Page = std::vector<Drawing>;

    void Record(Drawing drawing);

    CPrintCanvas& m_measure;
    std::vector<Page> m_pages;
};
