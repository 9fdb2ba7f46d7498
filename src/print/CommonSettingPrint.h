// CCommonSettingPrint: the printout of one page of the common settings sheet
// (Common, ANI or Scrambler): one line per setting of the page, its caption
// in a box and the text of its leaf of "Common" in the box beside it. The
// captions and their order are the pages' own (PrintedSettings).
//
// The values are read from the active document's tree; without one the
// value boxes stay empty.
#pragma once

class CPrintCanvas;

class CCommonSettingPrint {
  public:
    enum class EPage { kCommon, kAni, kScrambler };

    // Prints the page's lines from (left, top) downwards on the current page.
    static void Print(EPage page, CPrintCanvas& canvas, int left, int top);
};
