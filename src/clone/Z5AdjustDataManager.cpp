#include "clone/Z5AdjustDataManager.h"

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <span>

#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "model/EepromDataManager.h"
#include "model/Node.h"
#include "model/Z5RadioDataManager.h"

CPZ5_IMPLEMENT_CLASS(CZ5AdjustDataManager, CAdjustDataManager)

namespace {

constexpr std::uint32_t kModelTextAddress = 0x798;
constexpr char kModelText[] = "24680001";  // model code and revision as ASCII

// Bytes (bit < 0) or single bits that the user cannot edit; the factory image
// of the version has the only right value.
struct SFactoryRestore {
    std::uint32_t address;
    std::uint32_t count;
    int bit;
};

constexpr SFactoryRestore kSettingsRestores[] = {
    {0x760, 32, -1}, {0x6E0, 1, -1}, {0x6EB, 1, -1}, {0x6FB, 1, -1}};
// The record after the call channel, the skip bits of scan edges 0 to 5.
constexpr SFactoryRestore kChannelRestores[] = {{0x6B0, 16, -1}, {0x6CC, 1, 4}, {0x6CC, 1, 5},
                                                {0x6CC, 1, 6},   {0x6CC, 1, 7}, {0x6CD, 1, -1}};
constexpr SFactoryRestore kPagerRestores[] = {{0x751, 1, 3}, {0x751, 1, 2},  {0x751, 1, 1},
                                              {0x751, 1, 0}, {0x75E, 1, -1}, {0x75F, 1, -1}};

struct SChannelArea {
    std::uint32_t firstRecord;
    std::uint32_t recordCount;
    int firstFlag;  // position of record 0 in the "Clear" bitmap, -1: none
};

constexpr std::uint32_t kRecordSize = 16;
constexpr std::uint32_t kClearBitmap = 0x6D0;
constexpr SChannelArea kChannelAreas[] = {
    {0x000, 100, 0},  // "MCH"
    {0x640, 6, 100},  // "PCH"
    {0x6A0, 1, -1},   // "CCH"
};

struct SBand {
    std::uint32_t low;
    std::uint32_t high;
};

constexpr SBand kReceiverCoverage = {136'000'000, 174'000'000};
// By version: "GEN", "SEA", "USA", "EUR".
constexpr SBand kVersionBands[] = {{144'000'000, 146'000'000},
                                   {140'000'000, 150'000'000},
                                   {144'000'000, 148'000'000},
                                   {144'000'000, 146'000'000}};

constexpr std::uint8_t kExtendedRangeOption = 0x04;

bool Contains(const SBand& band, std::uint32_t frequency) {
    return frequency >= band.low && frequency <= band.high;
}

std::uint32_t ReceiveFrequency(const CImageBuffer& image, std::uint32_t record) {
    std::uint32_t step = image.GetBit(record + 4, 7) != 0 ? 6'250 : 5'000;
    return image.GetWord(record, true) * step;
}

// What Adjust works on; the memory map and the default data may be missing.
struct SAdjustTarget {
    CEepromDataManager& image;
    CZ5RadioDataManager* map;
    CDefaultDataManager* defaults;
};

void StampModelText(CImageBuffer& image) {
    image.Write(kModelTextAddress, reinterpret_cast<const std::uint8_t*>(kModelText),
                std::strlen(kModelText));
}

// Decodes each area into its nodes and encodes it back: values the radio
// cannot hold come back normalised.
void PassThroughNodes(const SAdjustTarget& target, std::initializer_list<const char*> areas) {
    if (target.map == nullptr) {
        return;
    }
    for (const char* area : areas) {
        target.map->ImageToArea(target.map->GetRoot(), target.image, area);
        target.map->AreaToImage(target.map->GetRoot(), target.image, area);
    }
}

void RestoreFromFactory(const SAdjustTarget& target, std::span<const SFactoryRestore> restores) {
    constexpr int kCurrentVersion = -1;
    if (target.defaults == nullptr) {
        return;
    }
    for (const SFactoryRestore& restore : restores) {
        if (restore.bit < 0) {
            target.defaults->CopyBlock(kCurrentVersion, restore.address, restore.count);
        } else {
            target.defaults->CopyBit(kCurrentVersion, restore.address,
                                     static_cast<unsigned>(restore.bit));
        }
    }
}

// The call channel has no skip or clear bits; its nodes are kept at 0.
void ResetCallChannelFlags(const SAdjustTarget& target) {
    CNode* callChannel =
        target.map != nullptr ? target.map->GetRoot()->FindPath("CCH.CH0") : nullptr;
    if (callChannel == nullptr) {
        return;
    }
    for (const char* flag : {"Skip", "Clear"}) {
        if (CNode* leaf = callChannel->GetChild(flag)) {
            leaf->SetValue(0);
        }
    }
}

}  // namespace

bool CZ5AdjustDataManager::MayKeepFrequency(int version, std::uint32_t frequency,
                                            bool extendedRange) {
    if (version < 0 || version >= static_cast<int>(std::size(kVersionBands))) {
        return true;
    }
    return Contains(kReceiverCoverage, frequency) &&
           (extendedRange || Contains(kVersionBands[version], frequency));
}

void CZ5AdjustDataManager::Adjust() {
    CCloneManager* owner = GetOwner();
    CEepromDataManager* image = owner != nullptr ? owner->GetMemoryImage() : nullptr;
    if (image == nullptr) {
        return;
    }
    const SAdjustTarget target = {*image, dynamic_cast<CZ5RadioDataManager*>(owner->GetRadioData()),
                                  owner->GetDefaultData()};
    StampModelText(*image);
    PassThroughNodes(target, {"Common"});
    RestoreFromFactory(target, kSettingsRestores);
    PassThroughNodes(target, {"MCH", "PCH", "CCH"});
    RestoreFromFactory(target, kChannelRestores);
    ResetCallChannelFlags(target);
    PassThroughNodes(target, {"DTMF", "PGR"});
    RestoreFromFactory(target, kPagerRestores);
}

void CZ5AdjustDataManager::PrepareForRadio() {
    CCloneManager* owner = GetOwner();
    CEepromDataManager* image = owner != nullptr ? owner->GetMemoryImage() : nullptr;
    const CModelManager* models = owner != nullptr ? owner->GetModelManager() : nullptr;
    if (image == nullptr || models == nullptr) {
        return;
    }
    const int version = models->GetVersion();
    const bool extendedRange = (models->GetModelInfo().GetOptionByte() & kExtendedRangeOption) != 0;
    const CZ5DefaultDataManager::Image& factory = CZ5DefaultDataManager::FactoryImage(version);
    for (const SChannelArea& area : kChannelAreas) {
        for (std::uint32_t i = 0; i < area.recordCount; ++i) {
            const std::uint32_t record = area.firstRecord + kRecordSize * i;
            if (MayKeepFrequency(version, ReceiveFrequency(*image, record), extendedRange)) {
                continue;
            }
            image->Write(record, factory.data() + record, kRecordSize);
            if (area.firstFlag >= 0) {
                const std::uint32_t flag = static_cast<std::uint32_t>(area.firstFlag) + i;
                image->SetBit(kClearBitmap + flag / 8, flag % 8, 1);
            }
        }
    }
}
