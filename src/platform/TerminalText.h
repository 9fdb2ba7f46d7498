#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text laid out in a terminal's columns. Messages may be translated, so a
// character is not a byte: a UTF-8 sequence takes one column, a wide
// (East Asian) character two. Cutting never splits a character.
class CTerminalText {
  public:
    // The columns text takes.
    static std::size_t Width(std::string_view text);

    // text in at most width columns; a cut text ends in "...".
    static std::string Cut(std::string_view text, std::size_t width);

    // text followed by spaces up to width columns (nothing when it is wider).
    static std::string Padded(std::string_view text, std::size_t width);
};
