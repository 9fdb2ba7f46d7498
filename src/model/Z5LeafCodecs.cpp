#include "model/Z5LeafCodecs.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/ImageBuffer.h"
#include "model/Node.h"
#include "model/TextFilter.h"
#include "model/Z5MemoryMap.h"

namespace z5map {
namespace {

constexpr bool kBigEndian = true;
constexpr std::uint32_t kStepFlagsOffset = 4;
constexpr std::int32_t kNarrowStep = 5'000;
constexpr std::int32_t kWideStep = 6'250;
constexpr std::string_view kDigits = "0123456789ABCDEF";
constexpr std::uint32_t kNoChannel = 255;
constexpr std::uint8_t kPagerSkipOn = 8;

CNode* LeafOf(const CNode& record, const LeafRow& row) {
    return record.GetChild(row.leaf);
}

// ---- bit fields -------------------------------------------------------------

std::uint32_t FieldMask(const LeafRow& row) {
    return (1u << row.width) - 1u;
}

std::uint32_t ReadField(const CImageBuffer& image, std::uint32_t address, const LeafRow& row) {
    return (image.GetByte(address) >> row.shift) & FieldMask(row);
}

// Writes raw into the field; the other bits of the byte stay.
void WriteField(CImageBuffer& image, std::uint32_t address, const LeafRow& row, std::uint32_t raw) {
    const std::uint32_t mask = FieldMask(row) << row.shift;
    const std::uint32_t kept = image.GetByte(address) & ~mask;
    image.SetByte(address, static_cast<std::uint8_t>(kept | ((raw << row.shift) & mask)));
}

using RawToValue = std::int32_t (*)(std::uint32_t raw, const LeafRow& row);
using ValueToRaw = std::uint32_t (*)(std::int32_t value, const LeafRow& row);

template <RawToValue kRead, ValueToRaw kWrite>
constexpr LeafCodec FieldCodec() {
    return {
        [](const CImageBuffer& image, const LeafRow& row, RecordPlace place, CNode& record) {
            if (CNode* leaf = LeafOf(record, row)) {
                leaf->SetValue(kRead(ReadField(image, place.address + row.offset, row), row));
            }
        },
        [](CImageBuffer& image, const LeafRow& row, RecordPlace place, const CNode& record) {
            if (const CNode* leaf = LeafOf(record, row)) {
                WriteField(image, place.address + row.offset, row, kWrite(leaf->GetValue(), row));
            }
        },
    };
}

std::int32_t ReadCapped(std::uint32_t raw, const LeafRow& row) {
    return std::min(static_cast<std::int32_t>(raw), row.limit);
}

std::uint32_t WriteClamped(std::int32_t value, const LeafRow& row) {
    return static_cast<std::uint32_t>(std::clamp(value, 0, row.limit));
}

std::uint32_t WriteZeroAbove(std::int32_t value, const LeafRow& row) {
    return value >= 0 && value <= row.limit ? static_cast<std::uint32_t>(value) : 0;
}

std::int32_t ReadToneSet(std::uint32_t raw, const LeafRow&) {
    // TONE, TSQL and DTCS also appear with bit 5 set; 4 and 5 mean off.
    constexpr std::array<std::int32_t, 8> kToneSetRead = {0, 1, 2, 3, 0, 0, 2, 3};
    return kToneSetRead[raw % kToneSetRead.size()];
}

std::int32_t ReadDuplex(std::uint32_t raw, const LeafRow&) {
    constexpr std::array<std::int32_t, 4> kDuplexRead = {0, 0, 1, 2};
    return kDuplexRead[raw % kDuplexRead.size()];
}

std::uint32_t WriteDuplex(std::int32_t value, const LeafRow&) {
    constexpr std::array<std::uint32_t, 3> kDuplexWrite = {0b00, 0b10, 0b11};
    return value >= 0 && value < 3 ? kDuplexWrite[value] : 0b00;
}

std::int32_t ReadScrambleCode(std::uint32_t raw, const LeafRow&) {
    return raw == 0 ? 1 : static_cast<std::int32_t>(raw);
}

std::uint32_t WriteScrambleCode(std::int32_t value, const LeafRow& row) {
    return static_cast<std::uint32_t>(std::clamp(value, 1, row.limit));
}

std::int32_t ReadInverted(std::uint32_t raw, const LeafRow&) {
    return raw == 0 ? 1 : 0;
}

std::uint32_t WriteInverted(std::int32_t value, const LeafRow&) {
    return value == 0 ? 1 : 0;
}

std::int32_t ReadHighestBit(std::uint32_t raw, const LeafRow& row) {
    return static_cast<std::int32_t>(raw >> (row.width - 1)) & 1;
}

std::uint32_t WriteAllBits(std::int32_t value, const LeafRow&) {
    return value != 0 ? ~0u : 0u;
}

std::int32_t ReadChannelPlusOne(std::uint32_t raw, const LeafRow& row) {
    return static_cast<std::int32_t>(raw) < row.limit ? static_cast<std::int32_t>(raw) + 1 : 0;
}

std::uint32_t WriteChannelPlusOne(std::int32_t value, const LeafRow& row) {
    return value >= 1 && value <= row.limit ? static_cast<std::uint32_t>(value - 1) : kNoChannel;
}

std::int32_t ReadNonZero(std::uint32_t raw, const LeafRow&) {
    return raw != 0 ? 1 : 0;
}

std::uint32_t WritePagerSkip(std::int32_t value, const LeafRow&) {
    return value == 1 ? kPagerSkipOn : 0;
}

// ---- frequencies ------------------------------------------------------------

std::int32_t OffsetStep(std::int32_t offset) {
    return offset % kWideStep == 0 ? kWideStep : kNarrowStep;
}

std::int32_t ReceiveStep(std::int32_t receive, std::int32_t offsetStep) {
    if (receive % offsetStep == 0) {
        return offsetStep;
    }
    return receive % kWideStep == 0 ? kWideStep : kNarrowStep;
}

void DecodeFrequency(const CImageBuffer& image, const LeafRow& row, RecordPlace place,
                     CNode& record) {
    if (CNode* leaf = LeafOf(record, row)) {
        leaf->SetValue(FrequencyInImage(image, row, place.address));
    }
}

void WriteFrequency(CImageBuffer& image, const LeafRow& row, RecordPlace place,
                    std::int32_t frequency, std::int32_t step) {
    image.SetWord(place.address + row.offset, static_cast<std::uint32_t>(frequency / step),
                  kBigEndian);
    image.SetBit(place.address + kStepFlagsOffset, row.shift, step == kWideStep);
}

std::int32_t FrequencyOf(const CNode* leaf) {
    return leaf != nullptr ? std::max(leaf->GetValue(), 0) : 0;
}

void EncodeReceiveFrequency(CImageBuffer& image, const LeafRow& row, RecordPlace place,
                            const CNode& record) {
    if (const CNode* leaf = LeafOf(record, row)) {
        const std::int32_t receive = FrequencyOf(leaf);
        const std::int32_t offsetStep = OffsetStep(FrequencyOf(record.GetChild(z5leaf::kFreqOw)));
        WriteFrequency(image, row, place, receive, ReceiveStep(receive, offsetStep));
    }
}

void EncodeOffsetFrequency(CImageBuffer& image, const LeafRow& row, RecordPlace place,
                           const CNode& record) {
    if (const CNode* leaf = LeafOf(record, row)) {
        const std::int32_t offset = FrequencyOf(leaf);
        WriteFrequency(image, row, place, offset, OffsetStep(offset));
    }
}

// ---- flag bitmaps -----------------------------------------------------------

std::uint32_t FlagByte(const LeafRow& row, RecordPlace place) {
    return row.offset + static_cast<std::uint32_t>(place.flag_index) / 8;
}

unsigned FlagBit(RecordPlace place) {
    return static_cast<unsigned>(place.flag_index) % 8;
}

void DecodeFlag(const CImageBuffer& image, const LeafRow& row, RecordPlace place, CNode& record) {
    CNode* leaf = LeafOf(record, row);
    if (leaf != nullptr && place.flag_index >= 0) {
        leaf->SetValue(image.GetBit(FlagByte(row, place), FlagBit(place)));
    }
}

void EncodeFlag(CImageBuffer& image, const LeafRow& row, RecordPlace place, const CNode& record) {
    const CNode* leaf = LeafOf(record, row);
    if (leaf != nullptr && place.flag_index >= 0) {
        image.SetBit(FlagByte(row, place), FlagBit(place), leaf->GetValue());
    }
}

// ---- texts ------------------------------------------------------------------

char Printable(unsigned char c) {
    return c < 32 || c > 127 ? ' ' : static_cast<char>(c);
}

template <bool kUpperCase>
void DecodeText(const CImageBuffer& image, const LeafRow& row, RecordPlace place, CNode& record) {
    CNode* leaf = LeafOf(record, row);
    if (leaf == nullptr) {
        return;
    }
    std::string text;
    for (std::uint32_t i = 0; i < row.width; ++i) {
        const char c = Printable(image.GetByte(place.address + row.offset + i));
        text += kUpperCase ? AsciiUpperCase(c) : c;
    }
    leaf->SetText(text);  // drops the padding with the trailing white space
}

void EncodeText(CImageBuffer& image, const LeafRow& row, RecordPlace place, const CNode& record) {
    const CNode* leaf = LeafOf(record, row);
    if (leaf == nullptr) {
        return;
    }
    const std::string text = leaf->GetText();
    for (std::uint32_t i = 0; i < row.width; ++i) {
        const char c = i < text.size() ? Printable(static_cast<unsigned char>(text[i])) : ' ';
        image.SetByte(place.address + row.offset + i, static_cast<std::uint8_t>(c));
    }
}

// ---- digit strings ----------------------------------------------------------

std::uint8_t NibbleOf(char c) {
    const std::size_t digit = kDigits.find(AsciiUpperCase(c));
    return digit == std::string_view::npos ? 0 : static_cast<std::uint8_t>(digit);
}

std::uint8_t NibbleAt(const CImageBuffer& image, std::uint32_t address, std::size_t index) {
    const std::uint8_t byte = image.GetByte(address + static_cast<std::uint32_t>(index / 2));
    return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

// Packs the nibbles of digits, high nibble first, into bytes from address;
// the low nibble of a last odd digit is 0.
void WriteNibbles(CImageBuffer& image, std::uint32_t address, std::string_view digits) {
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const std::uint8_t high = NibbleOf(digits[i]);
        const std::uint8_t low = i + 1 < digits.size() ? NibbleOf(digits[i + 1]) : 0;
        image.SetByte(address + static_cast<std::uint32_t>(i / 2),
                      static_cast<std::uint8_t>(high << 4 | low));
    }
}

void DecodeDtmf(const CImageBuffer& image, const LeafRow& row, RecordPlace place, CNode& record) {
    CNode* leaf = LeafOf(record, row);
    if (leaf == nullptr) {
        return;
    }
    const std::uint32_t first = place.address + row.offset;
    const std::size_t count = std::min<std::size_t>(image.GetByte(first + row.width), row.limit);
    std::string digits;
    for (std::size_t i = 0; i < count; ++i) {
        digits += kDigits[NibbleAt(image, first, i)];
    }
    leaf->SetText(digits);
}

// The digits of a DTMF text: its first limit characters without any space and
// without leading or trailing tabs.
std::string DtmfDigitsOf(std::string_view text, std::int32_t limit) {
    text = text.substr(0, static_cast<std::size_t>(limit));
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return "";
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string digits(text);
    std::erase(digits, ' ');
    return digits;
}

void EncodeDtmf(CImageBuffer& image, const LeafRow& row, RecordPlace place, const CNode& record) {
    const CNode* leaf = LeafOf(record, row);
    if (leaf == nullptr) {
        return;
    }
    const std::uint32_t first = place.address + row.offset;
    const std::string digits = DtmfDigitsOf(leaf->GetText(), row.limit);
    image.SetByte(first + row.width, static_cast<std::uint8_t>(digits.size()));
    WriteNibbles(image, first, digits);
}

constexpr std::size_t kPagerDigits = 3;

void DecodePagerCode(const CImageBuffer& image, const LeafRow& row, RecordPlace place,
                     CNode& record) {
    CNode* leaf = LeafOf(record, row);
    if (leaf == nullptr) {
        return;
    }
    std::string code;
    for (std::size_t i = 0; i < kPagerDigits; ++i) {
        const std::uint8_t nibble = NibbleAt(image, place.address + row.offset, i);
        code += nibble <= 9 ? kDigits[nibble] : '0';
    }
    leaf->SetText(code);
}

// Writes the three code digits and keeps the fourth nibble, which holds the
// skip flag. A shorter code gets leading zeros, as the PGR dialog gives it:
// "12" is 012.
void EncodePagerCode(CImageBuffer& image, const LeafRow& row, RecordPlace place,
                     const CNode& record) {
    const CNode* leaf = LeafOf(record, row);
    if (leaf == nullptr) {
        return;
    }
    std::string code = leaf->GetText().substr(0, kPagerDigits);
    code.insert(0, kPagerDigits - code.size(), '0');
    const std::uint32_t address = place.address + row.offset;
    const std::uint8_t skip = image.GetByte(address + 1) & 0x0F;
    WriteNibbles(image, address, code);
    image.SetByte(address + 1, static_cast<std::uint8_t>(image.GetByte(address + 1) | skip));
}

}  // namespace

std::int32_t FrequencyInImage(const CImageBuffer& image, const LeafRow& row,
                              std::uint32_t recordAddress) {
    const bool wide = image.GetBit(recordAddress + kStepFlagsOffset, row.shift) != 0;
    const std::int32_t steps = image.GetWord(recordAddress + row.offset, kBigEndian);
    return steps * (wide ? kWideStep : kNarrowStep);
}

constinit const LeafCodec kNumber = FieldCodec<ReadCapped, WriteClamped>();
constinit const LeafCodec kToneSet = FieldCodec<ReadToneSet, WriteZeroAbove>();
constinit const LeafCodec kCappedOrOff = FieldCodec<ReadCapped, WriteZeroAbove>();
constinit const LeafCodec kDuplex = FieldCodec<ReadDuplex, WriteDuplex>();
constinit const LeafCodec kScrambleCode = FieldCodec<ReadScrambleCode, WriteScrambleCode>();
constinit const LeafCodec kInvertedBit = FieldCodec<ReadInverted, WriteInverted>();
constinit const LeafCodec kMirroredBit = FieldCodec<ReadHighestBit, WriteAllBits>();
constinit const LeafCodec kChannelPlusOne = FieldCodec<ReadChannelPlusOne, WriteChannelPlusOne>();
constinit const LeafCodec kReceiveFrequency = {DecodeFrequency, EncodeReceiveFrequency};
constinit const LeafCodec kOffsetFrequency = {DecodeFrequency, EncodeOffsetFrequency};
constinit const LeafCodec kFlagBit = {DecodeFlag, EncodeFlag};
constinit const LeafCodec kUpperCaseText = {DecodeText<true>, EncodeText};
constinit const LeafCodec kText = {DecodeText<false>, EncodeText};
constinit const LeafCodec kDtmfDigits = {DecodeDtmf, EncodeDtmf};
constinit const LeafCodec kPagerCode = {DecodePagerCode, EncodePagerCode};
constinit const LeafCodec kPagerSkip = FieldCodec<ReadNonZero, WritePagerSkip>();

}  // namespace z5map
