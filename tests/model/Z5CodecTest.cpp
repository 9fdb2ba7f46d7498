#include <gtest/gtest.h>

#include <string>

#include "Z5MapFixture.h"
#include "model/NodeAccess.h"

namespace {

constexpr std::uint32_t kChannel3 = 0x30;  // record of MCH.CH3

void Fill(CImageBuffer& image, std::uint32_t address, std::uint32_t count, std::uint8_t byte) {
    for (std::uint32_t i = 0; i < count; ++i) {
        image.SetByte(address + i, byte);
    }
}

std::string Bytes(const CImageBuffer& image, std::uint32_t address, std::uint32_t count) {
    std::string text;
    for (std::uint32_t i = 0; i < count; ++i) {
        text += static_cast<char>(image.GetByte(address + i));
    }
    return text;
}

TEST_F(Z5MapTest, AnErasedChannelDecodesToTheFieldMaxima) {
    Fill(image, 0, 16, 0xFF);
    Decode();
    EXPECT_EQ(At("MCH.CH0.FreqRx").GetValue(), 199'990'000);
    EXPECT_EQ(At("MCH.CH0.FreqOw").GetValue(), 99'995'000);
    for (auto [leaf, text] : {std::pair{"Name", ""},
                              {"Duplex", "+Dup"},
                              {"TONESet", "DTCS"},
                              {"TONECode", "254.1"},
                              {"DTCSCode", "754"},
                              {"ANISet", "PGR"},
                              {"SCRMCode", "FF"},
                              {"DupRev", "ON"}}) {
        EXPECT_EQ(GetNodeText(&At("MCH.CH0"), leaf), text) << leaf;
    }
}

TEST_F(Z5MapTest, FrequenciesAreStoredInTheStepThatFitsThem) {
    struct Case {
        std::int32_t receive, offset;
        std::uint16_t receiveWord, offsetWord;
        std::uint8_t stepBits;  // bit 7 receive, bit 6 offset
    };
    const Case cases[] = {
        {145'012'500, 605'000, 23'202, 121, 0x80},  // offset not a 6.25 kHz multiple
        {145'000'000, 0, 23'200, 0, 0xC0},          // both fit 6.25 kHz
        {145'000'000, 5'000, 29'000, 1, 0x00},      // receive follows the offset's 5 kHz
        {145'006'250, 5'000, 23'201, 1, 0x80},      // receive needs 6.25 kHz
        {146'520'000, 600'000, 29'304, 96, 0x40},   // receive needs 5 kHz
        {199'990'000, 99'995'000, 39'998, 19'999, 0x00},
    };
    for (const Case& c : cases) {
        At("MCH.CH3.FreqRx").SetValue(c.receive);
        At("MCH.CH3.FreqOw").SetValue(c.offset);
        Encode();
        EXPECT_EQ(image.GetWord(kChannel3, true), c.receiveWord) << c.receive;
        EXPECT_EQ(image.GetWord(kChannel3 + 2, true), c.offsetWord) << c.offset;
        EXPECT_EQ(image.GetByte(kChannel3 + 4) & 0xC0, c.stepBits) << c.receive;
        At("MCH.CH3.FreqRx").SetValue(1);
        At("MCH.CH3.FreqOw").SetValue(1);
        Decode();
        EXPECT_EQ(At("MCH.CH3.FreqRx").GetValue(), c.receive);
        EXPECT_EQ(At("MCH.CH3.FreqOw").GetValue(), c.offset);
    }
}

TEST_F(Z5MapTest, NamesAreStoredPaddedAndReadInUpperCase) {
    struct Case {
        const char* text;
        const char* stored;
        const char* read;
    };
    const Case cases[] = {
        {"ab", "ab   ", "AB"},
        {"Repeater", "Repea", "REPEA"},  // cut only where the image is written
        {"a\tb\x80", "a b  ", "A B"},
        {"", "     ", ""},
    };
    for (const Case& c : cases) {
        SetNodeString(&At("MCH.CH3"), "Name", c.text);
        EXPECT_EQ(GetNodeString(&At("MCH.CH3"), "Name"), std::string(c.text).substr(0, 8));
        Encode();
        EXPECT_EQ(Bytes(image, kChannel3 + 7, 5), c.stored) << c.text;
        Decode();
        EXPECT_EQ(GetNodeString(&At("MCH.CH3"), "Name"), c.read) << c.text;
    }
}

TEST_F(Z5MapTest, FlagBitsLiveInTheBitmapsAndTheCallChannelHasNone) {
    Fill(image, 0x6C0, 0x20, 0x00);
    At("PCH.CH5.Skip").SetValue(1);
    At("MCH.CH9.Clear").SetValue(1);
    At("CCH.CH0.Skip").SetValue(1);
    At("CCH.CH0.Clear").SetValue(1);
    Encode();
    EXPECT_EQ(image.GetByte(0x6CD), 0x02);
    EXPECT_EQ(image.GetByte(0x6D1), 0x02);
    for (std::uint32_t address = 0x6C0; address < 0x6E0; ++address) {
        if (address != 0x6CD && address != 0x6D1) {
            EXPECT_EQ(image.GetByte(address), 0) << address;
        }
    }
    Fill(image, 0x6C0, 0x20, 0x00);
    Decode();
    EXPECT_EQ(At("PCH.CH5.Skip").GetValue(), 0);
    EXPECT_EQ(At("CCH.CH0.Skip").GetValue(), 1);
    EXPECT_EQ(At("CCH.CH0.Clear").GetValue(), 1);
}

TEST_F(Z5MapTest, SettingsUseTheirOwnBitRules) {
    image.SetByte(0x6F0, 0x00);
    image.SetByte(0x6E5, 0x00);
    SetNodeText(&At("Common"), "DialSel", "Normal");
    SetNodeText(&At("Common"), "Synchro", "Continuous");
    SetNodeText(&At("Common"), "AniTxCh", "0");
    SetNodeText(&At("Common"), "GCode", "4");
    Encode();
    EXPECT_EQ(image.GetByte(0x6F0), 0x20);
    EXPECT_EQ(image.GetByte(0x6E5), 0xC3);
    EXPECT_EQ(image.GetByte(0x6FA), 0x00);

    image.SetByte(0x6FA, 0xFF);
    image.SetByte(0x6F0, 0xDF);
    Decode();
    EXPECT_EQ(GetNodeText(&At("Common"), "AniTxCh"), "OFF");
    EXPECT_EQ(GetNodeText(&At("Common"), "DialSel"), "VOL");
    EXPECT_EQ(GetNodeText(&At("Common"), "Beep"), "ON");
}

TEST_F(Z5MapTest, TheCloneCommentKeepsItsCaseAndTheTemporaryAniFlagIsNeverStored) {
    SetNodeString(&At("Common"), "CloneComment", "Hello");
    At("Common.AniFuncTmp").SetValue(1);
    const CImageBuffer before = image;
    Encode();
    EXPECT_EQ(Bytes(image, 0x780, 16), "Hello           ");
    Fill(image, 0x780, 16, 0x07);
    Decode();
    EXPECT_EQ(GetNodeString(&At("Common"), "CloneComment"), "");
    EXPECT_EQ(At("Common.AniFuncTmp").GetValue(), 1);
    SetNodeString(&At("Common"), "CloneComment", std::string(40, 'x'));
    Encode();
    EXPECT_EQ(Bytes(image, 0x780, 17), std::string(16, 'x') + '\0');
}

TEST_F(Z5MapTest, DtmfMemoriesHoldUpToTwentyFourDigits) {
    Fill(image, 0x710, 16, 0xEE);
    SetNodeString(&At("DTMF"), "D1", " 12 34*");
    Encode();
    EXPECT_EQ(Bytes(image, 0x710, 16),
              std::string("\x12\x34\x00\xEE\xEE\xEE\xEE\xEE\xEE\xEE\xEE\xEE\x05\xEE\xEE\xEE", 16));
    Decode();
    EXPECT_EQ(GetNodeString(&At("DTMF"), "D1"), "12340");

    SetNodeString(&At("DTMF"), "D2", "abcdef0123456789ABCDEF0123456789");
    Encode();
    EXPECT_EQ(image.GetByte(0x72C), 24);
    Decode();
    EXPECT_EQ(GetNodeString(&At("DTMF"), "D2"), "ABCDEF0123456789ABCDEF01");

    image.SetByte(0x73C, 30);
    Fill(image, 0x730, 12, 0x9A);
    Decode();
    EXPECT_EQ(GetNodeString(&At("DTMF"), "D3"), "9A9A9A9A9A9A9A9A9A9A9A9A");
}

TEST_F(Z5MapTest, PagerCodesAreThreeDecimalDigitsAndASkipNibble) {
    struct Case {
        std::uint8_t first, second;
        const char* code;
        const char* skip;
        std::uint8_t storedFirst, storedSecond;
    };
    const Case cases[] = {
        {0x12, 0x38, "123", "ON", 0x12, 0x38},
        {0x1A, 0x30, "103", "OFF", 0x10, 0x30},
        {0xFF, 0xF5, "000", "ON", 0x00, 0x08},
    };
    for (const Case& c : cases) {
        image.SetByte(0x75C, c.first);
        image.SetByte(0x75D, c.second);
        Decode();
        EXPECT_EQ(GetNodeText(&At("PGR.C6"), "Code"), c.code);
        EXPECT_EQ(GetNodeText(&At("PGR.C6"), "Skip"), c.skip);
        Encode();
        EXPECT_EQ(image.GetByte(0x75C), c.storedFirst) << c.code;
        EXPECT_EQ(image.GetByte(0x75D), c.storedSecond) << c.code;
    }
    // Codes of another length never reach past the memory's two bytes.
    image.SetByte(0x75E, 0x77);
    for (const char* code : {"", "9", "12345"}) {
        SetNodeString(&At("PGR.C6"), "Code", code);
        Encode();
        EXPECT_EQ(image.GetByte(0x75E), 0x77) << code;
    }
    EXPECT_EQ(image.GetByte(0x75C), 0x12);
    EXPECT_EQ(image.GetByte(0x75D), 0x38);
}

// A code set as text (cpz5-cli set, a script) is stored as the PGR dialog
// stores what was typed: a short code gets leading zeros.
TEST_F(Z5MapTest, ShortPagerCodesGetLeadingZeros) {
    const std::pair<const char*, const char*> cases[] = {
        {"12", "012"}, {"7", "007"}, {"", "000"}, {"123", "123"}, {"4567", "456"}};
    for (const auto& [typed, stored] : cases) {
        SetNodeString(&At("PGR.C2"), "Code", typed);
        Encode();
        Decode();
        EXPECT_EQ(GetNodeText(&At("PGR.C2"), "Code"), stored) << typed;
    }
}

// Values the radio does not use are read as the nearest it does and stored
// in the normal form.
TEST_F(Z5MapTest, ImageValuesOutsideTheMapAreNormalised) {
    struct Case {
        const char* path;
        std::uint32_t address;
        std::uint8_t mask, raw;
        const char* text;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {"MCH.CH3.TONESet", kChannel3 + 4, 0x38, 4 << 3, "OFF", 0},
        {"MCH.CH3.TONESet", kChannel3 + 4, 0x38, 5 << 3, "OFF", 0},
        {"MCH.CH3.TONESet", kChannel3 + 4, 0x38, 6 << 3, "TSQL", 2 << 3},
        {"MCH.CH3.TONESet", kChannel3 + 4, 0x38, 7 << 3, "DTCS", 3 << 3},
        {"MCH.CH3.ANISet", kChannel3 + 4, 0x07, 3, "PGR", 2},
        {"MCH.CH3.ANISet", kChannel3 + 4, 0x07, 7, "PGR", 2},
        {"MCH.CH3.Duplex", kChannel3 + 5, 0xC0, 0x40, "OFF", 0x00},
        {"MCH.CH3.TONECode", kChannel3 + 12, 0xFF, 200, "254.1", 49},
        {"MCH.CH3.TSQLCode", kChannel3 + 13, 0xFF, 50, "254.1", 49},
        {"MCH.CH3.DTCSCode", kChannel3 + 14, 0xFF, 104, "754", 103},
        {"MCH.CH3.SCRMCode", kChannel3 + 15, 0xFF, 0, "01", 1},
        {"Common.Resume", 0x6E1, 0xFF, 9, "SCP-2", 3},
        {"Common.ScanEdge", 0x6E2, 0xFF, 4, "P3", 3},
        {"Common.FuncMode", 0x6E3, 0xFF, 200, "Always", 4},
        {"Common.Light", 0x6E4, 0xFF, 3, "Auto", 2},
        {"Common.TOT", 0x6F1, 0xFF, 45, "30m00s", 30},
        {"Common.Repeater", 0x6F2, 0xFF, 3, "Dup & Tone", 2},
        {"Common.PowOff", 0x6F3, 0xFF, 4, "120 min", 3},
        {"Common.Lockout", 0x6F4, 0xFF, 255, "Busy", 2},
        {"Common.MemoDisp", 0x6F6, 0xFF, 3, "Name", 2},
        {"Common.PowSave", 0x6F7, 0xFF, 6, "Auto", 5},
        {"Common.MicFunc", 0x6F8, 0xFF, 3, "Normal 2", 2},
        {"Common.AniTOT", 0x6F9, 0xFF, 31, "15m00s", 30},
        {"Common.AniTxCh", 0x6FA, 0xFF, 100, "OFF", 255},
        {"Common.AniTxCh", 0x6FA, 0xFF, 254, "OFF", 255},
        {"Common.AniTxCh", 0x6FA, 0xFF, 99, "99", 99},
        {"Common.Synchro", 0x6E5, 0xC0, 0x80, "Continuous", 0xC0},
        {"Common.Synchro", 0x6E5, 0xC0, 0x40, "Standard", 0x00},
        {"DTMF.Speed", 0x6F5, 0xFF, 7, "500 msec", 3},
        {"DTMF.SelectCh", 0x6E7, 0xFF, 9, "D4", 4},
        {"PGR.C0.Skip", 0x751, 0x0F, 5, "ON", 8},
    };
    for (const Case& c : cases) {
        image.SetByte(c.address, static_cast<std::uint8_t>((0xA5 & ~c.mask) | c.raw));
        Decode();
        EXPECT_EQ(At(c.path).GetText(), c.text) << c.path << " " << int{c.raw};
        Encode();
        EXPECT_EQ(image.GetByte(c.address) & c.mask, c.stored) << c.path << " " << int{c.raw};
    }
}

// Values that only a caller can set (not the image) are stored in the
// normal form too.
TEST_F(Z5MapTest, NodeValuesOutsideTheMapAreStoredInTheNormalForm) {
    struct Case {
        const char* path;
        std::int32_t value;
        std::uint32_t address;
        std::uint8_t mask, stored;
    };
    const Case cases[] = {
        {"MCH.CH3.ANISet", 3, kChannel3 + 4, 0x07, 0},  // "ANI" is stored as "OFF"
        {"MCH.CH3.TONESet", 4, kChannel3 + 4, 0x38, 0},
        {"MCH.CH3.Duplex", 3, kChannel3 + 5, 0xC0, 0x00},
        {"MCH.CH3.ANICode", 9, kChannel3 + 5, 0x07, 7},
        {"MCH.CH3.TONECode", 255, kChannel3 + 12, 0xFF, 49},
        {"MCH.CH3.SCRMCode", 0, kChannel3 + 15, 0xFF, 1},
        {"Common.AniTxCh", 101, 0x6FA, 0xFF, 255},
        {"Common.AniTxCh", 0, 0x6FA, 0xFF, 255},
        {"Common.Timing", 9, 0x6E5, 0x30, 0x30},
        {"DTMF.SelectCh", 200, 0x6E7, 0xFF, 4},
    };
    for (const Case& c : cases) {
        At(c.path).SetValue(c.value);
        Encode();
        EXPECT_EQ(image.GetByte(c.address) & c.mask, c.stored) << c.path << " " << c.value;
    }
    Decode();
    EXPECT_EQ(At("MCH.CH3.ANISet").GetText(), "OFF");
}

TEST_F(Z5MapTest, OneAreaAtATime) {
    image.SetByte(0x6F1, 5);
    image.SetByte(kChannel3 + 12, 7);
    EXPECT_TRUE(map.ImageToArea(map.GetRoot(), image, "Common"));
    EXPECT_EQ(At("Common.TOT").GetValue(), 5);
    EXPECT_EQ(At("MCH.CH3.TONECode").GetValue(), 0);
    EXPECT_FALSE(map.ImageToArea(map.GetRoot(), image, "common"));
    EXPECT_FALSE(map.AreaToImage(map.GetRoot(), image, "Nothing"));
    At("MCH.CH3.TONECode").SetValue(9);
    EXPECT_TRUE(map.AreaToImage(map.GetRoot(), image, "PCH"));
    EXPECT_EQ(image.GetByte(kChannel3 + 12), 7);
    EXPECT_TRUE(map.AreaToImage(map.GetRoot(), image, "MCH"));
    EXPECT_EQ(image.GetByte(kChannel3 + 12), 9);
}

TEST_F(Z5MapTest, ForeignRootsAndSmallImagesAreHandledSafely) {
    CNode unrelated;
    EXPECT_TRUE(map.ImageToNodes(&unrelated, image));
    EXPECT_TRUE(map.NodesToImage(nullptr, image));
    CImageBuffer tiny(3);
    Decode();
    map.NodesToImage(map.GetRoot(), tiny);
    EXPECT_EQ(tiny.GetSize(), 3u);
    map.ImageToNodes(map.GetRoot(), CImageBuffer(0));
    EXPECT_EQ(At("MCH.CH0.FreqRx").GetValue(), 199'990'000);
    CRadioDataManager base;
    EXPECT_FALSE(base.ImageToNodes(base.GetRoot(), image));
    EXPECT_FALSE(base.NodesToImage(base.GetRoot(), image));
}

}  // namespace
