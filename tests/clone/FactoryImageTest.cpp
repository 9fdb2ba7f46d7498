// The four factory images, byte for byte against the published tables, and
// the copies the default data makes from them.
#include <gtest/gtest.h>

#include <sstream>

#include "CloneTestSupport.h"
#include "clone/Z5DefaultDataManager.h"

namespace {

std::vector<std::uint8_t> Hex(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::uint8_t> bytes;
    for (std::string byte; in >> byte;) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
    }
    return bytes;
}

// 6C0 to 79F of the "GEN" table, as printed.
const char* const kGenSettingsRows[] = {
    "FE FF FF FF FF FF FF FF FF FF FF FF 0F FC FF FF",
    "FE FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
    "04 02 00 00 02 00 00 00 00 00 00 00 00 00 00 00",
    "98 00 00 00 00 00 00 05 01 00 FF 00 00 00 00 00",
    "00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF",
    "00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF",
    "00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF",
    "00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF",
    "00 00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF",
    "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 08",
    "08 A4 86 40 00 00 00 00 00 20 20 20 20 20 00 08",
    "08 00 01 00 00 00 00 CF 1F 03 01 05 FF FF FF FF",
    "20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20",
    "FF FF FF FF FF FF FF FF 32 34 36 38 30 30 30 31",
};

struct SPublishedTable {
    int version;
    const char* channelRecord;
    const char* extraRecord;
    std::vector<std::pair<std::uint32_t, const char*>> differences;  // from "GEN", 6C0 on
};

const SPublishedTable kPublished[] = {
    {0,
     "5A A0 00 00 C0 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     "71 48 00 00 00 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     {}},
    {1,
     "72 78 00 60 40 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     "72 78 00 78 00 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     {{0x6E0, "00"}, {0x761, "BB B7 C0"}, {0x765, "09 27 C0"}}},
    {2,
     "72 12 00 60 40 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     "72 12 00 78 00 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     {{0x6E0, "00"}, {0x6F2, "01"}, {0x761, "B3 EF 90"}, {0x765, "09 27 C0"}}},
    {3,
     "5A A0 00 60 C0 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     "5A A0 00 60 C0 00 00 2D 2D 2D 2D 2D 08 08 00 01",
     {{0x6E0, "05"}, {0x765, "09 27 C0 C0"}}},
};

std::vector<std::uint8_t> ExpectedImage(const SPublishedTable& table) {
    std::vector<std::uint8_t> image;
    for (int record = 0; record < 107; ++record) {
        std::vector<std::uint8_t> bytes = Hex(table.channelRecord);
        image.insert(image.end(), bytes.begin(), bytes.end());
    }
    std::vector<std::uint8_t> extra = Hex(table.extraRecord);
    image.insert(image.end(), extra.begin(), extra.end());
    for (const char* row : kGenSettingsRows) {
        std::vector<std::uint8_t> bytes = Hex(row);
        image.insert(image.end(), bytes.begin(), bytes.end());
    }
    for (const auto& [address, text] : table.differences) {
        std::vector<std::uint8_t> bytes = Hex(text);
        std::copy(bytes.begin(), bytes.end(), image.begin() + address);
    }
    return image;
}

TEST(FactoryImage, EveryByteOfEveryVersionIsAsPublished) {
    for (const SPublishedTable& table : kPublished) {
        std::vector<std::uint8_t> expected = ExpectedImage(table);
        ASSERT_EQ(expected.size(), 0x7A0u);
        const CZ5DefaultDataManager::Image& image =
            CZ5DefaultDataManager::FactoryImage(table.version);
        for (std::size_t address = 0; address < expected.size(); ++address) {
            ASSERT_EQ(image[address], expected[address])
                << "version " << table.version << " address " << std::hex << address;
        }
    }
}

TEST(FactoryImage, NoVersionAndUnknownVersionsUseTheGeneralTable) {
    const auto& general = CZ5DefaultDataManager::FactoryImage(0);
    for (int version : {4, 5, -1, 255}) {
        EXPECT_EQ(&CZ5DefaultDataManager::FactoryImage(version), &general) << version;
    }
}

TEST(FactoryImage, CopiesFollowTheCurrentVersion) {
    CZ5CloneRig rig(2);
    auto* defaults = dynamic_cast<CZ5DefaultDataManager*>(rig.manager.GetDefaultData());
    ASSERT_NE(defaults, nullptr);
    const auto& usa = CZ5DefaultDataManager::FactoryImage(2);
    EXPECT_EQ(rig.Bytes(), std::vector<std::uint8_t>(usa.begin(), usa.end()));

    rig.Image().SetByte(0x6F2, 0x00);
    rig.Image().SetByte(0x6E0, 0xF0);
    defaults->CopyByte(-1, 0x6F2);   // the current version: "USA" has 01 there
    defaults->CopyBit(3, 0x6E0, 2);  // "EUR" 05: bit 2 set
    defaults->CopyBit(3, 0x6E0, 7);  // bit 7 clear
    EXPECT_EQ(rig.Image().GetByte(0x6F2), 0x01);
    EXPECT_EQ(rig.Image().GetByte(0x6E0), 0x74);
}

TEST(FactoryImage, CopiesOutsideTheImageChangeNothing) {
    CZ5CloneRig rig(1);
    std::vector<std::uint8_t> before = rig.Bytes();
    auto* defaults = rig.manager.GetDefaultData();
    defaults->CopyBlock(0, 0x790, 0x11);
    defaults->CopyBlock(0, 0x7A0, 1);
    defaults->CopyBlock(0, 0xFFFFFFFF, 2);
    defaults->CopyByte(0, 0x7A0);
    defaults->CopyBit(0, 0x7A0, 0);
    defaults->CopyBit(0, 0x000, 8);
    EXPECT_EQ(rig.Bytes(), before);
}

}  // namespace
