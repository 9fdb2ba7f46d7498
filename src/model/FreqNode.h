// CFreqNode: a frequency in hertz, shown in megahertz with five decimals
// ("145.00000"). Default range 100,000,000 to 999,000,000 Hz. Validity looks
// at the range only (names and exclusions are not consulted).
//
// SetText reads a decimal number of megahertz: leading spaces and tabs are
// skipped, only the first 15 characters count, a negative number or a text
// without a number gives 0; the result is clamped into the range and SetText
// reports whether it lay inside the range before clamping.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ValueNode.h"

class CFreqNode : public CValueNode {
    CPZ5_DECLARE_CLASS(CFreqNode)
  public:
    // Hertz per displayed unit (one megahertz).
    static constexpr std::int32_t kScale = 1'000'000;

    CFreqNode() : CFreqNode("NumNode", 100'000'000, 999'000'000) {}

    bool IsValid(std::int32_t v) const override { return CValue::IsValid(v); }
    std::string GetText() const override;
    bool SetText(std::string_view text) override;

    // The text read as megahertz, in hertz (rounded to the nearest hertz; at
    // most INT32_MAX), before clamping.
    virtual std::int32_t ParseFrequency(std::string_view text) const;

    std::int32_t GetScale() const { return kScale; }

  protected:
    CFreqNode(std::string_view name, std::int32_t minimum, std::int32_t maximum)
        : CValueNode(name, minimum, maximum) {}
};
