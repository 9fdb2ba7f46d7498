// Texts of a file or of a user, quoted inside the program's own messages
// (CSV warnings and reasons, command-line errors, file names). Such a text
// may hold anything: terminal escape sequences that retitle or clear the
// terminal, line ends that forge further message lines, megabytes in one
// field. Every message that shows one quotes it here.
//
// Escaping: printable ASCII stays as it is, except that '"' and '\' are
// written "\"" and "\\"; a tab, a line feed and a carriage return are
// written "\t", "\n" and "\r"; every other control character, every byte
// that is no part of a well-formed UTF-8 character, the C1 controls and the
// invisible Unicode format characters (zero widths, direction overrides,
// line and paragraph separators, the byte-order mark) are written "\xHH",
// one escape a byte. Other UTF-8 characters (a file name in any language)
// stay as they are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace MessageText {

// At most this many characters (an escape counts as one) of a text are
// quoted; a longer text shows its beginning and its end.
inline constexpr std::size_t kMaxQuoted = 80;

// text escaped and between double quotes: "\"ABC\"". A text longer than
// kMaxQuoted characters keeps its first and last characters with "..."
// between them, and the quote is followed by its length in bytes:
// "\"AAA...ZZZ\" (3900000 bytes)".
std::string Quoted(std::string_view text);

// A whole message made safe for a terminal: escaped as above, but line
// feeds (which end the program's own message lines), tabs, '"' and '\'
// stay as they are. Not shortened.
std::string ForTerminal(std::string_view message);

}  // namespace MessageText
