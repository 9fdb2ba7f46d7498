// Texts of files and users quoted in messages: nothing in them reaches the
// terminal as a control, and nothing makes a message longer than a line or
// two.
#include <gtest/gtest.h>

#include <string>

#include "model/MessageText.h"

namespace {

struct SQuoteCase {
    const char* what;
    std::string text;
    std::string quoted;
};

TEST(MessageText, ControlsAndBrokenCharactersAreEscapedOthersStay) {
    const SQuoteCase cases[] = {
        {"plain", "MCH.CH5", "\"MCH.CH5\""},
        {"empty", "", "\"\""},
        {"quote and backslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"named controls", "a\tb\nc\rd", "\"a\\tb\\nc\\rd\""},
        {"a title and a clear screen", "\x1B]0;pwned\x07\x1B[2J", "\"\\x1B]0;pwned\\x07\\x1B[2J\""},
        {"NUL and DEL", std::string("a\0b\x7F", 4), "\"a\\x00b\\x7F\""},
        {"letters of any language", "Zürich 日本", "\"Zürich 日本\""},
        {"a C1 control sequence in UTF-8",
         "\xC2\x9B"
         "2J",
         "\"\\xC2\\x9B2J\""},
        {"a raw C1 byte",
         "\x9B"
         "2J",
         "\"\\x9B2J\""},
        {"a direction override",
         "abc\xE2\x80\xAE"
         "fdp.exe",
         "\"abc\\xE2\\x80\\xAEfdp.exe\""},
        {"a byte-order mark",
         "\xEF\xBB\xBF"
         "x",
         "\"\\xEF\\xBB\\xBFx\""},
        {"Latin-1, not UTF-8", "Z\xFCrich", "\"Z\\xFCrich\""},
        {"a sequence cut short", "ab\xE6\x97", "\"ab\\xE6\\x97\""},
        {"an overlong slash", "\xC0\xAF", "\"\\xC0\\xAF\""},
        {"a surrogate", "\xED\xA0\x80", "\"\\xED\\xA0\\x80\""},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "\"\\xF4\\x90\\x80\\x80\""},
        {"80 characters stay whole", std::string(80, 'x'), "\"" + std::string(80, 'x') + "\""},
    };
    for (const SQuoteCase& c : cases) {
        EXPECT_EQ(MessageText::Quoted(c.text), c.quoted) << c.what;
    }
}

TEST(MessageText, ALongTextKeepsItsEndsAndSaysItsLength) {
    struct SCutCase {
        const char* what;
        std::string text;
        std::string start;  // of the quote
        std::string end;
    };
    const std::string megabyte = "HEAD" + std::string(1'000'000, 'x') + "TAIL";
    const SCutCase cases[] = {
        {"81 characters", std::string(81, 'y'), "\"" + std::string(56, 'y') + "...",
         std::string(24, 'y') + "\" (81 bytes)"},
        {"a megabyte name", megabyte, "\"HEAD" + std::string(52, 'x') + "...",
         std::string(20, 'x') + "TAIL\" (1000008 bytes)"},
        // A cut never splits an escape or a character.
        {"escapes", std::string(500, '\x1B'), "\"\\x1B\\x1B", "\\x1B\" (500 bytes)"},
        {"two-byte letters",
         [] {
             std::string u;
             for (int i = 0; i < 300; ++i) {
                 u += "ü";
             }
             return u;
         }(),
         "\"üü", "üü\" (600 bytes)"},
    };
    for (const SCutCase& c : cases) {
        const std::string quoted = MessageText::Quoted(c.text);
        EXPECT_EQ(quoted.substr(0, c.start.size()), c.start) << c.what;
        ASSERT_GE(quoted.size(), c.end.size()) << c.what;
        EXPECT_EQ(quoted.substr(quoted.size() - c.end.size()), c.end) << c.what;
        EXPECT_LE(quoted.size(), 4 * MessageText::kMaxQuoted + 40) << c.what;
        EXPECT_EQ(quoted.find('\x1B'), std::string::npos) << c.what;
    }
}

TEST(MessageText, AMessageForTheTerminalKeepsItsLinesAndLosesItsControls) {
    const std::pair<std::string, std::string> cases[] = {
        {"line 1: \"a\"\tb\nline 2", "line 1: \"a\"\tb\nline 2"},
        {"name \x1B]0;x\x07 over\r", "name \\x1B]0;x\\x07 over\\r"},
        {"Zürich \xC2\x9B", "Zürich \\xC2\\x9B"},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(MessageText::ForTerminal(message), shown);
    }
}

}  // namespace
