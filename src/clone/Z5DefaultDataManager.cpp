#include "clone/Z5DefaultDataManager.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "clone/CloneManager.h"
#include "model/EepromDataManager.h"

CPZ5_IMPLEMENT_CLASS(CZ5DefaultDataManager, CDefaultDataManager)

namespace {

using Image = CZ5DefaultDataManager::Image;
using Record = std::array<std::uint8_t, 16>;

constexpr std::uint32_t kChannelRecords = 107;  // 100 memory, 6 scan edges, call
constexpr std::uint32_t kExtraRecord = 0x6B0;
constexpr std::uint32_t kSettingsStart = 0x6C0;

// A run of bytes in which one version's factory settings differ from "GEN".
struct SPatch {
    std::uint32_t address;
    std::uint8_t count;
    std::uint8_t bytes[4];
};

struct SVersionTable {
    Record channel;  // every channel record, 000 to 6AF
    Record extra;    // the record at 6B0
    std::span<const SPatch> settingsPatches;
};

// The settings, flag bitmaps, DTMF and PGR memories, comment and model text of
// "GEN", 6C0 to 79F, 16 bytes a row.
constexpr std::uint8_t kGenSettings[][16] = {
    {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F, 0xFC, 0xFF,
     0xFF},
    {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0x04, 0x02, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
     0x00},
    {0x98, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05, 0x01, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00,
     0x00},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
     0xFF},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
     0xFF},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
     0xFF},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
     0xFF},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF,
     0xFF},
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
     0x08},
    {0x08, 0xA4, 0x86, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20, 0x20, 0x20, 0x20, 0x20, 0x00,
     0x08},
    {0x08, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0xCF, 0x1F, 0x03, 0x01, 0x05, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
     0x20},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x32, 0x34, 0x36, 0x38, 0x30, 0x30, 0x30,
     0x31},
};
static_assert(sizeof(kGenSettings) == CZ5DefaultDataManager::kImageSize - kSettingsStart);

// A factory channel record from its frequency words and step bits (bytes 0 to
// 4): name "-----", TONE and TSQL code 8 (88.5 Hz), DTCS code 0, scrambler
// code 1, every other setting off.
constexpr Record FactoryRecord(std::uint8_t rx0, std::uint8_t rx1, std::uint8_t offset0,
                               std::uint8_t offset1, std::uint8_t steps) {
    return {rx0,  rx1,  offset0, offset1, steps, 0x00, 0x00, 0x2D,
            0x2D, 0x2D, 0x2D,    0x2D,    0x08,  0x08, 0x00, 0x01};
}

constexpr SPatch kSeaPatches[] = {
    {0x6E0, 1, {0x00}}, {0x761, 3, {0xBB, 0xB7, 0xC0}}, {0x765, 3, {0x09, 0x27, 0xC0}}};
constexpr SPatch kUsaPatches[] = {{0x6E0, 1, {0x00}},
                                  {0x6F2, 1, {0x01}},
                                  {0x761, 3, {0xB3, 0xEF, 0x90}},
                                  {0x765, 3, {0x09, 0x27, 0xC0}}};
constexpr SPatch kEurPatches[] = {{0x6E0, 1, {0x05}}, {0x765, 4, {0x09, 0x27, 0xC0, 0xC0}}};

constexpr SVersionTable kVersionTables[] = {
    // "GEN": 145.000 MHz with 6.25 kHz step, no offset.
    {FactoryRecord(0x5A, 0xA0, 0x00, 0x00, 0xC0), FactoryRecord(0x71, 0x48, 0x00, 0x00, 0x00), {}},
    // "SEA": 146.520 MHz with 5 kHz step, offset 600 kHz with 6.25 kHz step.
    {FactoryRecord(0x72, 0x78, 0x00, 0x60, 0x40), FactoryRecord(0x72, 0x78, 0x00, 0x78, 0x00),
     kSeaPatches},
    // "USA": 146.010 MHz with 5 kHz step, offset 600 kHz.
    {FactoryRecord(0x72, 0x12, 0x00, 0x60, 0x40), FactoryRecord(0x72, 0x12, 0x00, 0x78, 0x00),
     kUsaPatches},
    // "EUR": 145.000 MHz, offset 600 kHz, both steps 6.25 kHz.
    {FactoryRecord(0x5A, 0xA0, 0x00, 0x60, 0xC0), FactoryRecord(0x5A, 0xA0, 0x00, 0x60, 0xC0),
     kEurPatches},
};

Image BuildFactoryImage(const SVersionTable& table) {
    Image image{};
    for (std::uint32_t record = 0; record < kChannelRecords; ++record) {
        std::copy(table.channel.begin(), table.channel.end(), image.begin() + 16 * record);
    }
    std::copy(table.extra.begin(), table.extra.end(), image.begin() + kExtraRecord);
    const std::uint8_t* settings = &kGenSettings[0][0];
    std::copy(settings, settings + sizeof(kGenSettings), image.begin() + kSettingsStart);
    for (const SPatch& patch : table.settingsPatches) {
        std::copy(patch.bytes, patch.bytes + patch.count, image.begin() + patch.address);
    }
    return image;
}

std::size_t TableIndex(int version) {
    return version >= 1 && version <= 3 ? version : 0;
}

}  // namespace

const CZ5DefaultDataManager::Image& CZ5DefaultDataManager::FactoryImage(int version) {
    static const std::array<Image, 4> images = {
        BuildFactoryImage(kVersionTables[0]), BuildFactoryImage(kVersionTables[1]),
        BuildFactoryImage(kVersionTables[2]), BuildFactoryImage(kVersionTables[3])};
    return images[TableIndex(version)];
}

const CZ5DefaultDataManager::Image& CZ5DefaultDataManager::GetFactoryImage(int version) const {
    return FactoryImage(ResolveVersion(version));
}

int CZ5DefaultDataManager::CopyByte(int version, std::uint32_t address) {
    return CopyBlock(version, address, 1);
}

int CZ5DefaultDataManager::CopyBit(int version, std::uint32_t address, unsigned bit) {
    CEepromDataManager* image = GetOwner() != nullptr ? GetOwner()->GetMemoryImage() : nullptr;
    if (image != nullptr && address < kImageSize && bit < 8) {
        image->SetBit(address, bit, (GetFactoryImage(version)[address] >> bit) & 1);
    }
    return 1;
}

int CZ5DefaultDataManager::CopyBlock(int version, std::uint32_t address, std::uint32_t count) {
    CEepromDataManager* image = GetOwner() != nullptr ? GetOwner()->GetMemoryImage() : nullptr;
    if (image != nullptr && address < kImageSize && count <= kImageSize - address) {
        image->Write(address, GetFactoryImage(version).data() + address, count);
    }
    return 1;
}

int CZ5DefaultDataManager::CopyAll(int version) {
    return CopyBlock(version, 0, kImageSize);
}
