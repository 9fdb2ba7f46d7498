// Whole images through a decode-encode cycle. The bits the memory map owns
// are listed here on their own, from the radio's memory layout, so that a
// codec that writes a wrong bit or byte is caught.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "Z5MapFixture.h"

namespace {

constexpr std::uint32_t kImageSize = 0x7A0;
constexpr std::uint32_t kChannelRecords = 107;  // MCH, PCH and CCH back to back
constexpr std::uint32_t kFlaggedChannels = 106;
constexpr std::uint32_t kSkipBitmap = 0x6C0;
constexpr std::uint32_t kClearBitmap = 0x6D0;
constexpr std::uint32_t kDtmfMemory = 0x700;
constexpr std::uint32_t kPagerMemory = 0x750;

struct ByteSetting {
    std::uint32_t address;
    std::uint8_t maximum;
};

// Settings held in whole bytes, with their largest value.
constexpr ByteSetting kByteSettings[] = {
    {0x6E1, 3}, {0x6E2, 3}, {0x6E3, 4}, {0x6E4, 2}, {0x6E7, 4}, {0x6F1, 30}, {0x6F2, 2},
    {0x6F3, 3}, {0x6F4, 2}, {0x6F5, 3}, {0x6F6, 2}, {0x6F7, 5}, {0x6F8, 2},  {0x6F9, 30},
};

using Mask = std::array<std::uint8_t, kImageSize>;

std::uint32_t DtmfDigits(const CImageBuffer& image, int memory) {
    return std::min<std::uint32_t>(image.GetByte(kDtmfMemory + 16 * memory + 12), 24);
}

// The bits that the codecs read and write for this image (the DTMF digit
// bytes in use depend on the image's digit counts).
Mask OwnedBits(const CImageBuffer& image) {
    Mask owned{};
    for (std::uint32_t record = 0; record < kChannelRecords; ++record) {
        for (std::uint32_t offset = 0; offset < 16; ++offset) {
            owned[16 * record + offset] = offset == 6 ? 0x03 : 0xFF;  // 6: bits 7-2 unused
        }
    }
    for (std::uint32_t flag = 0; flag < kFlaggedChannels; ++flag) {
        owned[kSkipBitmap + flag / 8] |= 1 << flag % 8;
        owned[kClearBitmap + flag / 8] |= 1 << flag % 8;
    }
    for (const ByteSetting& setting : kByteSettings) {
        owned[setting.address] = 0xFF;
    }
    owned[0x6E5] = 0xFB;  // bit 2 unused
    owned[0x6F0] = 0xFE;  // bit 0 unused
    owned[0x6FA] = 0xFF;
    for (std::uint32_t i = 0; i < 16; ++i) {
        owned[0x780 + i] = 0xFF;
    }
    for (int memory = 0; memory < 5; ++memory) {
        const std::uint32_t record = kDtmfMemory + 16 * memory;
        owned[record + 12] = 0xFF;
        for (std::uint32_t i = 0; i < (DtmfDigits(image, memory) + 1) / 2; ++i) {
            owned[record + i] = 0xFF;
        }
    }
    for (std::uint32_t i = 0; i < 14; ++i) {
        owned[kPagerMemory + i] = 0xFF;
    }
    return owned;
}

class ImageMaker {
  public:
    explicit ImageMaker(unsigned seed) : random_(seed) {}

    CImageBuffer Random() {
        CImageBuffer image(kImageSize);
        for (std::uint32_t address = 0; address < kImageSize; ++address) {
            image.SetByte(address, static_cast<std::uint8_t>(Pick(0, 255)));
        }
        return image;
    }

