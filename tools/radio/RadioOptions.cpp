#include "RadioOptions.h"

#include "model/Z5Versions.h"
#include "radio/RadioProtocol.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace {

constexpr unsigned long kLargestOptionByte = 0x7F;  // bit 7 is not used
constexpr unsigned long kLargestBaudRate = 4000000;

std::optional<unsigned long> ParseNumber(const std::string& text, unsigned long largest) {
    if (text.empty()) {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || text[0] == '-' || value > largest) {
        return std::nullopt;
    }
    return value;
}

using Handler = std::function<bool(const std::string& value, SRadioOptions& options)>;

struct SOption {
    std::string_view name;
    Handler handler;
};

bool SetVersion(const std::string& value, SRadioOptions& options) {
    const z5version::SVersion* version = z5version::FindByName(value);
    if (version != nullptr) {
        options.version = version->number;
    }
    return version != nullptr;
}

bool SetOptionByte(const std::string& value, SRadioOptions& options) {
    std::optional<unsigned long> number = ParseNumber(value, kLargestOptionByte);
    if (number) {
        options.optionByte = static_cast<std::uint8_t>(*number);
    }
    return number.has_value();
}

bool SetBaudRate(const std::string& value, SRadioOptions& options) {
    std::optional<unsigned long> number = ParseNumber(value, kLargestBaudRate);
    if (number && *number > 0) {
        options.baudRate = static_cast<unsigned>(*number);
        return true;
    }
    return false;
}

bool SetFrameSize(const std::string& value, SRadioOptions& options) {
    std::optional<unsigned long> number = ParseNumber(value, CRadioProtocol::kMaxBytesPerFrame);
    if (number && *number > 0) {
        options.bytesPerFrame = static_cast<std::size_t>(*number);
        return true;
    }
    return false;
}

bool SetFault(const std::string& value, SRadioOptions& options) {
    std::optional<CRadioFault> fault = CRadioFault::Parse(value);
    if (fault) {
        options.fault = *fault;
    }
    return fault.has_value();
}

const SOption kOptions[] = {
    {"--market", SetVersion},
    {"--version", SetVersion},  // the old name of --market
    {"--options", SetOptionByte},
    {"--baud", SetBaudRate},
    {"--frame-size", SetFrameSize},
    {"--fault", SetFault},
    {"--image", [](const std::string& v, SRadioOptions& o) { return !(o.imagePath = v).empty(); }},
    {"--save", [](const std::string& v, SRadioOptions& o) { return !(o.savePath = v).empty(); }},
};

}  // namespace

std::uint8_t SRadioOptions::EffectiveOptionByte() const {
    if (!version) {
        return optionByte;
    }
    return static_cast<std::uint8_t>((optionByte & ~0x03) | *version);
}

bool SRadioOptions::Parse(const std::vector<std::string>& arguments, SRadioOptions& options,
                          std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        if (std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const SOption* option = nullptr;
        for (const SOption& candidate : kOptions) {
            option = candidate.name == name ? &candidate : option;
        }
        if (option == nullptr) {
            error = "unknown argument " + argument;
            return false;
        }
        if (!value && i + 1 == arguments.size()) {
            error = name + " needs a value";
            return false;
        }
        std::string text = value ? *value : arguments[++i];
        if (!option->handler(text, options)) {
            error = "bad value for " + name + ": " + text;
            return false;
        }
    }
    return true;
}

std::string SRadioOptions::Usage() {
    return R"(Usage: cpz5-radio [OPTION]...
A virtual QM-Z5 hand-held on a pseudo-terminal. The first line of output is
"PTY <path>": open that path as the serial port (for example with
CPZ5_COM1=<path>). The radio runs until it is interrupted (Ctrl-C, SIGTERM).

  --market GEN|SEA|USA|EUR   market version (option byte bits 0-1; default GEN);
                             the memory starts as that version's factory image;
                             --version VERSION is its old name
  --options BYTE             the option byte (0 to 0x7F; decimal, 0x.. hex or
                             0.. octal): bits 0-1 version, bit 2 receive range
                             extension, bit 3 scrambler, bit 4 ANI, bits 5-6
                             further options; --market overrides bits 0-1
  --image FILE               start from this clone file instead
  --save FILE                write the memory to this clone file after every
                             completed write
  --baud N                   pace every byte the radio sends, echoes too, as a
                             line of N baud would (N / 10 bytes a second);
                             without it the pseudo-terminal runs at full speed
  --frame-size N             data bytes in each frame of a read (1 to 122,
                             default 16; the last frame takes what is left)
  --fault FAULT              misbehave (default none):
      none           the radio and its cable work
      silent         the radio is off and the cable dead: nothing comes back,
                     not even the echo
      no-echo        the cable returns no echo; the radio still answers
      bad-checksum   in a read, the sixth data frame (address 0x0050) carries a
                     checksum one too high
      write-nak      every write is refused: the write result is 0x01 and the
                     memory stays as it was
      noise          junk bytes (below 0xF0, no 0xFE) and a stray 0xFD before
                     every frame the radio sends, and a stray 0xFD after every
                     frame it echoes; a correct receiver survives them
      lost-and-repeated  in a read, the sixth data frame is never sent and
                     the seventh comes twice: as many frames as a good read,
                     but part of the memory missing
      ack-every-frame  in a write, every data frame stored is answered with
                     the write result 0x00, not only the end frame
      refuse-early   in a write, the third data frame is refused at once with
                     the write result 0x01; the memory stays as it was
      stall-after=K  after K data frames of a read or write the radio stops
                     answering until the next request (the echo goes on)
      wrong-byte=A   a write is accepted but the byte at address A (decimal or
                     0x.. hex, up to 0x79F) is stored with its lowest bit
                     flipped
  --help                     show this text
  --version                  on its own: show the program's version

The radio echoes every byte it receives (the cable is one wire), answers the
model information request (model 0x2468, revision 1, 22 identity bytes), sends
its memory (0x000 to 0x79F, 16 bytes a frame unless --frame-size) on a read request and stores a
write after checking every frame. A bad write frame is answered at once with
the write result 0x01.

Exit status: 0 after an interruption, 1 when the pseudo-terminal or a clone
file cannot be used, 64 for a usage error.
)";
}
