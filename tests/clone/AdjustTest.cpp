// The repairs of an image: normalising, restoring what the user cannot edit,
// and clearing channels the radio's version may not receive before a write.
#include <gtest/gtest.h>

#include "CloneTestSupport.h"
#include "clone/AdjustDataManager.h"
#include "clone/Z5AdjustDataManager.h"
#include "clone/Z5DefaultDataManager.h"

namespace {

const CZ5DefaultDataManager::Image& Factory(int version) {
    return CZ5DefaultDataManager::FactoryImage(version);
}

TEST(Adjust, NormalisesValuesAndStampsTheModelText) {
    CZ5CloneRig rig(0);
    rig.Image().SetByte(16 * 3 + 12, 200);  // MCH.CH3 TONECode
    rig.Image().SetByte(0x6F1, 45);         // TOT
    rig.Image().Write(0x798, reinterpret_cast<const std::uint8_t*>("XXXXXXXX"), 8);
    rig.manager.GetAdjustData()->Adjust();
    EXPECT_EQ(rig.Image().GetByte(16 * 3 + 12), 49);
    EXPECT_EQ(rig.Image().GetByte(0x6F1), 30);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(rig.Image().Data()) + 0x798, 8),
              "24680001");
    EXPECT_EQ(rig.Leaf("MCH.CH3.TONECode").GetValue(), 49);
}

TEST(Adjust, RestoresFromTheFactoryOnlyWhatTheUserCannotEdit) {
    for (int version = 0; version <= 3; ++version) {
        CZ5CloneRig rig(version);
        const std::vector<std::uint8_t> noise = RandomBytes(0x7A0, 100 + version);
        rig.Image().Write(0, noise.data(), 0x7A0);
        rig.manager.GetAdjustData()->Adjust();
        const auto& factory = Factory(version);
        for (std::uint32_t address : {0x6E0u, 0x6EBu, 0x6FBu, 0x6CDu, 0x75Eu, 0x75Fu}) {
            EXPECT_EQ(rig.Image().GetByte(address), factory[address]) << std::hex << address;
        }
        for (std::uint32_t address = 0x760; address < 0x780; ++address) {
            EXPECT_EQ(rig.Image().GetByte(address), factory[address]) << std::hex << address;
        }
        for (std::uint32_t address = 0x6B0; address < 0x6C0; ++address) {
            EXPECT_EQ(rig.Image().GetByte(address), factory[address]) << std::hex << address;
        }
        // Skip bits of memory channels 96 to 99 stay, those of scan edges 0 to 3 are reset.
        EXPECT_EQ(rig.Image().GetByte(0x6CC) & 0x0F, noise[0x6CC] & 0x0F);
        EXPECT_EQ(rig.Image().GetByte(0x6CC) & 0xF0, factory[0x6CC] & 0xF0);
        EXPECT_EQ(rig.Image().GetByte(0x751) & 0x0F, factory[0x751] & 0x0F);
        // Bits no codec owns and nothing restores are left alone.
        EXPECT_EQ(rig.Image().GetByte(16 * 9 + 6) & 0xFC, noise[16 * 9 + 6] & 0xFC);
        EXPECT_EQ(rig.Image().GetByte(0x70D), noise[0x70D]);
    }
}

TEST(Adjust, TheCallChannelKeepsNoSkipOrClearFlag) {
    CZ5CloneRig rig(0);
    rig.Leaf("CCH.CH0.Skip").SetValue(1);
    rig.Leaf("CCH.CH0.Clear").SetValue(1);
    rig.manager.GetAdjustData()->Adjust();
    EXPECT_EQ(rig.Leaf("CCH.CH0.Skip").GetValue(), 0);
    EXPECT_EQ(rig.Leaf("CCH.CH0.Clear").GetValue(), 0);
}

TEST(Adjust, TheBaseAdjustmentChangesNothing) {
    CZ5CloneRig rig(0);
    rig.Image().SetByte(0x6F1, 45);
    const std::vector<std::uint8_t> before = rig.Bytes();
    CAdjustDataManager base;
    base.SetOwner(&rig.manager);
    base.Adjust();
    base.PrepareForRadio();
    EXPECT_EQ(rig.Bytes(), before);
}