    // A random image whose every owned value is one the radio uses, in the
    // form the codecs store it.
    CImageBuffer Canonical() {
        CImageBuffer image = Random();
        for (std::uint32_t record = 0; record < kChannelRecords; ++record) {
            CanonicalChannel(image, 16 * record);
        }
        for (const ByteSetting& setting : kByteSettings) {
            image.SetByte(setting.address, static_cast<std::uint8_t>(Pick(0, setting.maximum)));
        }
        image.SetBit(0x6E5, 6, image.GetBit(0x6E5, 7));  // "Synchro" in both bits
        const int channel = Pick(0, 100);
        image.SetByte(0x6FA, static_cast<std::uint8_t>(channel == 100 ? 255 : channel));
        PrintableBytes(image, 0x780, 16, false);
        for (int memory = 0; memory < 5; ++memory) {
            CanonicalDtmf(image, kDtmfMemory + 16 * memory);
        }
        for (std::uint32_t memory = 0; memory < 7; ++memory) {
            const std::uint32_t address = kPagerMemory + 2 * memory;
            image.SetByte(address, static_cast<std::uint8_t>(Pick(0, 9) << 4 | Pick(0, 9)));
            image.SetByte(address + 1, static_cast<std::uint8_t>(Pick(0, 9) << 4 | 8 * Pick(0, 1)));
        }
        return image;
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void CanonicalChannel(CImageBuffer& image, std::uint32_t record) {
        // Offset: 6.25 kHz steps whenever the offset is a multiple of 6,250 Hz.
        const bool wideOffset = Pick(0, 1) == 1;
        int offsetWord = wideOffset ? Pick(0, 15'999) : Pick(1, 19'999);
        while (!wideOffset && offsetWord % 5 == 0) {
            offsetWord = Pick(1, 19'999);
        }
        const int offsetStep = wideOffset ? 6'250 : 5'000;
        // Receive: the offset's step when it fits, else 6.25 kHz when it fits.
        bool wideReceive = false;
        int receiveWord = 0;
        for (bool fits = false; !fits;) {
            wideReceive = Pick(0, 1) == 1;
            const int step = wideReceive ? 6'250 : 5'000;
            receiveWord = Pick(0, 199'990'000 / step);
            const int frequency = receiveWord * step;
            const int expected = frequency % offsetStep == 0 ? offsetStep
                                 : frequency % 6'250 == 0    ? 6'250
                                                             : 5'000;
            fits = expected == step;
        }
        image.SetWord(record, static_cast<std::uint32_t>(receiveWord), true);
        image.SetWord(record + 2, static_cast<std::uint32_t>(offsetWord), true);
        image.SetByte(record + 4, static_cast<std::uint8_t>(wideReceive << 7 | wideOffset << 6 |
                                                            Pick(0, 3) << 3 | Pick(0, 2)));
        constexpr std::uint8_t kDuplexBits[] = {0x00, 0x80, 0xC0};
        image.SetByte(record + 5, static_cast<std::uint8_t>(kDuplexBits[Pick(0, 2)] | Pick(0, 63)));
        PrintableBytes(image, record + 7, 5, true);
        image.SetByte(record + 12, static_cast<std::uint8_t>(Pick(0, 49)));
        image.SetByte(record + 13, static_cast<std::uint8_t>(Pick(0, 49)));
        image.SetByte(record + 14, static_cast<std::uint8_t>(Pick(0, 103)));
        image.SetByte(record + 15, static_cast<std::uint8_t>(Pick(1, 255)));
    }

    void PrintableBytes(CImageBuffer& image, std::uint32_t address, int count, bool upperCase) {
        for (int i = 0; i < count; ++i) {
            int c = Pick(32, 127);
            while (upperCase && c >= 'a' && c <= 'z') {
                c = Pick(32, 127);
            }
            image.SetByte(address + i, static_cast<std::uint8_t>(c));
        }
    }

    void CanonicalDtmf(CImageBuffer& image, std::uint32_t record) {
        const int digits = Pick(0, 24);
        image.SetByte(record + 12, static_cast<std::uint8_t>(digits));
        if (digits % 2 == 1) {  // the unused low nibble of an odd count is 0
            const std::uint32_t last = record + digits / 2;
            image.SetByte(last, image.GetByte(last) & 0xF0);
        }
    }

    std::mt19937 random_;
};

constexpr unsigned kImages = 150;

TEST_F(Z5MapTest, ImagesInTheRadiosFormSurviveACycleBitForBit) {
    for (unsigned seed = 0; seed < kImages; ++seed) {
        ImageMaker maker(seed);
        const CImageBuffer source = maker.Canonical();
        const CImageBuffer other = maker.Random();
        const Mask owned = OwnedBits(source);
        map.ImageToNodes(map.GetRoot(), source);
        CImageBuffer target = other;  // every owned bit must be written, no other
        map.NodesToImage(map.GetRoot(), target);
        for (std::uint32_t address = 0; address < kImageSize; ++address) {
            const std::uint8_t expected = (source.GetByte(address) & owned[address]) |
                                          (other.GetByte(address) & ~owned[address]);
            ASSERT_EQ(target.GetByte(address), expected) << "seed " << seed << " at " << address;
        }
    }
}

TEST_F(Z5MapTest, AnyImageKeepsTheBitsTheMapDoesNotOwnAndSettlesInOneCycle) {
    for (unsigned seed = 0; seed < kImages; ++seed) {
        const CImageBuffer source = ImageMaker(seed + 1000).Random();
        const Mask owned = OwnedBits(source);
        CImageBuffer once = source;
        map.ImageToNodes(map.GetRoot(), once);
        map.NodesToImage(map.GetRoot(), once);
        for (std::uint32_t address = 0; address < kImageSize; ++address) {
            ASSERT_EQ(once.GetByte(address) & ~owned[address],
                      source.GetByte(address) & ~owned[address])
                << "seed " << seed << " at " << address;
        }
        CImageBuffer twice = once;
        map.ImageToNodes(map.GetRoot(), twice);
        map.NodesToImage(map.GetRoot(), twice);
        for (std::uint32_t address = 0; address < kImageSize; ++address) {
            ASSERT_EQ(twice.GetByte(address), once.GetByte(address))
                << "seed " << seed << " at " << address;
        }
    }
}

}  // namespace
