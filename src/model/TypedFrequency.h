// What a person typed as a frequency or an offset in MHz, read strictly: the
// frequency leaves themselves read the number a text starts with and ignore
// the rest, so "146,52" would become 146 MHz and "146.5x" 146.5 MHz without a
// word. Every place where a person types a frequency (the channel dialog,
// the grid's cells, pasted text, the command line) reads it here first.
//
// A typed frequency is digits with at most one decimal mark, a point or a
// comma as the writer's locale has it ("146.52", "146,52", ".5", "146"),
// with spaces or tabs around it and an optional "+". Nothing else: no
// exponent, no sign "-", no unit, no thousands separator. Independent of the
// C locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace TypedFrequency {

// The typed text in the form the frequency leaves read exactly ("146.52" for
// " 146,52", "0.5" for ".5", leading zeros of the whole part dropped so
// that the leaf's 15-character window sees the whole number), "" for a text
// of nothing but spaces, or none when the text is no frequency; reason (if
// given) then says why, in words a person reads after the quoted text: in
// English, shown translated with the context "TypedFrequency".
std::optional<std::string> Canonical(std::string_view typed, std::string* reason = nullptr);

// Canonical where a frequency must be given (a command line, a field of a
// channel list): a text of nothing but spaces is refused too.
std::optional<std::string> CanonicalGiven(std::string_view typed, std::string* reason = nullptr);

}  // namespace TypedFrequency
