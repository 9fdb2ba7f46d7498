#include "model/Z5ChannelRules.h"

#include <cstdint>
#include <optional>

#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5MemoryMap.h"

namespace z5channel {
namespace {

using namespace z5leaf;

struct LeafText {
    const char* leaf;
    const char* text;
};

constexpr LeafText kClearedChannel[] = {
    {kClear, "ON"},    {kFreqRx, ""},       {kFreqOw, "0.00000"}, {kDuplex, "OFF"},
    {kToneSet, "OFF"}, {kToneCode, "67.0"}, {kTsqlCode, "67.0"},  {kDtcsCode, "023"},
    {kAniSet, "OFF"},  {kSkip, "OFF"},      {kTxInhibit, "OFF"},  {kScrmSet, "OFF"},
    {kName, ""},
};

// One leaf of the fresh channel: set from text when text is not nullptr,
// else from value.
struct FreshLeaf {
    const char* leaf;
    const char* text;
    std::int32_t value;
};

constexpr FreshLeaf kFreshChannel[] = {
    {kFreqRx, "", 0},        {kFreqOw, "0", 0},       {kDuplex, "OFF", 0},
    {kDupRev, nullptr, 0},   {kName, "-----", 0},     {kToneSet, "OFF", 0},
    {kToneCode, nullptr, 8}, {kTsqlCode, nullptr, 8}, {kDtcsCode, nullptr, 0},
    {kDtcsInv, nullptr, 0},  {kAniSet, "OFF", 0},     {kAniCode, nullptr, 0},
    {kSkip, nullptr, 0},     {kTxPower, nullptr, 0},  {kTxInhibit, nullptr, 0},
    {kScrmSet, "OFF", 0},    {kScrmCode, nullptr, 1},
};

constexpr const char* kMovedValues[] = {
    kClear,   kFreqRx, kFreqOw,  kDuplex, kDupRev,  kToneSet,   kToneCode, kTsqlCode, kDtcsCode,
    kDtcsInv, kAniSet, kAniCode, kSkip,   kTxPower, kTxInhibit, kScrmSet,  kScrmCode,
};

}  // namespace

bool IsInBand(long long hertz, int version, bool receiveRange) {
    if (!z5map::kReceiverCoverage.Contains(hertz)) {
        return false;
    }
    const std::optional<z5map::Band> band = z5map::VersionBand(version);
    return receiveRange || (band && band->Contains(hertz));
}

bool MayKeepFrequency(int version, long long hertz, bool receiveRange) {
    return !z5map::VersionBand(version) || IsInBand(hertz, version, receiveRange);
}

void ClearChannel(CNode& channel) {
    for (const LeafText& cleared : kClearedChannel) {
        SetNodeText(&channel, cleared.leaf, cleared.text);
    }
}

void WriteFreshChannel(CNode& channel) {
    for (const FreshLeaf& fresh : kFreshChannel) {
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

std::span<const char* const> MovedValueLeaves() {
    return kMovedValues;
}

void MoveChannel(const CNode& source, CNode& target) {
    PutChannel(TakeChannel(source), target);
}

SChannelContent TakeChannel(const CNode& channel) {
    SChannelContent content;
    for (const char* leaf : kMovedValues) {
        content.values.push_back(GetNodeValue(&channel, leaf));
    }
    content.name = GetNodeString(&channel, kName);
    return content;
}

void PutChannel(const SChannelContent& content, CNode& channel) {
    for (std::size_t i = 0; i < std::size(kMovedValues) && i < content.values.size(); ++i) {
        SetNodeValue(&channel, kMovedValues[i], content.values[i]);
    }
    SetNodeString(&channel, kName, content.name);
}

}  // namespace z5channel
