// CZ5FreqNode: a frequency of the QM-Z5, 0 to 199,990,000 Hz by default. A
// typed frequency is moved down to the radio's channel raster: the greatest
// multiple of 5,000 Hz or of 12,500 Hz that does not exceed it (so 145.00625
// becomes 145.00500).
#pragma once

#include <cstdint>
#include <string_view>

#include "model/FreqNode.h"

class CZ5FreqNode : public CFreqNode {
    CPZ5_DECLARE_CLASS(CZ5FreqNode)
  public:
    CZ5FreqNode() : CFreqNode("Z5FreqNode", 0, 199'990'000) {}

    std::int32_t ParseFrequency(std::string_view text) const override;
};
