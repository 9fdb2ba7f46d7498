#include "TransportFixture.h"

#include <fstream>

#include "transport/PortName.h"

namespace transport_test {

CImageBuffer PatternMemory(unsigned seed) {
    CImageBuffer memory(kMemorySize);
    for (std::uint32_t address = 0; address < kMemorySize; ++address) {
        memory.SetByte(address, static_cast<std::uint8_t>(address * 7 + address / 256 + seed * 31));
    }
    return memory;
}

std::string DataLine(const CImageBuffer& memory, std::uint32_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X10", address);
    std::string line = text;
    for (std::uint32_t i = 0; i < 16; ++i) {
        std::snprintf(text, sizeof text, "%02X", memory.GetByte(address + i));
        line += text;
    }
    return line;
}

std::vector<std::string> DataLines(const CImageBuffer& memory) {
    std::vector<std::string> lines;
    for (std::uint32_t address = 0; address < kMemorySize; address += 16) {
        lines.push_back(DataLine(memory, address));
    }
    return lines;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::trunc);
    for (const std::string& line : lines) {
        out << line << "\n";
    }
}

CCloneRsEngine::STiming FastTiming() {
    return FastEngineTiming();
}

TransportTest::TransportTest() {
    m_engine.SetPortNumber(1);
    m_engine.SetModelCode(0x2468);
    m_engine.SetRevision(1);
    m_engine.SetReadLineTotal(kDataLines);
    m_engine.SetCloneFile(&m_file);
    m_engine.SetTiming(FastTiming());
}

CVirtualRadio& TransportTest::StartRadio(const CImageBuffer& memory,
                                         CVirtualRadio::SConfig config) {
    m_radio = StartedRadio(memory, config);
    m_settings.SetString("CommPort", "COM1", m_radio->SlavePath());
    return *m_radio;
}

CVirtualRadio& TransportTest::StartRadio(CRadioFault fault) {
    CVirtualRadio::SConfig config;
    config.fault = fault;
    return StartRadio(m_radioMemory, config);
}

void TransportTest::WriteCloneFileOf(const CImageBuffer& memory) {
    std::vector<std::string> lines = {"24680001", "#written by a test"};
    for (const std::string& line : DataLines(memory)) {
        lines.push_back(line);
    }
    WriteCloneFile(lines);
}

}  // namespace transport_test
