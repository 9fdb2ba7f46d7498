#include "clone/Z5AdjustDataManager.h"

#include <cstring>
#include <span>

#include "clone/CloneManager.h"
#include "clone/ModelManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "model/EepromDataManager.h"
#include "model/Node.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"
#include "model/Z5RadioDataManager.h"

CPZ5_IMPLEMENT_CLASS(CZ5AdjustDataManager, CAdjustDataManager)

namespace {

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

constexpr const char* kSettingsAreas[] = {z5area::kCommon};
constexpr const char* kChannelAreas[] = {z5area::kMemory, z5area::kScanEdge, z5area::kCall};
constexpr const char* kMemoryAreas[] = {z5area::kDtmf, z5area::kPager};

// What Adjust works on; the memory map and the default data may be missing.
struct SAdjustTarget {
    CEepromDataManager& image;
    CZ5RadioDataManager* map;
    CDefaultDataManager* defaults;
};

void StampModelText(CImageBuffer& image) {
    image.Write(z5map::kModelTextAddress,
                reinterpret_cast<const std::uint8_t*>(z5map::kModelText.data()),
                std::strlen(z5map::kModelText.data()));
}

// Decodes each area into its nodes and encodes it back: values the radio
// cannot hold come back normalised.
void PassThroughNodes(const SAdjustTarget& target, std::span<const char* const> areas) {
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
    CNode* callChannel = target.map != nullptr
                             ? target.map->GetRoot()->FindPath(z5map::RecordPath(z5area::kCall, 0))
                             : nullptr;
    if (callChannel == nullptr) {
        return;
    }
    for (const char* flag : {z5leaf::kSkip, z5leaf::kClear}) {
        if (CNode* leaf = callChannel->GetChild(flag)) {
            leaf->SetValue(0);
        }
    }
}

}  // namespace

bool CZ5AdjustDataManager::MayKeepFrequency(int version, std::uint32_t frequency,
                                            bool extendedRange) {
    return z5channel::MayKeepFrequency(version, frequency, extendedRange);
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
    PassThroughNodes(target, kSettingsAreas);
    RestoreFromFactory(target, kSettingsRestores);
    PassThroughNodes(target, kChannelAreas);
    RestoreFromFactory(target, kChannelRestores);
    ResetCallChannelFlags(target);
    PassThroughNodes(target, kMemoryAreas);
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
    const bool extendedRange =
        z5map::HasOption(models->GetModelInfo().GetOptionByte(), z5option::kReceiveRange) == 1;
    const CZ5DefaultDataManager::Image& factory = CZ5DefaultDataManager::FactoryImage(version);
    for (const char* name : kChannelAreas) {
        const z5map::AreaLayout* area = z5map::Area(name);
        for (int i = 0; area != nullptr && i < area->record_count; ++i) {
            if (MayKeepFrequency(version, z5map::ReceiveFrequency(*image, *area, i),
                                 extendedRange)) {
                continue;
            }
            const std::uint32_t record = z5map::RecordAddress(*area, i);
            image->Write(record, factory.data() + record, area->record_size);
            if (const auto clear = z5map::FlagPosition(*area, z5leaf::kClear, i)) {
                image->SetBit(clear->address, clear->bit, 1);
            }
        }
    }
}
