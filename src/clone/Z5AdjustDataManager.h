// CZ5AdjustDataManager: the repairs of a QM-Z5 memory image.
//
// Adjust: stamps the model text "24680001" at 798, passes the areas "Common",
// "MCH", "PCH", "CCH", "DTMF" and "PGR" through their nodes (decode, then
// encode) so that out-of-range values are normalised, and restores from the
// factory image of the current version the bytes the user cannot edit (760
// to 77F, 6E0, 6EB, 6FB, the record at 6B0, the skip bits of scan edges 0 to
// 5, the low nibble of 751, 75E and 75F). The call channel's "Skip" and
// "Clear" nodes become 0.
//
// PrepareForRadio: every channel whose receive frequency the radio's version
// may not receive (unless the option byte allows the extended receive range)
// is reset to the factory record and, for memory channels and scan edges,
// marked cleared. Version 4 ("no version") keeps every channel.
#pragma once

#include <cstdint>

#include "clone/AdjustDataManager.h"

class CZ5AdjustDataManager : public CAdjustDataManager {
    CPZ5_DECLARE_CLASS(CZ5AdjustDataManager)
  public:
    void Adjust() override;
    void PrepareForRadio() override;

    // Whether a channel of version may keep the receive frequency (in Hz):
    // inside 136 to 174 MHz and inside the version's band, or inside 136 to
    // 174 MHz with the extended receive range. Any version but 0 to 3 keeps
    // every frequency.
    static bool MayKeepFrequency(int version, std::uint32_t frequency, bool extendedRange);
};
