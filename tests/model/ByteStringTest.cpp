#include "model/ByteString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CByteString Filled(int count) {
    CByteString bytes;
    for (int i = 0; i < count; ++i) {
        bytes << static_cast<std::uint8_t>(i);
    }
    return bytes;
}

TEST(ByteString, AppendsStopAtTheCapacity) {
    EXPECT_EQ(Filled(256).GetLength(), 255);
    EXPECT_EQ(Filled(256).At(254), 254);

    CByteString small = CByteString::WithCapacity(3);
    small << "ABCDE" << CByteString("XY");
    EXPECT_EQ(small.AsText(), "ABC");

    CByteString none = CByteString::WithCapacity(0);
    none << 'A';
    EXPECT_EQ(none.GetLength(), 0);
    EXPECT_EQ(none.At(0), 0);
}

TEST(ByteString, AppendingItselfDoublesTheContent) {
    CByteString bytes("AB");
    bytes << bytes;
    EXPECT_EQ(bytes.AsText(), "ABAB");
}

TEST(ByteString, AtNeverReadsOutsideTheContent) {
    const CByteString bytes("ABC");
    EXPECT_EQ(bytes.At(0), 'A');
    EXPECT_EQ(bytes.At(3), 'C');
    EXPECT_EQ(bytes.At(65535), 'C');
    EXPECT_EQ(CByteString().At(0), 0);
    EXPECT_EQ(CByteString().At(65535), 0);
    CByteString cleared("A");
    cleared.Clear();
    EXPECT_EQ(cleared.At(0), 0);
}

TEST(ByteString, CopiesKeepTheirCapacityAndAreIndependent) {
    CByteString original = CByteString::WithCapacity(2);
    original << "AB";
    CByteString copy(original);
    copy << 'C';
    EXPECT_EQ(copy.AsText(), "AB");
    CByteString assigned("XYZ");
    assigned.Assign(original);
    EXPECT_EQ(assigned.GetCapacity(), 2);
    EXPECT_FALSE(assigned.IsDifferent(original));
}

TEST(ByteString, IsDifferentComparesContentOnly) {
    EXPECT_FALSE(CByteString().IsDifferent(CByteString::WithCapacity(7)));
    EXPECT_TRUE(CByteString("AB").IsDifferent(CByteString("ABC")));
    EXPECT_TRUE(CByteString("AB").IsDifferent(CByteString("AC")));
    EXPECT_FALSE(CByteString("AB").IsDifferent(CByteString("AB")));
}

TEST(ByteString, MidKeepsThePartInsideTheContent) {
    struct Case {
        std::uint16_t start, count;
        std::string expected;
    };
    for (const Case& c : {Case{1, 2, "BC"}, Case{3, 100, "DE"}, Case{5, 1, ""}, Case{9, 9, ""},
                          Case{2, 65535, "CDE"}, Case{65535, 65535, ""}}) {
        CByteString bytes("ABCDE");
        bytes.Mid(c.start, c.count);
        EXPECT_EQ(bytes.AsText(), c.expected) << c.start << "," << c.count;
    }
}

TEST(ByteString, HexTextUsesUpperCaseDigitsAndIsCutAtTheCapacity) {
    CByteString bytes;
    bytes << std::uint8_t{0x0A} << std::uint8_t{0xFF} << std::uint8_t{0x00};
    bytes.ToHex();
    EXPECT_EQ(bytes.AsText(), "0AFF00");

    CByteString large = Filled(200);
    large.ToHex();
    EXPECT_EQ(large.GetLength(), 255);
    EXPECT_EQ(large.AsText().substr(250), "7D7E7");

    CByteString byte;
    byte.SetHexByte(0xC3);
    EXPECT_EQ(byte.AsText(), "C3");
}

TEST(ByteString, FromHexCountsEveryNonDigitAsZero) {
    struct Case {
        std::string text;
        std::string expected;
    };
    for (const Case& c :
         {Case{"1a", std::string(1, '\x10')}, Case{"ABC", "\xAB\x0C"}, Case{"", ""},
          Case{"G1", std::string(1, '\x01')}, Case{"41 42", "A\x04\x02"}, Case{"F", "\x0F"}}) {
        CByteString bytes(c.text);
        bytes.FromHex();
        EXPECT_EQ(bytes.AsText(), c.expected) << c.text;
    }
}

TEST(ByteString, HexRoundTripRestoresTheBytes) {
    CByteString bytes = Filled(127);
    const CByteString original = bytes;
    bytes.ToHex();
    bytes.FromHex();
    EXPECT_FALSE(bytes.IsDifferent(original));
}

}  // namespace
