#include "model/Z5FreqNode.h"

CPZ5_IMPLEMENT_CLASS(CZ5FreqNode, CFreqNode)

namespace {

constexpr std::int32_t kNarrowRaster = 5'000;
constexpr std::int32_t kWideRaster = 12'500;
constexpr std::int32_t kRasterSearchStep = 250;

bool IsOnRaster(std::int32_t hertz) {
    return hertz % kNarrowRaster == 0 || hertz % kWideRaster == 0;
}

}  // namespace

std::int32_t CZ5FreqNode::ParseFrequency(std::string_view text) const {
    std::int32_t hertz = CFreqNode::ParseFrequency(text);
    while (hertz > 0 && !IsOnRaster(hertz)) {
        hertz = (hertz - 1) / kRasterSearchStep * kRasterSearchStep;
    }
    return hertz;
}
