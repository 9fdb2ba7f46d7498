// SMemoryRange: one span of image addresses that the clone file writer puts
// into a file, both ends inclusive. A list of ranges ends at its last element
// or at the first range whose first address is not below the image size (the
// end pair 0xFFFF, 0xFFFF), whichever comes first.
#pragma once

#include <cstdint>

struct SMemoryRange {
    std::uint32_t first;
    std::uint32_t last;
};
