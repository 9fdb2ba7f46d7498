// The codecs used by the rows of the QM-Z5 memory map (Z5MemoryMap.h). Each
// is named after the rule it applies; the row gives address, bits and limit.
#pragma once

#include "model/Z5MemoryMap.h"

namespace z5map {

// Bit field: reads a value above limit as limit, stores the value clamped to
// 0..limit.
extern const LeafCodec kNumber;
// Bit field "TONESet": 6 reads as 2, 7 as 3, 4 and 5 as 0; a value above
// limit is stored as 0.
extern const LeafCodec kToneSet;
// Bit field: reads a value above limit as limit; stores a value above limit
// as 0 ("ANISet": "ANI" is stored as "OFF").
extern const LeafCodec kCappedOrOff;
// Two-bit "Duplex": 00 and 01 read as 0, 10 as 1, 11 as 2; stored as 00, 10,
// 11 (any other value as 00).
extern const LeafCodec kDuplex;
// Byte "SCRMCode": 0 reads as 1; stored clamped to 1..limit.
extern const LeafCodec kScrambleCode;
// One bit holding the opposite of the value ("DialSel": 1 for value 0).
extern const LeafCodec kInvertedBit;
// Field whose every bit holds the value ("Synchro": bits 7 and 6 written,
// the highest bit read).
extern const LeafCodec kMirroredBit;
// Byte "AniTxCh": memory channel number, 255 for none; the value is the
// channel number plus 1 (1..limit), 0 for none.
extern const LeafCodec kChannelPlusOne;
// Big-endian word at the row's offset holding the receive frequency divided
// by its step (6,250 Hz when bit row.shift of record byte 4 is set, else
// 5,000 Hz). Stored with the step of the offset frequency ("FreqOw") when it
// fits, else 6,250 Hz when that fits, else 5,000 Hz.
extern const LeafCodec kReceiveFrequency;
// The frequency in Hz that the word and step bit of row (kReceiveFrequency or
// kOffsetFrequency) hold in the record at recordAddress.
std::int32_t FrequencyInImage(const CImageBuffer& image, const LeafRow& row,
                              std::uint32_t recordAddress);
// Word as above holding the duplex offset; stored with 6,250 Hz steps when the
// offset is a multiple of 6,250 Hz (0 included), else 5,000 Hz.
extern const LeafCodec kOffsetFrequency;
// Bit flag_index of the bitmap at the row's (absolute) offset; records
// without flags keep their value.
extern const LeafCodec kFlagBit;
// row.width bytes of printable ASCII, space-padded; read in upper case.
extern const LeafCodec kUpperCaseText;
// row.width bytes of printable ASCII, space-padded.
extern const LeafCodec kText;
// DTMF memory: row.width bytes of digits, two a byte, high nibble first, and
// the digit count in the byte after them (at most limit digits).
extern const LeafCodec kDtmfDigits;
// Pager code: the first three nibbles of the record, decimal digits.
extern const LeafCodec kPagerCode;
// Pager skip: a nibble, 0 for value 0 and 8 for value 1; any other nibble
// reads as 1.
extern const LeafCodec kPagerSkip;

}  // namespace z5map
