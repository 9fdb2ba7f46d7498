// The virtual radio as the tests start it, and the comparison of radio
// memories they check a transfer with.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "model/ImageBuffer.h"
#include "radio/VirtualRadio.h"
#include "transport/PortName.h"

// Whether a and b hold the same bytes.
inline bool SameImage(const CImageBuffer& a, const CImageBuffer& b) {
    if (a.GetSize() != b.GetSize()) {
        return false;
    }
    for (std::uint32_t address = 0; address < a.GetSize(); ++address) {
        if (a.GetByte(address) != b.GetByte(address)) {
            return false;
        }
    }
    return true;
}

// The settings of a radio of a version (its option byte) and with a fault.
inline CVirtualRadio::SConfig RadioConfig(std::uint8_t optionByte, CRadioFault fault = {}) {
    CVirtualRadio::SConfig config;
    config.optionByte = optionByte;
    config.fault = fault;
    return config;
}

// A radio with memory at power-on, started on a pseudo-terminal of its own;
// a start that fails fails the test.
inline std::unique_ptr<CVirtualRadio> StartedRadio(const CImageBuffer& memory,
                                                   const CVirtualRadio::SConfig& config) {
    auto radio = std::make_unique<CVirtualRadio>(memory, config);
    EXPECT_TRUE(radio->Start()) << radio->Error();
    return radio;
}

// The same, on the pseudo-terminal the program opens as port number port.
inline std::unique_ptr<CVirtualRadio> StartedRadioOnPort(int port, const CImageBuffer& memory,
                                                         const CVirtualRadio::SConfig& config) {
    auto radio = StartedRadio(memory, config);
    CPortName::Bind(port, radio->SlavePath());
    return radio;
}
