// CZ5DefaultDataManager: the four factory images of the QM-Z5, one per model
// version: table 1 for "GEN" (0) and for every version that is not 1 to 3
// (4, "no version", included), table 2 for "SEA" (1), table 3 for "USA" (2),
// table 4 for "EUR" (3). The copy operations copy from the table of the
// version into the clone manager's memory image.
#pragma once

#include <array>
#include <cstdint>

#include "clone/DefaultDataManager.h"
#include "model/Z5MemoryMap.h"

class CZ5DefaultDataManager : public CDefaultDataManager {
    CPZ5_DECLARE_CLASS(CZ5DefaultDataManager)
  public:
    static constexpr std::uint32_t kImageSize = z5map::kImageSize;
    using Image = std::array<std::uint8_t, kImageSize>;

    // The factory image of version (see above); constant data that lives for
    // the whole run. Needs no clone manager: the virtual radio starts from it.
    static const Image& FactoryImage(int version);

    // The factory image of version; a negative version means the model
    // manager's current version.
    const Image& GetFactoryImage(int version) const;

    int CopyByte(int version, std::uint32_t address) override;
    int CopyBit(int version, std::uint32_t address, unsigned bit) override;
    int CopyBlock(int version, std::uint32_t address, std::uint32_t count) override;
    int CopyAll(int version) override;
};
