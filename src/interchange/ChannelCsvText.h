// Texts of the channel CSV layout: exact decimal numbers (frequencies in MHz
// with six decimals, tones in Hz with one), trimming and letter-case-blind
// comparison. Independent of the C locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ChannelCsvText {

// text without leading and trailing spaces and tabs.
std::string_view Trim(std::string_view text);

// text without trailing spaces and tabs.
std::string_view TrimEnd(std::string_view text);

// text with ASCII capital letters made small.
std::string LowerCase(std::string_view text);

// a equals b with ASCII letter case ignored.
bool EqualsNoCase(std::string_view a, std::string_view b);

// A decimal number without sign or exponent ("145.5", "145.012500", ".5",
// "88"; a decimal comma as in "145,5" counts as the point) as an integer in
// units of 10^-decimals: ParseScaled("145.0125", 6) is 145012500. None when
// the text is no such number, has more than 9 digits before the point, or
// has a non-zero digit beyond the given decimals (it would not be a whole
// number of units).
std::optional<std::int64_t> ParseScaled(std::string_view text, int decimals);

// A frequency in MHz as a person types it (model/TypedFrequency.h: a point
// or a comma as the decimal mark, nothing else) in millihertz: digits past
// the ninth decimal do not count. None, with reason (words that follow the
// quoted text) set, when the text is no frequency, is empty, or has more
// than 9 digits before the mark.
std::optional<std::int64_t> ParseTypedMillihertz(std::string_view text, std::string& reason);

// value in units of 10^-decimals as a decimal text with exactly decimals
// digits after the point: FormatScaled(145012500, 6) is "145.012500".
// value must not be negative.
std::string FormatScaled(std::int64_t value, int decimals);

}  // namespace ChannelCsvText
