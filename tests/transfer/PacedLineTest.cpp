// Writes over lines of every pace: a pseudo-terminal that returns each echo
// at once, and lines no faster than the radio's 9600 baud (or slower, or
// faster), on which the engine waits for an echo as a whole. Every line of
// the clone file must reach the radio in each case.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "../support/EngineTiming.h"
#include "model/ImageBuffer.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "radio/VirtualRadio.h"
#include "support/ScriptedUserInterface.h"
#include "transport/CloneRsEngine.h"
#include "transport/SettingsKeys.h"

namespace {

constexpr std::uint32_t kMemorySize = 0x7A0;
constexpr std::uint32_t kLines = 12;  // a short file: a whole image takes 6 s at 9600 baud

std::uint8_t Pattern(std::uint32_t address) {
    return static_cast<std::uint8_t>(address * 7 + 3);
}

// The clone file of the first kLines lines of the pattern.
void WriteCloneFile(const std::string& path) {
    std::ofstream out(path, std::ios::trunc);
    out << "24680001\n#\n";
    for (std::uint32_t address = 0; address < kLines * 16; address += 16) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X10", address);
        out << text;
        for (std::uint32_t i = 0; i < 16; ++i) {
            std::snprintf(text, sizeof text, "%02X", Pattern(address + i));
            out << text;
        }
        out << "\n";
    }
}

TEST(PacedLineTest, AWriteStoresEveryLineWhateverThePaceOfTheLine) {
    const std::string path =
        CTempFile::Directory() + "/cpz5-paced-" + std::to_string(::getpid()) + ".cz5";
    WriteCloneFile(path);
    for (const unsigned baud : {0u, 9600u, 4800u, 19200u}) {
        SCOPED_TRACE(baud);
        CVirtualRadio::SConfig config;
        config.optionByte = 2;
        config.baudRate = baud;
        CVirtualRadio radio(CImageBuffer(kMemorySize), config);
        ASSERT_TRUE(radio.Start()) << radio.Error();
        CMemorySettingsStore settings;
        SettingsKey::WriteText(settings, SettingsKey::kComDevice, 1, radio.SlavePath());
        CScriptedUserInterface ui;
        CCloneRsEngine engine(ui, &settings);
        engine.SetPortNumber(1);
        engine.SetModelCode(0x2468);
        engine.SetRevision(1);
        engine.SetTiming(FastEngineTiming());
        CTextFile file(path);
        engine.SetCloneFile(&file);

        EXPECT_EQ(engine.CloneWrite(), ECloneResult::Success);
        radio.Stop();
        EXPECT_EQ(radio.Counters().writesCompleted, 1u);
        const CImageBuffer memory = radio.GetMemory();
        for (std::uint32_t address = 0; address < kLines * 16; ++address) {
            ASSERT_EQ(memory.GetByte(address), Pattern(address)) << address;
        }
    }
    std::filesystem::remove(path);
}

}  // namespace
