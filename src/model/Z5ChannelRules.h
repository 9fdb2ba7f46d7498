// The rules for a channel of the QM-Z5 (a record of "MCH", "PCH" or "CCH"),
// in one place for every editor: the channel grid, the channel dialog, the
// clipboard record, the CSV import and the adjustment before a write.
//
// Channel names: the radio shows kNameLength characters from a small set.
// The editors let the user type only the characters of kNameCharacters and
// store the name in upper case.
//
// Cleared channel: "Clear" on, frequency empty, offset 0, no duplex, no
// tones, tone and tone squelch 67.0 Hz, DTCS 023, no ANI, no skip, transmit
// allowed, scrambler off, name empty; the other leaves keep their values.
//
// Fresh channel: the values a cleared channel takes when an editor starts to
// fill it (frequency empty, offset 0, no duplex, name "-----", no tones, tone
// and tone squelch 88.5 Hz, DTCS 023 normal, no ANI, scrambler off with code
// 01, no skip, high power, transmit allowed). "Clear" is not touched: the
// editor decides whether the channel is in use.
//
// Bands: a receive frequency is in band when the receiver covers it
// (136 to 174 MHz) and it lies in the band of the model version, or the
// model has the receive range option. With no version known (4) only the
// option puts a frequency in band; the adjustment before a write, which
// cannot tell the radio's market, keeps every channel then.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CNode;

namespace z5channel {

// The characters a channel name may hold as the user types it.
inline constexpr std::string_view kNameCharacters =
    " +-*/=_<>():0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// The characters the radio shows of a name.
inline constexpr std::size_t kNameLength = 5;

// Whether the grid shows hertz as a frequency the radio of version receives.
bool IsInBand(long long hertz, int version, bool receiveRange);
// Whether a channel of version may keep the receive frequency hertz when the
// image goes to the radio: in band, or any frequency for a version other
// than 0 to 3.
bool MayKeepFrequency(int version, long long hertz, bool receiveRange);

// Makes channel the cleared channel.
void ClearChannel(CNode& channel);
// Writes the fresh-channel values into the leaves of channel; leaves it
// lacks are skipped.
void WriteFreshChannel(CNode& channel);

// The value leaves that go with a channel when Delete or Insert moves it,
// taken by value so that nothing is rounded (a 6.25 kHz frequency stays as
// it is). "DupRev" moves with its channel: left behind it would reverse
// another channel's transmit and receive frequencies. "Ref" and "RefOw"
// follow from the frequencies; the name moves as text.
std::span<const char* const> MovedValueLeaves();
// Copies what moves with a channel from source to target.
void MoveChannel(const CNode& source, CNode& target);

// What moves with a channel, taken out of its nodes: the values of
// MovedValueLeaves() in their order, and the name.
struct SChannelContent {
    std::vector<std::int32_t> values;
    std::string name;
};
SChannelContent TakeChannel(const CNode& channel);
// Writes content (taken by TakeChannel) into channel.
void PutChannel(const SChannelContent& content, CNode& channel);

}  // namespace z5channel
