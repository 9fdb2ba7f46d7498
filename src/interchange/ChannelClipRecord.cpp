#include "interchange/ChannelClipRecord.h"

#include <algorithm>
#include <cstring>

#include "model/FreqNode.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/TextFilter.h"
#include "model/ValueList.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"

namespace {

using Bytes = std::span<const std::uint8_t>;

// Where each integer leaf lies in the record, in EValue order.
struct SValueField {
    const char* leaf;
    std::size_t offset;
};

constexpr std::array<SValueField, ChannelClipRecord::kValueCount> kValueFields = {{
    {z5leaf::kClear, 0},
    {z5leaf::kRef, 56},
    {z5leaf::kRefOw, 120},
    {z5leaf::kDuplex, 60},
    {z5leaf::kDupRev, 64},
    {z5leaf::kToneSet, 176},
    {z5leaf::kToneCode, 180},
    {z5leaf::kTsqlCode, 184},
    {z5leaf::kDtcsCode, 188},
    {z5leaf::kDtcsInv, 192},
    {z5leaf::kAniSet, 196},
    {z5leaf::kAniCode, 200},
    {z5leaf::kSkip, 204},
    {z5leaf::kTxInhibit, 208},
    {z5leaf::kTxPower, 212},
    {z5leaf::kScrmSet, 216},
    {z5leaf::kScrmCode, 220},
}};

// The text fields.
constexpr std::size_t kFreqRxOffset = 4;
constexpr std::size_t kFreqOwOffset = 68;
constexpr std::size_t kNameOffset = 124;

// The steps the radio stores a frequency in; a frequency on neither is
// moved down to the raster of a typed one.
constexpr std::int32_t kStoredSteps[] = {5'000, 6'250};

void PutInt(std::array<std::uint8_t, ChannelClipRecord::kSize>& bytes, std::size_t offset,
            std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

void PutText(std::array<std::uint8_t, ChannelClipRecord::kSize>& bytes, std::size_t offset,
             const std::string& text) {
    const std::size_t length = std::min(text.size(), ChannelClipRecord::kTextField - 1);
    std::memcpy(bytes.data() + offset, text.data(), length);
}

// Bytes missing at the end of a short record read as 0.
std::int32_t GetInt(Bytes bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4 && offset + i < bytes.size(); ++i) {
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

std::string GetText(Bytes bytes, std::size_t offset) {
    if (offset >= bytes.size()) {
        return {};
    }
    const Bytes field =
        bytes.subspan(offset, std::min(ChannelClipRecord::kTextField, bytes.size() - offset));
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

// The name as the radio shows it.
std::string RadioName(const std::string& text) {
    std::string name = text.substr(0, z5channel::kNameLength);
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte > 127) {
            c = ' ';
        } else {
            c = AsciiUpperCase(c);
        }
    }
    return name;
}

bool IsStoredFrequency(std::int32_t hertz) {
    return std::any_of(std::begin(kStoredSteps), std::end(kStoredSteps),
                       [hertz](std::int32_t step) { return hertz % step == 0; });
}

void WriteFrequency(CNode& channel, const char* leafName, const std::string& text) {
    auto* leaf = dynamic_cast<CFreqNode*>(channel.GetChild(leafName));
    if (leaf == nullptr) {
        return;
    }
    const std::int32_t exact = leaf->CFreqNode::ParseFrequency(text);
    if (IsStoredFrequency(exact)) {
        leaf->SetValue(exact);
    } else {
        leaf->SetText(text);
    }
}

// Only a value the leaf names (a choice the radio knows) is taken.
void WriteValue(CNode& channel, const char* leafName, std::int32_t value) {
    CNode* leaf = channel.GetChild(leafName);
    const CValueList* choices = leaf != nullptr ? leaf->GetValuePart() : nullptr;
    if (choices != nullptr && !choices->TextOf(value).empty()) {
        leaf->SetValue(value);
    }
}

}  // namespace

std::array<std::uint8_t, ChannelClipRecord::kSize> ChannelClipRecord::Encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    for (std::size_t i = 0; i < kValueCount; ++i) {
        PutInt(bytes, kValueFields[i].offset, values[i]);
    }
    PutText(bytes, kFreqRxOffset, freqRx);
    PutText(bytes, kFreqOwOffset, freqOw);
    PutText(bytes, kNameOffset, name);
    return bytes;
}

ChannelClipRecord ChannelClipRecord::Decode(std::span<const std::uint8_t> bytes) {
    bytes = bytes.first(std::min(bytes.size(), kSize));
    ChannelClipRecord record;
    for (std::size_t i = 0; i < kValueCount; ++i) {
        record.values[i] = GetInt(bytes, kValueFields[i].offset);
    }
    record.freqRx = GetText(bytes, kFreqRxOffset);
    record.freqOw = GetText(bytes, kFreqOwOffset);
    record.name = GetText(bytes, kNameOffset);
    return record;
}

std::vector<std::uint8_t> ChannelClipRecord::EncodeBlock(
    std::span<const ChannelClipRecord> records) {
    std::vector<std::uint8_t> block;
    block.reserve(records.size() * kSize);
    for (const ChannelClipRecord& record : records) {
        const std::array<std::uint8_t, kSize> bytes = record.Encode();
        block.insert(block.end(), bytes.begin(), bytes.end());
    }
    return block;
}

std::optional<std::vector<ChannelClipRecord>> ChannelClipRecord::DecodeBlock(
    std::span<const std::uint8_t> bytes) {
    if (!IsBlockSize(bytes.size())) {
        return std::nullopt;
    }
    std::vector<ChannelClipRecord> records;
    for (std::size_t at = 0; at < bytes.size(); at += kSize) {
        records.push_back(Decode(bytes.subspan(at, kSize)));
    }
    return records;
}

bool ChannelClipRecord::IsBlockSize(std::size_t size) {
    return size > 0 && size % kSize == 0 && size / kSize <= kMaxBlockRecords;
}

const char* ChannelClipRecord::LeafOf(EValue value) {
    return kValueFields[value].leaf;
}

ChannelClipRecord ChannelClipRecord::FromChannel(const CNode& channel) {
    ChannelClipRecord record;
    for (std::size_t i = 0; i < kValueCount; ++i) {
        record.values[i] = GetNodeValue(&channel, kValueFields[i].leaf);
    }
    record.freqRx = GetNodeFreq(&channel, z5leaf::kFreqRx);
    record.freqOw = GetNodeFreq(&channel, z5leaf::kFreqOw);
    record.name = GetNodeString(&channel, z5leaf::kName);
    return record;
}

void ChannelClipRecord::WriteTo(CNode& channel, bool keepSkip) const {
    const auto writeValues = [&](EValue first, EValue last) {
        for (std::size_t i = first; i <= last; ++i) {
            const bool dropSkip = i == kSkip && !keepSkip;
            WriteValue(channel, kValueFields[i].leaf, dropSkip ? 0 : values[i]);
        }
    };
    writeValues(kClear, kClear);
    WriteFrequency(channel, z5leaf::kFreqRx, freqRx);
    WriteFrequency(channel, z5leaf::kFreqOw, freqOw);
    writeValues(kRef, kDupRev);
    SetNodeString(&channel, z5leaf::kName, RadioName(name));
    writeValues(kToneSet, kScrmCode);
}
