#include "model/FreqNode.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

CPZ5_IMPLEMENT_CLASS(CFreqNode, CNode)

namespace {

constexpr std::size_t kMaxFrequencyTextLength = 15;
constexpr int kShownDecimals = 5;

// The decimal number at the start of text (after an optional "+"), or 0 when
// there is none. Infinity and NaN are not numbers here. Independent of the
// C locale.
long double LeadingNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    long double number = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), number, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(number)) {
        return 0;
    }
    return number;
}

}  // namespace

std::string CFreqNode::GetText() const {
    char digits[64];
    const long double megahertz = static_cast<long double>(GetValue()) / kScale;
    const auto result = std::to_chars(digits, digits + sizeof digits, megahertz,
                                      std::chars_format::fixed, kShownDecimals);
    return std::string(digits, result.ptr);
}

bool CFreqNode::SetText(std::string_view text) {
    const std::int32_t frequency = ParseFrequency(text);
    const bool valid = IsValid(frequency);
    SetValue(frequency);
    return valid;
}

std::int32_t CFreqNode::ParseFrequency(std::string_view text) const {
    text = text.substr(0, kMaxFrequencyTextLength);
    const std::size_t first = text.find_first_not_of(" \t");
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
    const long double megahertz = std::max(LeadingNumber(text), 0.0L);
    const long double hertz = megahertz * kScale + 0.5L;
    constexpr auto kLargest = std::numeric_limits<std::int32_t>::max();
    return hertz >= kLargest ? kLargest : static_cast<std::int32_t>(hertz);
}
