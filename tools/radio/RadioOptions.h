// SRadioOptions: the command line of cpz5-radio, parsed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radio/RadioFault.h"

struct SRadioOptions {
    std::uint8_t optionByte = 0;
    std::optional<int> version;  // overrides option byte bits 0-1
    unsigned baudRate = 0;
    CRadioFault fault;
    std::size_t bytesPerFrame = 16;
    std::string imagePath;
    std::string savePath;
    bool help = false;

    // The option byte with the version in bits 0-1.
    std::uint8_t EffectiveOptionByte() const;
    int EffectiveVersion() const { return EffectiveOptionByte() & 0x03; }

    // Parses arguments (without the program name); false with a message in
    // error for anything it does not understand.
    static bool Parse(const std::vector<std::string>& arguments, SRadioOptions& options,
                      std::string& error);
    // The text of --help.
    static std::string Usage();
};
