// Measures a read and a write of the whole memory against the virtual radio
// paced as a 9600-baud line (or --baud N).
//
// For each transfer: the wall time, the CPU time of the engine's thread, the
// bytes the line carried (the radio's data and replies and the echo of every
// byte the program sent) and the ratio of the wall time to the line's own
// limit: bytes / (baud / 10) seconds plus the engine's fixed pauses. The
// targets are a CPU time under 5% of the wall time and a wall time within 5%
// of the limit.
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "clone/Z5DefaultDataManager.h"
#include "model/ImageBuffer.h"
#include "model/Z5MemoryMap.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "radio/VirtualRadio.h"
#include "support/ScriptedUserInterface.h"
#include "transport/CloneRsEngine.h"
#include "transport/SettingsKeys.h"

namespace {

constexpr unsigned kDefaultBaud = 9600;
constexpr double kBitsPerByte = 10.0;
constexpr std::uint32_t kDataLines = 122;

double ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct SMeasurement {
    int result = -1;
    double wallSeconds = 0;
    double cpuSeconds = 0;
    std::uint64_t lineBytes = 0;
    double limitSeconds = 0;
};

SMeasurement Measure(CVirtualRadio& radio, unsigned baud, double pauseSeconds,
                     const std::function<int()>& transfer) {
    SMeasurement m;
    std::uint64_t bytesBefore = radio.BytesSent();
    double cpuBefore = ThreadCpuSeconds();
    auto start = std::chrono::steady_clock::now();
    m.result = transfer();
    m.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.cpuSeconds = ThreadCpuSeconds() - cpuBefore;
    m.lineBytes = radio.BytesSent() - bytesBefore;
    m.limitSeconds = static_cast<double>(m.lineBytes) / (baud / kBitsPerByte) + pauseSeconds;
    return m;
}

void Print(const char* name, const SMeasurement& m) {
    std::printf(
        "%-6s result %2d  wall %6.3f s  cpu %6.3f s (%5.2f%% of wall)  line %6llu bytes  "
        "limit %6.3f s  wall/limit %5.3f\n",
        name, m.result, m.wallSeconds, m.cpuSeconds, 100.0 * m.cpuSeconds / m.wallSeconds,
        static_cast<unsigned long long>(m.lineBytes), m.limitSeconds,
        m.wallSeconds / m.limitSeconds);
}

unsigned BaudFromArguments(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--baud") == 0) {
        return static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    }
    return argc == 1 ? kDefaultBaud : 0;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned baud = BaudFromArguments(argc, argv);
    if (baud == 0) {
        std::fprintf(stderr, "usage: bench_transfer [--baud N]\n");
        return 64;
    }
    const CZ5DefaultDataManager::Image& factory = CZ5DefaultDataManager::FactoryImage(0);
    CImageBuffer memory(static_cast<std::uint32_t>(factory.size()));
    memory.Write(0, factory.data(), static_cast<std::uint32_t>(factory.size()));
    CVirtualRadio::SConfig config;
    config.baudRate = baud;
    CVirtualRadio radio(memory, config);
    if (!radio.Start()) {
        std::fprintf(stderr, "bench_transfer: %s\n", radio.Error().c_str());
        return 1;
    }
    CScriptedUserInterface ui;
    CMemorySettingsStore settings;
    SettingsKey::WriteText(settings, SettingsKey::kComDevice, 1, radio.SlavePath());
    CTempFile tempFile("cl");
    CTextFile cloneFile(tempFile.Path());
    CCloneRsEngine engine(ui, &settings);
    engine.SetModelCode(z5map::kModelCode);
    engine.SetRevision(z5map::kRevision);
    engine.SetReadLineTotal(kDataLines);
    engine.SetCloneFile(&cloneFile);

    const CCloneRsEngine::STiming& timing = engine.GetTiming();
    double readPauses = (2 * timing.requestPause + timing.closePause) / 1000.0;
    double writePauses = readPauses + timing.firstDataPause / 1000.0;
    std::printf("virtual radio at %u baud (%.0f bytes a second)\n", baud, baud / kBitsPerByte);
    SMeasurement read =
        Measure(radio, baud, readPauses, [&] { return ExitStatusOf(engine.CloneRead()); });
    Print("read", read);
    // Writes back what was read.
    SMeasurement write =
        Measure(radio, baud, writePauses, [&] { return ExitStatusOf(engine.CloneWrite()); });
    Print("write", write);
    return read.result == 0 && write.result == 0 ? 0 : 1;
}
