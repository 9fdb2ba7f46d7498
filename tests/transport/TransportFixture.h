// What the transport tests share: a virtual radio on a pseudo-terminal bound
// to COM1 of the engine's settings, a scripted user interface, a clone file,
// and memories whose every byte tells its address apart.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "../support/EngineTiming.h"
#include "../support/VirtualRadioSupport.h"
#include "model/ImageBuffer.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "radio/VirtualRadio.h"
#include "support/ScriptedUserInterface.h"
#include "transport/CloneRsEngine.h"

namespace transport_test {

constexpr std::uint32_t kMemorySize = 0x7A0;
constexpr std::uint32_t kDataLines = kMemorySize / 16;

// A memory in which byte i is a function of i and seed.
CImageBuffer PatternMemory(unsigned seed);
// The clone file data line of the 16 bytes at address.
std::string DataLine(const CImageBuffer& memory, std::uint32_t address);
// The data lines of a whole memory.
std::vector<std::string> DataLines(const CImageBuffer& memory);
// Every line of the file at path.
std::vector<std::string> ReadLines(const std::string& path);
void WriteLines(const std::string& path, const std::vector<std::string>& lines);

// Short pauses and time-outs, so that failure paths end quickly.
CCloneRsEngine::STiming FastTiming();

class TransportTest : public ::testing::Test {
  protected:
    TransportTest();

    // Starts a radio with memory and config and binds COM1 to it.
    CVirtualRadio& StartRadio(const CImageBuffer& memory, CVirtualRadio::SConfig config = {});
    CVirtualRadio& StartRadio(CRadioFault fault);

    std::vector<std::string> CloneFileLines() const { return ReadLines(m_file.Path()); }
    void WriteCloneFile(const std::vector<std::string>& lines) { WriteLines(m_file.Path(), lines); }
    // A clone file of the given memory: header, comment, data lines.
    void WriteCloneFileOf(const CImageBuffer& memory);

    CScriptedUserInterface m_ui;
    CMemorySettingsStore m_settings;
    CTempFile m_tempFile{"cl"};
    CTextFile m_file{m_tempFile.Path()};
    CCloneRsEngine m_engine{m_ui, &m_settings};
    CImageBuffer m_radioMemory = PatternMemory(1);
    std::unique_ptr<CVirtualRadio> m_radio;
};

}  // namespace transport_test
