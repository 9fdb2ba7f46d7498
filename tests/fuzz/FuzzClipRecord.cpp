// libFuzzer target: any bytes as a clipboard record. Decoding must read only
// what is there, a decoded record must survive its own encoding, and writing
// it onto a channel must leave every other channel as it was and the
// channel's leaves within what the radio can hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "interchange/ChannelClipRecord.h"
#include "model/Node.h"

namespace {

using fuzz::Require;

CNode* Channel(const char* area, const char* channel) {
    return fuzz::RadioMap().GetRoot()->GetChild(area)->GetChild(channel);
}

// The leaves of the target's neighbours, in memory and in the tree.
std::vector<std::string> NeighbourTexts() {
    return fuzz::LeafTexts({Channel("MCH", "CH99"), Channel("PCH", "CH2"), Channel("PCH", "CH4"),
                            Channel("CCH", "CH0")});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ChannelClipRecord record = ChannelClipRecord::Decode(std::span(data, size));
    Require(record.freqRx.size() <= ChannelClipRecord::kTextField);
    Require(record.name.size() <= ChannelClipRecord::kTextField);

    const ChannelClipRecord again = ChannelClipRecord::Decode(record.Encode());
    Require(again.values == record.values);
    Require(again.freqRx == record.freqRx.substr(0, ChannelClipRecord::kTextField - 1));

    const std::vector<std::string> others = NeighbourTexts();
    CNode* target = Channel("PCH", "CH3");
    record.WriteTo(*target, size % 2 == 0);
    Require(NeighbourTexts() == others);
    Require(target->GetChild("Name")->GetText().size() <= 5);
    for (const CNode* leaf : target->GetChildren()) {
        // Every choice leaf shows one of its choices.
        if (leaf->GetValuePart() != nullptr && leaf->GetName() != "FreqRx" &&
            leaf->GetName() != "FreqOw") {
            Require(!leaf->GetText().empty());
        }
    }
    return 0;
}
