#include "RadioOptions.h"

#include "model/Z5Versions.h"
#include "platform/Translation.h"
#include "radio/RadioProtocol.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <span>
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
            error = CTranslation::Args(CTranslation::Tr("RadioOptions", "unknown argument %1"),
                                       {argument});
            return false;
        }
        if (!value && i + 1 == arguments.size()) {
            error =
                CTranslation::Args(CTranslation::Tr("RadioOptions", "%1 needs a value"), {name});
            return false;
        }
        std::string text = value ? *value : arguments[++i];
        if (!option->handler(text, options)) {
            error = CTranslation::Args(CTranslation::Tr("RadioOptions", "bad value for %1: %2"),
                                       {name, text});
            return false;
        }
    }
    return true;
}

namespace {

// A line of the help: an option (or a fault) as written on the command line
// and what it does, in the reader's language. An explanation of several
// lines is indented below its first.
struct SHelpRow {
    const char* name;
    const char* text;
};

constexpr SHelpRow kOptionHelp[] = {
    {"--market GEN|SEA|USA|EUR",
     QT_TRANSLATE_NOOP("RadioOptions",
                       "market version (option byte bits 0-1; default GEN);\n"
                       "the memory starts as that version's factory image;\n"
                       "--version VERSION is its old name")},
    {"--options BYTE", QT_TRANSLATE_NOOP("RadioOptions",
                                         "the option byte (0 to 0x7F; decimal, 0x.. hex or\n"
                                         "0.. octal): bits 0-1 version, bit 2 receive range\n"
                                         "extension, bit 3 scrambler, bit 4 ANI, bits 5-6\n"
                                         "further options; --market overrides bits 0-1")},
    {"--image FILE", QT_TRANSLATE_NOOP("RadioOptions", "start from this clone file instead")},
    {"--save FILE", QT_TRANSLATE_NOOP("RadioOptions",
                                      "write the memory to this clone file after every\n"
                                      "completed write")},
    {"--baud N", QT_TRANSLATE_NOOP("RadioOptions",
                                   "pace every byte the radio sends, echoes too, as a\n"
                                   "line of N baud would (N / 10 bytes a second);\n"
                                   "without it the pseudo-terminal runs at full speed")},
    {"--frame-size N", QT_TRANSLATE_NOOP("RadioOptions",
                                         "data bytes in each frame of a read (1 to 122,\n"
                                         "default 16; the last frame takes what is left)")},
    {"--fault FAULT", QT_TRANSLATE_NOOP("RadioOptions", "misbehave (default none):")},
};

constexpr SHelpRow kFaultHelp[] = {
    {"none", QT_TRANSLATE_NOOP("RadioOptions", "the radio and its cable work")},
    {"silent", QT_TRANSLATE_NOOP("RadioOptions",
                                 "the radio is off and the cable dead: nothing comes back,\n"
                                 "not even the echo")},
    {"no-echo",
     QT_TRANSLATE_NOOP("RadioOptions", "the cable returns no echo; the radio still answers")},
    {"bad-checksum",
     QT_TRANSLATE_NOOP("RadioOptions",
                       "in a read, the sixth data frame (address 0x0050) carries a\n"
                       "checksum one too high")},
    {"write-nak", QT_TRANSLATE_NOOP("RadioOptions",
                                    "every write is refused: the write result is 0x01 and the\n"
                                    "memory stays as it was")},
    {"noise", QT_TRANSLATE_NOOP("RadioOptions",
                                "junk bytes (below 0xF0, no 0xFE) and a stray 0xFD before\n"
                                "every frame the radio sends, and a stray 0xFD after every\n"
                                "frame it echoes; a correct receiver survives them")},
    {"lost-and-repeated",
     QT_TRANSLATE_NOOP("RadioOptions",
                       "in a read, the sixth data frame is never sent and\n"
                       "the seventh comes twice: as many frames as a good read,\n"
                       "but part of the memory missing")},
    {"ack-every-frame", QT_TRANSLATE_NOOP("RadioOptions",
                                          "in a write, every data frame stored is answered with\n"
                                          "the write result 0x00, not only the end frame")},
    {"refuse-early", QT_TRANSLATE_NOOP("RadioOptions",
                                       "in a write, the third data frame is refused at once with\n"
                                       "the write result 0x01; the memory stays as it was")},
    {"stall-after=K", QT_TRANSLATE_NOOP("RadioOptions",
                                        "after K data frames of a read or write the radio stops\n"
                                        "answering until the next request (the echo goes on)")},
    {"wrong-byte=A", QT_TRANSLATE_NOOP("RadioOptions",
                                       "a write is accepted but the byte at address A (decimal or\n"
                                       "0x.. hex, up to 0x79F) is stored with its lowest bit\n"
                                       "flipped")},
};

constexpr SHelpRow kLastOptionHelp[] = {
    {"--help", QT_TRANSLATE_NOOP("RadioOptions", "show this text")},
    {"--version", QT_TRANSLATE_NOOP("RadioOptions", "on its own: show the program's version")},
};

// The rows with their names from column indent and their explanations from
// column column (at least two spaces after a long name).
void AppendRows(std::string& help, std::span<const SHelpRow> rows, std::size_t indent,
                std::size_t column) {
    for (const SHelpRow& row : rows) {
        const std::string name = std::string(indent, ' ') + row.name;
        help += name + std::string(name.size() + 2 > column ? 2 : column - name.size(), ' ');
        for (const char c : CTranslation::Tr("RadioOptions", row.text)) {
            help += c;
            help += c == '\n' ? std::string(column, ' ') : std::string();
        }
        help += '\n';
    }
}

}  // namespace

std::string SRadioOptions::Usage() {
    std::string help = CTranslation::Args(CTranslation::Tr("RadioOptions", "Usage: %1"),
                                          {"cpz5-radio [OPTION]..."});
    help += '\n';
    help += CTranslation::Tr(
        "RadioOptions",
        "A virtual QM-Z5 hand-held on a pseudo-terminal. The first line of output is\n"
        "\"PTY <path>\": open that path as the serial port (for example with\n"
        "CPZ5_COM1=<path>). The radio runs until it is interrupted (Ctrl-C, SIGTERM).\n");
    help += '\n';
    AppendRows(help, kOptionHelp, 2, 29);
    AppendRows(help, kFaultHelp, 6, 21);
    AppendRows(help, kLastOptionHelp, 2, 29);
    help += '\n';
    help += CTranslation::Tr(
        "RadioOptions",
        "The radio echoes every byte it receives (the cable is one wire), answers the\n"
        "model information request (model 0x2468, revision 1, 22 identity bytes), sends\n"
        "its memory (0x000 to 0x79F, 16 bytes a frame unless --frame-size) on a read request and "
        "stores a\n"
        "write after checking every frame. A bad write frame is answered at once with\n"
        "the write result 0x01.\n");
    help += '\n';
    help +=
        CTranslation::Tr("RadioOptions",
                         "Exit status: 0 after an interruption, 1 when the pseudo-terminal or a "
                         "clone\nfile cannot be used, 64 for a usage error.\n");
    return help;
}
