// What every editor of a channel applies, in one place: the channel edit
// dialog and the channel list's CSV import both use these.
//
// Channel names: the radio shows 5 characters from a small set. The editors
// let the user type only the characters of kChannelNameCharacters and store
// the name in upper case.
//
// Fresh channel: the values a cleared channel takes when an editor starts to
// fill it (frequency empty, offset 0, no duplex, name "-----", no tones, tone
// and tone squelch 88.5 Hz, DTCS 023 normal, no ANI, scrambler off with code
// 01, no skip, high power, transmit allowed). The "Clear" leaf is not
// touched: the editor decides whether the channel is in use.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CNode;

namespace ChannelEditRules {

// The characters a channel name may hold as the user types it.
inline constexpr std::string_view kChannelNameCharacters =
    " +-*/=_<>():0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// The characters the radio shows of a name.
inline constexpr std::size_t kChannelNameLength = 5;

// Writes the fresh-channel values into the leaves of channel (a channel node
// such as MCH.CH12); leaves it lacks are skipped.
void WriteFreshChannel(CNode& channel);

}  // namespace ChannelEditRules
