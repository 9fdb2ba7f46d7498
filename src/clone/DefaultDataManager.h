// CDefaultDataManager: the factory contents of a radio model's memory, as a
// clone manager component. It copies all of a factory image, a block, a byte
// or a single bit of it into the clone manager's memory image.
//
// version selects the factory image: 0 to 4 for the model's versions, a
// negative value for the model manager's current version. Every operation
// returns 1. Addresses outside the factory image or the memory image copy
// nothing; a missing memory image (empty slot) is not an error.
//
// The base class knows no factory image: its operations copy nothing.
#pragma once

#include <cstdint>

#include "model/CloneManagerObject.h"

class CDefaultDataManager : public CCloneManagerObject {
    CPZ5_DECLARE_CLASS(CDefaultDataManager)
  public:
    // Image byte at address := factory byte at address.
    virtual int CopyByte(int version, std::uint32_t address);
    // Bit number bit of the image byte at address := the same bit of the
    // factory byte; the other bits stay.
    virtual int CopyBit(int version, std::uint32_t address, unsigned bit);
    // count bytes from address.
    virtual int CopyBlock(int version, std::uint32_t address, std::uint32_t count);
    // The whole factory image from address 0.
    virtual int CopyAll(int version);

  protected:
    // The version to use for version: the model manager's current version
    // when version is negative; version itself when there is no model manager.
    int ResolveVersion(int version) const;
};
