// CZ5ModelInfo: the model information of the QM-Z5: its model code and
// revision (Z5MemoryMap.h), 22 bytes of identity data (16 bytes of identity
// text, the option byte at position 16, 5 more bytes carried unchanged), the
// market versions by number and name (Z5Versions.h) and "" for
// z5version::kNone. A new one holds kNone (no version known yet) and
// identity data of zeros.
#pragma once

#include <cstddef>
#include <cstdint>

#include "clone/ModelInfo.h"
#include "model/Z5MemoryMap.h"

class CZ5ModelInfo : public CModelInfo {
  public:
    static constexpr std::uint32_t kModelCode = z5map::kModelCode;
    static constexpr std::uint32_t kRevision = z5map::kRevision;
    static constexpr std::size_t kDataLength = 22;
    static constexpr std::size_t kOptionByteIndex = 16;
    static constexpr std::int32_t kNoVersion = z5version::kNone;

    CZ5ModelInfo();

    // Option byte := data byte 16; version := its bits 0 and 1.
    void UpdateFromData() override;
};
