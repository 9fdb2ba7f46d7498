#include "interchange/ChannelCsvText.h"

#include <algorithm>

#include "model/TypedFrequency.h"
#include "platform/Translation.h"

namespace ChannelCsvText {
namespace {

constexpr std::size_t kMaxWholeDigits = 9;
constexpr int kMillihertzDecimals = 9;  // of a megahertz

bool IsDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

char LowerCaseChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::int64_t DigitsValue(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string_view TrimEnd(std::string_view text) {
    const std::size_t last = text.find_last_not_of(" \t");
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerCaseChar);
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerCaseChar(x) == LowerCaseChar(y);
           });
}

std::optional<std::int64_t> ParseScaled(std::string_view text, int decimals) {
    const std::size_t point = text.find_first_of(".,");
    std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || whole.size() > kMaxWholeDigits || !IsDigits(whole) ||
        !IsDigits(fraction)) {
        return std::nullopt;
    }
    const std::size_t kept = std::min(fraction.size(), static_cast<std::size_t>(decimals));
    if (fraction.find_first_not_of('0', kept) != std::string_view::npos) {
        return std::nullopt;
    }
    std::int64_t value = DigitsValue(whole);
    for (int i = 0; i < decimals; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        value = value * 10 + (at < kept ? fraction[at] - '0' : 0);
    }
    return value;
}

std::optional<std::int64_t> ParseTypedMillihertz(std::string_view text, std::string& reason) {
    const std::optional<std::string> typed = TypedFrequency::CanonicalGiven(text, &reason);
    if (!typed) {
        return std::nullopt;
    }
    std::optional<std::int64_t> millihertz = ParseScaled(*typed, kMillihertzDecimals);
    if (!millihertz) {
        reason = CTranslation::Tr("ChannelCsvText", "is far more than any frequency of the radio");
    }
    return millihertz;
}

std::string FormatScaled(std::int64_t value, int decimals) {
    std::string digits = std::to_string(value);
    const std::size_t width = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    if (decimals > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    return digits;
}

}  // namespace ChannelCsvText
