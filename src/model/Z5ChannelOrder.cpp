#include "model/Z5ChannelOrder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <numeric>
#include <optional>
#include <tuple>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"

namespace z5channel {
namespace {

// The tone modes in the radio's order ("OFF", "TONE", "TSQL", "DTCS").
enum EToneMode : std::int32_t { kNoTone = 0, kTone = 1, kToneSquelch = 2, kDtcs = 3 };

bool IsCleared(const CNode* channel) {
    return channel == nullptr || GetNodeValue(channel, z5leaf::kClear) != 0;
}

// What a channel in use sorts by: the text, then the numbers; a channel
// that comes last (without a name) does so in either direction.
struct SSortValue {
    bool last = false;
    std::string text;
    std::array<std::int32_t, 3> numbers{};
};

using SortValueOf = SSortValue (*)(const CNode&);

// The values of one or two leaves.
template <const char* First, const char* Second = nullptr>
SSortValue ByLeaves(const CNode& channel) {
    SSortValue value;
    value.numbers[0] = GetNodeValue(&channel, First);
    if constexpr (Second != nullptr) {
        value.numbers[1] = GetNodeValue(&channel, Second);
    }
    return value;
}

// The name with case ignored and the blanks at its end dropped; channels
// without a name (blanks, or the dashes a fresh channel shows) last.
SSortValue ByName(const CNode& channel) {
    std::string name = GetNodeString(&channel, z5leaf::kName);
    if (name.find_first_not_of(" -") == std::string::npos) {
        return {true, {}, {}};
    }
    name.erase(name.find_last_not_of(' ') + 1);
    for (char& letter : name) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    return {false, name, {}};
}

// Mode, the code the mode uses, polarity (DTCS only).
SSortValue ByTone(const CNode& channel) {
    const std::int32_t mode = GetNodeValue(&channel, z5leaf::kToneSet);
    switch (mode) {
        case kTone:
            return {false, {}, {mode, GetNodeValue(&channel, z5leaf::kToneCode), 0}};
        case kToneSquelch:
            return {false, {}, {mode, GetNodeValue(&channel, z5leaf::kTsqlCode), 0}};
        case kDtcs:
            return {false,
                    {},
                    {mode, GetNodeValue(&channel, z5leaf::kDtcsCode),
                     GetNodeValue(&channel, z5leaf::kDtcsInv)}};
        default:
            return {false, {}, {kNoTone, 0, 0}};
    }
}

// Off, then the codes of a scrambler that is on.
SSortValue ByScrambler(const CNode& channel) {
    const bool on = GetNodeValue(&channel, z5leaf::kScrmSet) != 0;
    return {false, {}, {on ? 1 : 0, on ? GetNodeValue(&channel, z5leaf::kScrmCode) : 0, 0}};
}

struct SSortRule {
    ESortKey key;
    const char* name;  // what the channels are sorted by, for the user (translated where shown)
    SortValueOf valueOf;
};

constexpr SSortRule kSortRules[] = {
    {ESortKey::Frequency, QT_TRANSLATE_NOOP("z5channel", "frequency"), ByLeaves<z5leaf::kFreqRx>},
    {ESortKey::Name, QT_TRANSLATE_NOOP("z5channel", "name"), ByName},
    {ESortKey::Tone, QT_TRANSLATE_NOOP("z5channel", "tone"), ByTone},
    {ESortKey::Duplex, QT_TRANSLATE_NOOP("z5channel", "duplex"), ByLeaves<z5leaf::kDuplex>},
    {ESortKey::Reverse, QT_TRANSLATE_NOOP("z5channel", "reverse"), ByLeaves<z5leaf::kDupRev>},
    {ESortKey::Offset, QT_TRANSLATE_NOOP("z5channel", "offset"), ByLeaves<z5leaf::kFreqOw>},
    {ESortKey::RepeaterTone, QT_TRANSLATE_NOOP("z5channel", "RPT tone"),
     ByLeaves<z5leaf::kToneCode>},
    {ESortKey::SquelchTone, QT_TRANSLATE_NOOP("z5channel", "CTCSS tone"),
     ByLeaves<z5leaf::kTsqlCode>},
    {ESortKey::DtcsCode, QT_TRANSLATE_NOOP("z5channel", "DTCS code"),
     ByLeaves<z5leaf::kDtcsCode, z5leaf::kDtcsInv>},
    {ESortKey::Pager, QT_TRANSLATE_NOOP("z5channel", "PGR"), ByLeaves<z5leaf::kAniSet>},
    {ESortKey::PagerMemory, QT_TRANSLATE_NOOP("z5channel", "PGR CH"), ByLeaves<z5leaf::kAniCode>},
    {ESortKey::Skip, QT_TRANSLATE_NOOP("z5channel", "skip"), ByLeaves<z5leaf::kSkip>},
    {ESortKey::Power, QT_TRANSLATE_NOOP("z5channel", "TX power"), ByLeaves<z5leaf::kTxPower>},
    {ESortKey::Inhibit, QT_TRANSLATE_NOOP("z5channel", "TX inhibit"), ByLeaves<z5leaf::kTxInhibit>},
    {ESortKey::Scrambler, QT_TRANSLATE_NOOP("z5channel", "scrambler"), ByScrambler},
};

const SSortRule& RuleOf(ESortKey key) {
    for (const SSortRule& rule : kSortRules) {
        if (rule.key == key) {
            return rule;
        }
    }
    return kSortRules[0];
}

// Channels in use (with a value) before cleared ones (none), in either
// direction; then the ones that come last; then the values.
bool ComesBefore(const std::optional<SSortValue>& a, const std::optional<SSortValue>& b,
                 bool descending) {
    if (!a || !b) {
        return a && !b;
    }
    if (a->last != b->last) {
        return b->last;
    }
    const auto keyA = std::tie(a->text, a->numbers);
    const auto keyB = std::tie(b->text, b->numbers);
    return descending ? keyB < keyA : keyA < keyB;
}

bool IsOrderOf(const ChannelOrder& order, std::size_t count) {
    if (order.size() != count) {
        return false;
    }
    std::vector<bool> seen(count, false);
    for (const int place : order) {
        if (place < 0 || static_cast<std::size_t>(place) >= count || seen[place]) {
            return false;
        }
        seen[place] = true;
    }
    return true;
}

}  // namespace

std::string SortName(ESortKey key, bool descending, translationmark::Lookup lookup) {
    const char* sort = descending ? QT_TRANSLATE_NOOP("z5channel", "Sort by %1, descending")
                                  : QT_TRANSLATE_NOOP("z5channel", "Sort by %1");
    std::string name = translationmark::Shown(lookup, "z5channel", sort);
    const std::string by = translationmark::Shown(lookup, "z5channel", RuleOf(key).name);
    const std::size_t at = name.find("%1");
    return at == std::string::npos ? name : name.replace(at, 2, by);
}

ChannelOrder SortedOrder(std::span<const CNode* const> channels, ESortKey key, bool descending) {
    const SortValueOf valueOf = RuleOf(key).valueOf;
    std::vector<std::optional<SSortValue>> values;
    values.reserve(channels.size());
    for (const CNode* channel : channels) {
        values.push_back(IsCleared(channel) ? std::nullopt
                                            : std::optional<SSortValue>(valueOf(*channel)));
    }
    ChannelOrder order(channels.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ComesBefore(values[static_cast<std::size_t>(a)], values[static_cast<std::size_t>(b)],
                           descending);
    });
    return order;
}

