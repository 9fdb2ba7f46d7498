// CEepromDataManager: the memory image as a clone manager component. It is
// created with 65,536 bytes; a model's subclass resizes it to the size of the
// radio's memory in Initialize. The byte, word and bit accessors are those of
// CImageBuffer: reads outside the image give erased values, writes there are
// ignored.
#pragma once

#include <cstdint>

#include "model/CloneManagerObject.h"
#include "model/ImageBuffer.h"

class CEepromDataManager : public CImageBuffer, public CCloneManagerObject {
    CPZ5_DECLARE_CLASS(CEepromDataManager)
  public:
    static constexpr std::uint32_t kDefaultSize = 0x10000;

    CEepromDataManager() : CImageBuffer(kDefaultSize) {}
};
