#include "platform/TerminalText.h"

#include <gtest/gtest.h>

namespace {

struct SWidthCase {
    const char* text;
    std::size_t width;
};

TEST(TerminalTextTest, ColumnsOfTranslatedTexts) {
    const SWidthCase cases[] = {
        {"", 0},
        {"PORT", 4},
        {"ge\xC3\xB6"
         "ffnet",
         8},                                          // ö: two bytes, one column
        {"\xE3\x83\x9D\xE3\x83\xBC\xE3\x83\x88", 6},  // ポート: three wide characters
        {"\xEF\xBC\xA1", 2},                          // fullwidth A
        {"\xC3", 1},                                  // a sequence cut short
        {"\xFF\xFE", 2},                              // bytes that start nothing
    };
    for (const SWidthCase& c : cases) {
        EXPECT_EQ(CTerminalText::Width(c.text), c.width) << c.text;
    }
}

struct SCutCase {
    const char* text;
    std::size_t width;
    const char* cut;
};

TEST(TerminalTextTest, CutsWholeCharactersOnly) {
    const SCutCase cases[] = {
        {"/dev/ttyUSB0", 20, "/dev/ttyUSB0"},
        {"/dev/ttyUSB0", 8, "/dev/..."},
        {"abc", 2, "ab"},
        {"\xC3\xB6\xC3\xB6\xC3\xB6\xC3\xB6\xC3\xB6", 4, "\xC3\xB6..."},
        // 書き込み中: a wide character that would end past the width is left out.
        {"\xE6\x9B\xB8\xE3\x81\x8D\xE8\xBE\xBC\xE3\x81\xBF\xE4\xB8\xAD", 8,
         "\xE6\x9B\xB8\xE3\x81\x8D..."},
        {"\xE6\x9B\xB8\xE3\x81\x8D\xE8\xBE\xBC\xE3\x81\xBF\xE4\xB8\xAD", 6, "\xE6\x9B\xB8..."},
    };
    for (const SCutCase& c : cases) {
        const std::string cut = CTerminalText::Cut(c.text, c.width);
        EXPECT_EQ(cut, c.cut) << c.text << " in " << c.width;
        EXPECT_LE(CTerminalText::Width(cut), c.width);
    }
    EXPECT_EQ(CTerminalText::Padded("\xE3\x83\x9D", 4), "\xE3\x83\x9D  ");
    EXPECT_EQ(CTerminalText::Padded("RADIO", 3), "RADIO");
}

}  // namespace
