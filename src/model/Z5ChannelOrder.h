// Putting the channels of an area in another order: sorting the memory
// channels by a key, and moving some rows to another place with the rows in
// between shifting. An order is worked out first (as a list of places) and
// then carried out on the channel nodes, every channel moving whole and by
// value (see z5channel::MoveChannel), so that the records only change places.
//
// Sorting is stable (channels of equal key keep their order) and puts the
// cleared channels after the channels in use, in their order, in either
// direction. The keys, one for every column of the channel grid:
// - frequency: the receive frequency, lowest first;
// - name: the name with case ignored; channels without a name (only blanks,
//   or the dashes "-----" of a fresh channel) after the named ones, in
//   either direction;
// - tone: the tone mode in the radio's order (no tone, TONE, TSQL, DTCS),
//   then the code the mode uses (the RPT tone for TONE, the CTCSS tone for
//   TSQL, the DTCS code for DTCS, each from the lowest), then for DTCS the
//   polarity (normal first). Channels without tone come first;
// - the other keys: the value of their leaf (duplex, reverse, offset, RPT
//   tone, CTCSS tone, DTCS code then polarity, PGR mode, PGR memory, skip,
//   power, transmit inhibit), lowest first; the scrambler: off first, then
//   by code.
// Descending reverses the order of the key's values and keeps equal ones in
// their order.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/TranslationMark.h"

class CNode;

namespace z5channel {

enum class ESortKey {
    Frequency,
    Name,
    Tone,
    Duplex,
    Reverse,
    Offset,
    RepeaterTone,
    SquelchTone,
    DtcsCode,
    Pager,
    PagerMemory,
    Skip,
    Power,
    Inhibit,
    Scrambler,
};

// The name of a sort for the user: "Sort by frequency", "Sort by name,
// descending"; in the language of lookup.
std::string SortName(ESortKey key, bool descending = false,
                     translationmark::Lookup lookup = nullptr);

// A new order of n channels: place i receives the channel that stood at
// place order[i]. Every place 0..n-1 appears once.
using ChannelOrder = std::vector<int>;

// The order that sorts channels by key, lowest first unless descending. A
// nullptr channel counts as cleared.
ChannelOrder SortedOrder(std::span<const CNode* const> channels, ESortKey key,
                         bool descending = false);

// The order of count rows that takes rows (places in any order; twice
// counts once) out and puts them back together, in their order, just before
// the row that stood at place before (count: at the end); the other rows
// keep their order and close up. Empty when rows is empty, a row is out of
// range or before lies outside 0..count.
ChannelOrder MovedOrder(int count, std::span<const int> rows, int before);

// Whether order leaves every channel where it is (an empty order too).
bool KeepsEveryPlace(const ChannelOrder& order);

// The first and the last place that order changes; {0, -1} when none.
struct SPlaces {
    int first = 0;
    int last = -1;
};
SPlaces ChangedPlaces(const ChannelOrder& order);

// Carries order out on channels. False, and nothing changed, when order is
// not an order of channels.size() places or a channel is nullptr.
bool Reorder(std::span<CNode* const> channels, const ChannelOrder& order);

}  // namespace z5channel
