#include "model/TypedFrequency.h"

#include "model/TranslationMark.h"

namespace TypedFrequency {
namespace {

// Digits after the decimal mark that still matter: the leaves keep whole
// hertz, and the canonical text must stay inside their 15-character window.
constexpr std::size_t kKeptDecimals = 9;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> Refused(std::string* reason, const char* why) {
    if (reason != nullptr) {
        *reason = why;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> Canonical(std::string_view typed, std::string* reason) {
    std::string_view text = Trimmed(typed);
    if (text.empty()) {
        return std::string();
    }
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '-') {
        return Refused(reason,
                       QT_TRANSLATE_NOOP("TypedFrequency",
                                         "is below zero: a frequency in MHz cannot be negative"));
    }
    const std::size_t mark = text.find_first_of(".,");
    std::string_view whole = text.substr(0, mark);
    std::string_view fraction =
        mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    if (!AllDigits(whole) || !AllDigits(fraction)) {
        return Refused(
            reason, QT_TRANSLATE_NOOP(
                        "TypedFrequency",
                        "is not a frequency in MHz: type digits with one decimal point or comma, "
                        "such as 146.52"));
    }
    if (whole.empty() && fraction.empty()) {
        return Refused(
            reason, QT_TRANSLATE_NOOP("TypedFrequency",
                                      "holds no digits: type a frequency in MHz, such as 146.52"));
    }
    while (whole.size() > 1 && whole.front() == '0') {
        whole.remove_prefix(1);
    }
    std::string canonical = whole.empty() ? std::string("0") : std::string(whole);
    if (!fraction.empty()) {
        canonical += '.';
        canonical += fraction.substr(0, kKeptDecimals);
    }
    return canonical;
}

std::optional<std::string> CanonicalGiven(std::string_view typed, std::string* reason) {
    std::optional<std::string> canonical = Canonical(typed, reason);
    if (canonical && canonical->empty()) {
        return Refused(reason,
                       QT_TRANSLATE_NOOP("TypedFrequency",
                                         "holds no frequency: type one in MHz, such as 146.52"));
    }
    return canonical;
}

}  // namespace TypedFrequency
