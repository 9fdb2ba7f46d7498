// ChannelClipText: channels as plain text on the clipboard, so that rows of
// the grid paste into a spreadsheet and rows of a spreadsheet or a CSV file
// paste into the grid.
//
// Writing: the CSV channel list of the export (its header row and its row
// for each channel, lines ending in CR LF), one row per channel given, in
// the order given, the Location column holding the channel number. A
// cleared channel is a row with its Location and every other field empty.
//
// Reading:
// - The text is refused whole when it is larger than kMaxSize bytes.
// - Header: when the first row that is not blank names a Frequency column
//   (with ",", ";" or a tab, tried in this order) it is the header row and
//   the columns are found by name, as the import does; Location is not
//   needed. Otherwise there is no header row (a spreadsheet selection
//   seldom has one): the columns are those of the export, in its order
//   (Location, Name, Frequency, ...), and the separator is the one of ",",
//   ";" and tab that cuts the first row into the most fields (a tab when
//   they tie, then ";").
// - Where rows land: on consecutive channels from the first channel given,
//   in the order of the text, as a spreadsheet pastes at its selection. The
//   Location column decides nothing (copied rows paste anywhere). Blank rows
//   are passed over.
// - Each row is checked as the CSV import checks it (all but the Location
//   column); a bad row keeps its place (the channel it would go to stays as
//   it is). A row with a channel number in Location, every other field
//   empty and fields up to the Frequency column at least (as Write makes
//   it) is a cleared channel.
// - Only the first maxRows data rows are checked; the rest are counted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/ChannelCsv.h"
#include "interchange/ChannelCsvColumns.h"

class CNode;

// One row of pasted text that can be written.
struct SChannelClipRow {
    int offset = 0;        // its place among the data rows: channel first + offset
    bool cleared = false;  // the row clears its channel
    SChannelPlan plan;     // the values (with the line and warnings) of a row not cleared
};

struct SChannelClipTextRead {
    bool refused = false;               // the text as a whole cannot be channels
    std::vector<SChannelClipRow> rows;  // good rows, in text order
    std::vector<SCsvProblem> problems;  // bad rows by line of the text (the reason when refused)
    int rowCount = 0;                   // data rows of the text, good, bad and unchecked
};

namespace ChannelClipText {

inline constexpr std::size_t kMaxSize = CChannelCsv::kMaxFileSize;

struct SNumberedChannel {
    int number;  // the Location written
    const CNode* channel;
};

// The text of the channels (see above).
std::string Write(const std::vector<SNumberedChannel>& channels);

// A cheap guess whether text may hold channels: its first row is a header
// with a Frequency column, or has a number in the Frequency field of the
// export's column order. Reads only the first row.
bool MightBeChannels(std::string_view text);

// The rows of text checked against limits (limits.prototype not nullptr);
// at most maxRows rows are checked.
SChannelClipTextRead Read(std::string_view text, const SChannelCsvLimits& limits, int maxRows);

// Writes a good row onto channel. With keepSkip false "Skip" ends off (a
// channel that cannot be skipped).
void WriteRow(const SChannelClipRow& row, CNode& channel, bool keepSkip);

}  // namespace ChannelClipText
