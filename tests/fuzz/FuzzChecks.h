// What the fuzz targets share: a check that ends the run (so that libFuzzer
// keeps the input), and the texts of channels' leaves to compare before and
// after an input was written somewhere else.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/Node.h"

namespace fuzz {

inline void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
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
