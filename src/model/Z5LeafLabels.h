// How a person reads the places of the QM-Z5's data tree: every leaf has a
// readable name ("Frequency" for a channel's "FreqRx", "Time-Out Timer" for
// "Common.TOT"), and every record one title ("Memory CH 01", "Program scan
// edge 1A", "PGR C4"), so that a leaf reads "Memory CH 01 · Frequency" or
// "Common · Time-Out Timer". The names are those of the grid's columns and
// the settings windows; one table, kept per leaf, serves every window that
// names leaves for the user.
//
// A path the table does not know (another model's leaf, a misspelt one) is
// shown as it is: a label is always found.
#pragma once

#include <string>
#include <string_view>

#include "model/TranslationMark.h"

namespace z5label {

// One leaf as the user reads it: the record (channel, memory or settings
// area) it is shown under and its own name within it.
struct SLeafLabel {
    std::string area;        // the area of the path ("MCH"); "" for an unknown path
    int record = -1;         // the record's number within its area, -1 for none
    std::string groupPath;   // the record's path: "MCH.CH1", "Common", "DTMF.D3"
    std::string groupTitle;  // "Memory CH 01", "Common", "DTMF D3"
    // The leaf's name within its record ("Frequency"); "" when the leaf is a
    // record of its own (a DTMF memory) or the path is unknown.
    std::string field;

    // "Memory CH 01 · Frequency", or the group title alone without a field.
    std::string Text() const;
};

// The label of the leaf at a dotted path ("MCH.CH1.FreqRx"); of a record
// ("MCH.CH1") or an area ("Common") the group alone, without a field. The
// titles and names are in the language of lookup (English without one); the
// radio's own names ("D3", "C4", a path the table does not know) stay.
SLeafLabel LabelOf(std::string_view path, translationmark::Lookup lookup = nullptr);

}  // namespace z5label
