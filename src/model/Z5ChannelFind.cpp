#include "model/Z5ChannelFind.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"

namespace z5channel {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& letter : upper) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    return upper;
}

// Digits with at most one point.
bool LooksLikeFrequency(std::string_view text) {
    return std::count(text.begin(), text.end(), '.') <= 1 &&
           std::all_of(text.begin(), text.end(), [](char c) {
               return c == '.' || std::isdigit(static_cast<unsigned char>(c)) != 0;
           });
}

// typed begins shown, or shown begins typed and the rest of typed is zeros
// after the point.
bool FrequencyStartsWith(std::string_view shown, std::string_view typed) {
    if (shown.starts_with(typed)) {
        return true;
    }
    const std::string_view rest = typed.substr(std::min(shown.size(), typed.size()));
    return typed.starts_with(shown) && shown.find('.') != std::string_view::npos &&
           rest.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace

bool MatchesFindText(const CNode& channel, std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || GetNodeValue(&channel, z5leaf::kClear) != 0) {
        return false;
    }
    if (Upper(GetNodeString(&channel, z5leaf::kName)).find(Upper(text)) != std::string::npos) {
        return true;
    }
    const std::string frequency = GetNodeText(&channel, z5leaf::kFreqRx);
    return LooksLikeFrequency(text) && !frequency.empty() && FrequencyStartsWith(frequency, text);
}

int FindChannel(std::span<const CNode* const> channels, int start, int step,
                std::string_view text) {
    const int count = static_cast<int>(channels.size());
    if (count == 0) {
        return -1;
    }
    step = step < 0 ? -1 : +1;
    if (start < 0 || start >= count) {
        start = step > 0 ? count - 1 : 0;
    }
    for (int looked = 1; looked <= count; ++looked) {
        const int place = ((start + step * looked) % count + count) % count;
        const CNode* channel = channels[static_cast<std::size_t>(place)];
        if (channel != nullptr && MatchesFindText(*channel, text)) {
            return place;
        }
    }
    return -1;
}

}  // namespace z5channel
