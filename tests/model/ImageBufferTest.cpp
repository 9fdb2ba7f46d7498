#include "model/ImageBuffer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "model/Z5EepromDataManager.h"

namespace {

constexpr std::uint32_t kSize = 0x7A0;

TEST(ImageBuffer, AddressesOutsideTheImageReadErasedAndTakeNoWrites) {
    CImageBuffer image(kSize);
    const CImageBuffer before = image;
    for (std::uint32_t address : {kSize, kSize + 1, 0xFFFFFFFFu, 0x80000000u}) {
        EXPECT_EQ(image.GetByte(address), 0xFF) << address;
        EXPECT_EQ(image.GetBit(address, 0), 1) << address;
        EXPECT_EQ(image.GetWord(address, true), 0xFFFF) << address;
        image.SetByte(address, 0x12);
        image.SetBit(address, 3, 1);
        image.SetWord(address, 0x1234, true);
    }
    // A word that starts on the last byte is outside too.
    EXPECT_EQ(image.GetWord(kSize - 1, false), 0xFFFF);
    image.SetWord(kSize - 1, 0x1234, true);
    EXPECT_EQ(image.GetByte(kSize - 1), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(image.Data(), image.Data() + kSize),
              std::vector<std::uint8_t>(before.Data(), before.Data() + kSize));
}

TEST(ImageBuffer, BlockCopiesNeedTheWholeRangeInside) {
    CImageBuffer image(16);
    const std::array<std::uint8_t, 4> source = {1, 2, 3, 4};
    std::array<std::uint8_t, 4> target = {9, 9, 9, 9};
    EXPECT_TRUE(image.Write(12, source.data(), 4));
    EXPECT_FALSE(image.Write(13, source.data(), 4));
    EXPECT_FALSE(image.Write(0xFFFFFFFE, source.data(), 4));  // address + count wraps
    EXPECT_FALSE(image.Write(0, nullptr, 4));
    EXPECT_FALSE(image.Read(13, target.data(), 4));
    EXPECT_EQ(target[0], 9);
    EXPECT_FALSE(image.Read(0xFFFFFFFF, target.data(), 2));
    EXPECT_TRUE(image.Read(12, target.data(), 4));
    EXPECT_EQ(target, source);
}

TEST(ImageBuffer, WordsHonourTheByteOrder) {
    CImageBuffer image(4);
    image.SetByte(0, 0x12);
    image.SetByte(1, 0x34);
    EXPECT_EQ(image.GetWord(0, true), 0x1234);
    EXPECT_EQ(image.GetWord(0, false), 0x3412);
    image.SetWord(2, 0xABCDEF, true);  // only the low 16 bits
    EXPECT_EQ(image.GetByte(2), 0xCD);
    EXPECT_EQ(image.GetByte(3), 0xEF);
    image.SetWord(2, 0xABCD, false);
    EXPECT_EQ(image.GetByte(2), 0xCD);
    EXPECT_EQ(image.GetByte(3), 0xAB);
}

TEST(ImageBuffer, SetBitChangesOnlyItsBit) {
    CImageBuffer image(1);
    image.SetByte(0, 0b1010'0101);
    image.SetBit(0, 1, 7);  // any non-zero value sets
    image.SetBit(0, 7, 0);
    EXPECT_EQ(image.GetByte(0), 0b0010'0111);
    EXPECT_EQ(image.GetBit(0, 5), 1);
    EXPECT_EQ(image.GetBit(0, 6), 0);
    // Bit numbers past the byte are treated like addresses outside the image.
    image.SetBit(0, 8, 1);
    image.SetBit(0, 40, 1);
    EXPECT_EQ(image.GetByte(0), 0b0010'0111);
    EXPECT_EQ(image.GetBit(0, 9), 1);
}

TEST(ImageBuffer, ResizeAndAssignReplaceTheWholeImage) {
    CImageBuffer image(8);
    image.SetByte(3, 7);
    image.Resize(4);
    EXPECT_EQ(image.GetSize(), 4u);
    EXPECT_EQ(image.GetByte(3), 0);
    CImageBuffer other(2);
    other.SetByte(1, 5);
    image.Assign(other);
    EXPECT_EQ(image.GetSize(), 2u);
    EXPECT_EQ(image.GetByte(1), 5);
    EXPECT_EQ(image.GetByte(2), 0xFF);
}

TEST(EepromDataManager, ModelImageHasTheRadiosSizeAfterInitialize) {
    CZ5EepromDataManager image;
    EXPECT_EQ(image.GetSize(), 65536u);
    image.SetByte(5, 1);
    image.Initialize();
    EXPECT_EQ(image.GetSize(), 1952u);
    EXPECT_EQ(image.GetByte(5), 0);
    EXPECT_EQ(image.GetByte(1952), 0xFF);
    image.SetBit(1952, 0, 0);
    EXPECT_EQ(image.GetBit(1951, 0), 0);
}

}  // namespace
