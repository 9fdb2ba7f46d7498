#include "platform/SettingsText.h"

#include <charconv>
#include <cstdint>

int ParseSettingsInt(const std::string& text, int defaultValue) {
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos) {
        return defaultValue;
    }
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') {
        ++begin;
    }
    int64_t value = 0;
    auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end || value < INT32_MIN || value > INT32_MAX) {
        return defaultValue;
    }
    return static_cast<int>(value);
}
