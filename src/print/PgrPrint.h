// CPgrPrint: the printout of the seven PGR memories: an empty line, then
// "C0" with "---" (it has no skip) and its code, then "C1" to "C6" each with
// the text of its skip flag and its code, in three boxes per line.
//
// The values are read from "PGR.C0" to "PGR.C6" of the active document's
// tree; without one the value boxes stay empty.
#pragma once

class CPrintCanvas;

class CPgrPrint {
  public:
    static constexpr int kMemoryCount = 7;

    // Prints the lines from (left, top) downwards on the current page.
    static void Print(CPrintCanvas& canvas, int left, int top);
};
