// CDtmfPrint: the printout of the DTMF autodial settings: an empty line, the
// five memories "D0" to "D4" with their codes, the memory selected for
// sending ("Channel Selection") and the dialling speed ("Speed"), each as a
// caption box and a value box.
//
// The values are read from the area "DTMF" of the active document's tree;
// without one the value boxes stay empty.
#pragma once

class CPrintCanvas;

class CDtmfPrint {
  public:
    // Prints the lines from (left, top) downwards on the current page.
    static void Print(CPrintCanvas& canvas, int left, int top);
};
