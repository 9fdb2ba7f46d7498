// Finding a channel by what the user types: a part of its name (case
// ignored), or the start of its receive frequency in MHz as the channel
// lists show it ("145.5" finds 145.50000; "145.500000" too, the zeros past
// the shown digits being no different). Cleared channels are never found.
#pragma once

#include <span>
#include <string_view>

class CNode;

namespace z5channel {

// Whether channel (in use) matches text; an empty text (or only blanks)
// matches nothing.
bool MatchesFindText(const CNode& channel, std::string_view text);

// The place of the first channel that matches text, looking from the place
// after start (step +1) or before it (step -1, or any negative step) and
// wrapping around, so that start itself is looked at last; a start outside
// the places begins at one end. -1 when no channel matches.
int FindChannel(std::span<const CNode* const> channels, int start, int step, std::string_view text);

}  // namespace z5channel
