// CZ5ModelInfo: the model information of the QM-Z5: model code 0x2468,
// revision 1, 22 bytes of identity data (16 bytes of identity text, the option
// byte at position 16, 5 more bytes carried unchanged), versions "GEN" 0,
// "SEA" 1, "USA" 2, "EUR" 3 and "" 4. A new one holds version 4 (no version
// known yet) and identity data of zeros.
#pragma once

#include <cstddef>
#include <cstdint>

#include "clone/ModelInfo.h"

class CZ5ModelInfo : public CModelInfo {
  public:
    static constexpr std::uint32_t kModelCode = 0x2468;
    static constexpr std::uint32_t kRevision = 1;
    static constexpr std::size_t kDataLength = 22;
    static constexpr std::size_t kOptionByteIndex = 16;
    static constexpr std::int32_t kNoVersion = 4;

    CZ5ModelInfo();

    // Option byte := data byte 16; version := its bits 0 and 1.
    void UpdateFromData() override;
};
