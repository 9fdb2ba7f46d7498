// ChannelClipRecord: one channel as it travels through the clipboard, in the
// 224-byte layout that every copy of the program reads and writes.
//
// Layout: integers are 32-bit little-endian and hold a leaf's value; texts
// ("FreqRx" and "FreqOw" as frequency texts in MHz, "Name") lie in 52-byte
// fields, zero-terminated; bytes after a text's terminator mean nothing.
//
// Decoding trusts nothing: a short record reads as far as it goes (missing
// integers are 0, missing texts empty), bytes past 224 are ignored, and a
// text without a terminator stops at its field's end.
//
// Several channels travel as a block: the records one after the other,
// 224 bytes each, with no header and no count (the length says how many).
// A block whose length is no whole number of records, or that is empty or
// longer than kMaxBlockRecords records, is refused whole: a block cut short
// on its way is not half pasted.
//
// Writing a record onto a channel touches only that channel's leaves, and
// only with what the radio can hold: a value its leaf has no choice for is
// ignored (the leaf keeps its value); a frequency on one of the radio's
// steps (5 kHz or 6.25 kHz) is taken exactly, any other is moved down to the
// raster of a typed frequency; a name keeps the 5 characters the radio
// shows, in upper case, with control and non-ASCII characters as spaces.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CNode;

struct ChannelClipRecord {
    static constexpr std::size_t kSize = 224;
    static constexpr std::size_t kTextField = 52;

    // The integer leaves, in the order a paste writes them.
    static constexpr std::size_t kValueCount = 17;
    enum EValue : std::size_t {
        kClear,
        kRef,
        kRefOw,
        kDuplex,
        kDupRev,
        kToneSet,
        kToneCode,
        kTsqlCode,
        kDtcsCode,
        kDtcsInv,
        kAniSet,
        kAniCode,
        kSkip,
        kTxInhibit,
        kTxPower,
        kScrmSet,
        kScrmCode,
    };

    std::array<std::int32_t, kValueCount> values{};
    std::string freqRx;  // frequency texts as the leaves show them ("145.00000")
    std::string freqOw;
    std::string name;

    // The 224 bytes. A text longer than 51 bytes is cut so that its field
    // keeps its terminator.
    std::array<std::uint8_t, kSize> Encode() const;
    // The record in bytes (any length).
    static ChannelClipRecord Decode(std::span<const std::uint8_t> bytes);

    // The block of records (see above), and the records of a block; none
    // when the block is refused.
    static constexpr std::size_t kMaxBlockRecords = 1000;
    static std::vector<std::uint8_t> EncodeBlock(std::span<const ChannelClipRecord> records);
    static std::optional<std::vector<ChannelClipRecord>> DecodeBlock(
        std::span<const std::uint8_t> bytes);
    // Whether a block of size bytes is taken.
    static bool IsBlockSize(std::size_t size);

    // The leaf name of a value.
    static const char* LeafOf(EValue value);

    // The record of a channel node (MCH.CH12 and the like); leaves the
    // channel lacks read as 0 or "".
    static ChannelClipRecord FromChannel(const CNode& channel);
    // Writes the record onto channel in the paste order (see above). With
    // keepSkip false, "Skip" is set to 0 instead of the record's value (a
    // channel that cannot be skipped).
    void WriteTo(CNode& channel, bool keepSkip) const;
};
