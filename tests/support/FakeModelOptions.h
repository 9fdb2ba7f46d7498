// The option test of a radio with the units a test chooses: 1 or 0 for
// "DETOP_SCRM" and "DETOP_ANI" as chosen, 0 for "DETOP_RXEXP", -1 for any
// other name (as the document answers).
#pragma once

#include <string>

inline int FakeModelOption(const std::string& name, bool scrambler, bool ani) {
    if (name == "DETOP_SCRM") {
        return scrambler ? 1 : 0;
    }
    if (name == "DETOP_ANI") {
        return ani ? 1 : 0;
    }
    return name == "DETOP_RXEXP" ? 0 : -1;
}
