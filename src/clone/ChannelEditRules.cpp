#include "clone/ChannelEditRules.h"

#include <algorithm>
#include <cstdint>

#include "model/Node.h"

namespace ChannelEditRules {
namespace {

// One leaf of the fresh channel: set from text when text is not nullptr,
// else from value.
struct SFreshLeaf {
    const char* leaf;
    const char* text;
    std::int32_t value;
};

constexpr SFreshLeaf kFreshChannel[] = {
    {"FreqRx", "", 0},        {"FreqOw", "0", 0},       {"Duplex", "OFF", 0},
    {"DupRev", nullptr, 0},   {"Name", "-----", 0},     {"TONESet", "OFF", 0},
    {"TONECode", nullptr, 8}, {"TSQLCode", nullptr, 8}, {"DTCSCode", nullptr, 0},
    {"DTCSInv", nullptr, 0},  {"ANISet", "OFF", 0},     {"ANICode", nullptr, 0},
    {"Skip", nullptr, 0},     {"TXPower", nullptr, 0},  {"TXInhibit", nullptr, 0},
    {"SCRMSet", "OFF", 0},    {"SCRMCode", nullptr, 1},
};

}  // namespace

void WriteFreshChannel(CNode& channel) {
    for (const SFreshLeaf& fresh : kFreshChannel) {
        CNode* leaf = channel.GetChild(fresh.leaf);
        if (leaf == nullptr) {
            continue;
        }
        if (fresh.text != nullptr) {
            leaf->SetText(fresh.text);
        } else {
            leaf->SetValue(fresh.value);
        }
    }
}

}  // namespace ChannelEditRules