ChannelOrder MovedOrder(int count, std::span<const int> rows, int before) {
    if (count < 0 || rows.empty() || before < 0 || before > count) {
        return {};
    }
    std::vector<bool> moved(static_cast<std::size_t>(count), false);
    for (const int row : rows) {
        if (row < 0 || row >= count) {
            return {};
        }
        moved[static_cast<std::size_t>(row)] = true;
    }
    ChannelOrder order;
    const auto appendStaying = [&](int from, int to) {
        for (int row = from; row < to; ++row) {
            if (!moved[static_cast<std::size_t>(row)]) {
                order.push_back(row);
            }
        }
    };
    appendStaying(0, before);
    for (int row = 0; row < count; ++row) {
        if (moved[static_cast<std::size_t>(row)]) {
            order.push_back(row);
        }
    }
    appendStaying(before, count);
    return order;
}

bool KeepsEveryPlace(const ChannelOrder& order) {
    return ChangedPlaces(order).last < 0;
}

SPlaces ChangedPlaces(const ChannelOrder& order) {
    SPlaces places;
    for (int place = 0; place < static_cast<int>(order.size()); ++place) {
        if (order[static_cast<std::size_t>(place)] != place) {
            places.first = places.last < 0 ? place : places.first;
            places.last = place;
        }
    }
    return places;
}

bool Reorder(std::span<CNode* const> channels, const ChannelOrder& order) {
    if (!IsOrderOf(order, channels.size()) ||
        std::find(channels.begin(), channels.end(), nullptr) != channels.end()) {
        return false;
    }
    std::vector<SChannelContent> contents;
    contents.reserve(channels.size());
    for (const CNode* channel : channels) {
        contents.push_back(TakeChannel(*channel));
    }
    for (std::size_t place = 0; place < channels.size(); ++place) {
        if (order[place] != static_cast<int>(place)) {
            PutChannel(contents[static_cast<std::size_t>(order[place])], *channels[place]);
        }
    }
    return true;
}

}  // namespace z5channel
