#include "platform/TerminalText.h"

namespace {

struct SCharacter {
    std::size_t bytes;
    std::size_t columns;
};

// The blocks of wide characters: Hangul Jamo, CJK symbols to Yi, Hangul
// syllables, CJK compatibility, vertical and fullwidth forms, the
// supplementary ideographs.
constexpr char32_t kWide[][2] = {{0x1100, 0x115F}, {0x2E80, 0xA4CF},   {0xAC00, 0xD7A3},
                                 {0xF900, 0xFAFF}, {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},
                                 {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x20000, 0x3FFFD}};

bool IsWide(char32_t code) {
    for (const auto& block : kWide) {
        if (code >= block[0] && code <= block[1]) {
            return true;
        }
    }
    return false;
}

// The character at the start of text (not empty). A byte that does not
// start a well-formed sequence counts as one column of its own.
SCharacter CharacterAt(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 1;
    if (length > text.size()) {
        return {1, 1};
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {1, 1};
        }
        code = (code << 6) | (next & 0x3F);
    }
    return {length, IsWide(code) ? 2u : 1u};
}

}  // namespace

std::size_t CTerminalText::Width(std::string_view text) {
    std::size_t columns = 0;
    while (!text.empty()) {
        const SCharacter character = CharacterAt(text);
        columns += character.columns;
        text.remove_prefix(character.bytes);
    }
    return columns;
}

std::string CTerminalText::Cut(std::string_view text, std::size_t width) {
    if (Width(text) <= width) {
        return std::string(text);
    }
    const std::string_view ellipsis = width > 3 ? "..." : "";
    const std::size_t room = width - ellipsis.size();
    std::size_t bytes = 0;
    std::size_t columns = 0;
    while (bytes < text.size()) {
        const SCharacter character = CharacterAt(text.substr(bytes));
        if (columns + character.columns > room) {
            break;
        }
        columns += character.columns;
        bytes += character.bytes;
    }
    return std::string(text.substr(0, bytes)) + std::string(ellipsis);
}

std::string CTerminalText::Padded(std::string_view text, std::size_t width) {
    const std::size_t columns = Width(text);
    return std::string(text) + std::string(columns < width ? width - columns : 0, ' ');
}
