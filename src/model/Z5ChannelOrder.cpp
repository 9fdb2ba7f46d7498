#include "model/Z5ChannelOrder.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <numeric>
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

// A name with case ignored and the blanks at its end dropped; "" for a
// channel without a name (blanks, or the dashes a fresh channel shows).
std::string NameKey(const CNode& channel) {
    std::string name = GetNodeString(&channel, z5leaf::kName);
    if (name.find_first_not_of(" -") == std::string::npos) {
        return {};
    }
    name.erase(name.find_last_not_of(' ') + 1);
    for (char& letter : name) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    return name;
}

// Mode, the code the mode uses, polarity (DTCS only).
std::tuple<std::int32_t, std::int32_t, std::int32_t> ToneKey(const CNode& channel) {
    const std::int32_t mode = GetNodeValue(&channel, z5leaf::kToneSet);
    switch (mode) {
        case kTone:
            return {mode, GetNodeValue(&channel, z5leaf::kToneCode), 0};
        case kToneSquelch:
            return {mode, GetNodeValue(&channel, z5leaf::kTsqlCode), 0};
        case kDtcs:
            return {mode, GetNodeValue(&channel, z5leaf::kDtcsCode),
                    GetNodeValue(&channel, z5leaf::kDtcsInv)};
        default:
            return {kNoTone, 0, 0};
    }
}

// Whether a channel in use comes before another one by key.
bool ComesBefore(const CNode& a, const CNode& b, ESortKey key) {
    switch (key) {
        case ESortKey::Frequency:
            return GetNodeValue(&a, z5leaf::kFreqRx) < GetNodeValue(&b, z5leaf::kFreqRx);
        case ESortKey::Name: {
            const std::string nameA = NameKey(a);
            const std::string nameB = NameKey(b);
            // Named channels first.
            return std::make_tuple(nameA.empty(), nameA) < std::make_tuple(nameB.empty(), nameB);
        }
        case ESortKey::Tone:
            return ToneKey(a) < ToneKey(b);
    }
    return false;
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

std::string SortName(ESortKey key) {
    switch (key) {
        case ESortKey::Frequency:
            return "Sort by frequency";
        case ESortKey::Name:
            return "Sort by name";
        case ESortKey::Tone:
            return "Sort by tone";
    }
    return "Sort";
}

ChannelOrder SortedOrder(std::span<const CNode* const> channels, ESortKey key) {
    ChannelOrder order(channels.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const CNode* channelA = channels[static_cast<std::size_t>(a)];
        const CNode* channelB = channels[static_cast<std::size_t>(b)];
        if (IsCleared(channelA) || IsCleared(channelB)) {
            return !IsCleared(channelA) && IsCleared(channelB);
        }
        return ComesBefore(*channelA, *channelB, key);
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
