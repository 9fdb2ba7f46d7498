// CZ5EepromDataManager: the memory image of the QM-Z5, 1,952 bytes (hex 7A0)
// once Initialize has run. Initialize clears the image to 0.
#pragma once

#include <cstdint>

#include "model/EepromDataManager.h"
#include "model/Z5MemoryMap.h"

class CZ5EepromDataManager : public CEepromDataManager {
    CPZ5_DECLARE_CLASS(CZ5EepromDataManager)
  public:
    static constexpr std::uint32_t kImageSize = z5map::kImageSize;

    void Initialize() override { Resize(kImageSize); }
};
