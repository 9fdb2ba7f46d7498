// What the fuzz targets share: a check that ends the run (so that libFuzzer
// keeps the input), one memory map of the radio for the whole run, and the
// texts of channels' leaves to compare before and after an input was written
// somewhere else.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/Node.h"
#include "model/Z5RadioDataManager.h"

namespace fuzz {

inline void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Made at the first call and kept to the end of the process.
inline CZ5RadioDataManager& RadioMap() {
    static CZ5RadioDataManager* map = [] {
        auto* made = new CZ5RadioDataManager;
        made->Initialize();
        return made;
    }();
    return *map;
}

inline std::vector<std::string> LeafTexts(std::initializer_list<const CNode*> channels) {
    std::vector<std::string> texts;
    for (const CNode* channel : channels) {
        for (const CNode* leaf : channel->GetChildren()) {
            texts.push_back(leaf->GetText());
        }
    }
    return texts;
}

}  // namespace fuzz