struct SBandCase {
    int version;
    std::uint8_t options;
    std::uint32_t frequency;  // Hz, a multiple of 5 or 6.25 kHz
    bool kept;
};

void PutReceiveFrequency(CImageBuffer& image, std::uint32_t record, std::uint32_t frequency) {
    const bool fine = frequency % 5'000 != 0;
    image.SetWord(record, frequency / (fine ? 6'250 : 5'000), true);
    image.SetBit(record + 4, 7, fine ? 1 : 0);
}

TEST(PrepareForRadio, ClearsChannelsOutsideTheVersionsBand) {
    const SBandCase cases[] = {
        {3, 0x00, 147'000'000, false}, {3, 0x04, 147'000'000, true},  {3, 0x00, 146'000'000, true},
        {3, 0x04, 135'995'000, false}, {0, 0x00, 144'000'000, true},  {0, 0x00, 143'995'000, false},
        {1, 0x00, 150'000'000, true},  {1, 0x00, 150'005'000, false}, {1, 0x00, 140'000'000, true},
        {2, 0x00, 148'000'000, true},  {2, 0x00, 148'006'250, false}, {2, 0x04, 174'000'000, true},
        {2, 0x04, 174'005'000, false}, {4, 0x00, 100'000'000, true},
    };
    for (const SBandCase& test : cases) {
        CZ5CloneRig rig(test.version);
        CModelInfo& info = rig.manager.GetModelManager()->GetModelInfo();
        info.SetDataByte(16, static_cast<std::uint8_t>(test.options | (test.version & 3)));
        info.UpdateFromData();
        rig.manager.GetModelManager()->SetVersion(test.version, false);
        const std::uint32_t record = 16 * 7;
        rig.Image().SetBit(0x6D0, 7, 0);
        rig.Image().SetByte(record + 9, 'Q');
        PutReceiveFrequency(rig.Image(), record, test.frequency);
        const std::vector<std::uint8_t> before = rig.Bytes();

        rig.manager.GetAdjustData()->PrepareForRadio();

        const std::string label = std::to_string(test.version) + "/" +
                                  std::to_string(test.options) + "/" +
                                  std::to_string(test.frequency);
        if (test.kept) {
            EXPECT_EQ(rig.Bytes(), before) << label;
        } else {
            const auto& factory = Factory(test.version);
            EXPECT_TRUE(std::equal(factory.begin() + record, factory.begin() + record + 16,
                                   rig.Image().Data() + record))
                << label;
            EXPECT_EQ(rig.Image().GetBit(0x6D0, 7), 1) << label;
        }
    }
}

TEST(PrepareForRadio, ScanEdgesAndTheCallChannelAreCheckedToo) {
    CZ5CloneRig rig(3);
    rig.manager.GetModelManager()->GetModelInfo().SetDataByte(16, 3);
    rig.manager.GetModelManager()->GetModelInfo().UpdateFromData();
    PutReceiveFrequency(rig.Image(), 0x640 + 16 * 2, 160'000'000);  // PCH.CH2
    PutReceiveFrequency(rig.Image(), 0x6A0, 160'000'000);           // CCH.CH0
    rig.Image().SetByte(0x6DC, 0x00);
    const std::uint8_t clearBitsAfterCall = rig.Image().GetByte(0x6DD);
    rig.manager.GetAdjustData()->PrepareForRadio();
    EXPECT_EQ(rig.Image().GetByte(0x6DC), 0x40);  // bitmap position 102
    EXPECT_EQ(rig.Image().GetByte(0x6DD), clearBitsAfterCall);
    EXPECT_EQ(rig.Image().GetWord(0x6A0, true), 0x5AA0);
    EXPECT_EQ(rig.Image().GetWord(0x640 + 32, true), 0x5AA0);
}

}  // namespace
