#include "model/TextFilter.h"

#include <algorithm>

bool KeepAllowed(std::string& text, std::string_view allowed) {
    const auto removed = std::erase_if(
        text, [allowed](char c) { return allowed.find(c) == std::string_view::npos; });
    return removed > 0;
}

void ReplaceListed(std::string& text, std::string_view replacement, std::string_view listed) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (listed.find(c) != std::string_view::npos) {
            result += replacement;
        } else {
            result += c;
        }
    }
    text = std::move(result);
}

char AsciiUpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiUpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = AsciiUpperCase(c);
    }
    return upper;
}
