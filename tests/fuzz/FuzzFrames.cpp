// Fuzzes the engine's frame receiver and dispatcher with any byte stream the
// radio's side of the line could carry, in each of the three jobs.
//
// Checked besides memory safety: a read writes only well-formed data lines to
// the clone file (address, count of at least 1, exactly count bytes, upper-case
// digits) inside the image, and a finished read covered the whole image;
// every frame the engine sends is one well-formed frame; a model
// information record holds only bytes below 0xF0.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "support/ScriptedUserInterface.h"
#include "transport/CloneRsEngine.h"

namespace {

using fuzz::Require;

using Bytes = std::vector<std::uint8_t>;

// Sends into a list; the line's echo of what was sent can be fed back.
class CFuzzEngine : public CCloneRsEngine {
  public:
    using CCloneRsEngine::CCloneRsEngine;
    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        Bytes frame(bytes, bytes + count);
        RequireWellFormedFrame(frame);
        pendingEcho.insert(pendingEcho.end(), frame.begin(), frame.end());
        return true;
    }
    Bytes pendingEcho;

  private:
    static void RequireWellFormedFrame(const Bytes& frame) {
        Require(frame.size() >= 6 && frame[0] == 0xFE && frame[1] == 0xFE && frame[2] == 0xEE &&
                frame[3] == 0xEF && frame.back() == 0xFD);
        for (std::size_t i = 2; i + 1 < frame.size(); ++i) {
            Require(frame[i] != 0xFE && frame[i] != 0xFD);
        }
    }
};

bool IsUpperHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

void RequireWellFormedDataLine(const std::string& line) {
    Require(line.size() >= 8 && line.size() % 2 == 0);
    for (char c : line) {
        Require(IsUpperHex(c));
    }
    unsigned count = static_cast<unsigned>(std::stoul(line.substr(4, 2), nullptr, 16));
    Require(count >= 1 && line.size() == 6 + 2 * count);
}

struct SFiles {
    CTempFile temp{"fz"};
    CTextFile file{temp.Path()};
};

SFiles& Files() {
    static SFiles files;
    return files;
}

void WriteSourceFile(CTextFile& file) {
    file.OpenForWrite();
    for (const char* line :
         {"24680001", "#", "000004AABBCCDD", "# comment", "000402EEFF", "0006010A"}) {
        file.WriteLine(line);
    }
    file.Close();
}

// Feeds the input in chunks; after each chunk, one control byte decides
// whether the echo of what the engine sent comes back on the line.
void FeedInChunks(CFuzzEngine& engine, const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    while (at < size && engine.GetStatus() == CCloneRsEngine::EStatus::Running) {
        std::uint8_t control = data[at++];
        std::size_t length = std::min<std::size_t>(control & 0x3F, size - at);
        engine.Receive(data + at, length);
        at += length;
        if ((control & 0x40) != 0 && !engine.pendingEcho.empty()) {
            Bytes echo;
            echo.swap(engine.pendingEcho);
            engine.Receive(echo.data(), echo.size());
        }
    }
}

// Every data line is well formed and inside the image; a finished read
// covered every address of the image.
void CheckReadFile(CTextFile& file, const CCloneRsEngine& engine, std::uint32_t imageSize) {
    file.Close();
    file.OpenForRead();
    std::string line;
    file.ReadLine(line);  // header
    file.ReadLine(line);  // "#"
    std::vector<bool> covered(imageSize, false);
    while (file.ReadLine(line)) {
        RequireWellFormedDataLine(line);
        unsigned address = static_cast<unsigned>(std::stoul(line.substr(0, 4), nullptr, 16));
        unsigned count = static_cast<unsigned>(std::stoul(line.substr(4, 2), nullptr, 16));
        Require(address + count <= imageSize);
        std::fill(covered.begin() + address, covered.begin() + address + count, true);
    }
    file.Close();
    if (engine.GetStatus() == CCloneRsEngine::EStatus::Finished) {
        Require(std::find(covered.begin(), covered.end(), false) == covered.end());
    }
}

void CheckModelInfo(const CCloneRsEngine& engine) {
    if (engine.GetStatus() != CCloneRsEngine::EStatus::Finished) {
        return;
    }
    const CCloneRsEngine::SModelInfo& info = engine.GetModelInfo();
    Require(info.dataLength <= info.data.size());
    for (std::size_t i = 0; i < info.dataLength; ++i) {
        Require(info.data[i] < 0xF0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    static CScriptedUserInterface ui;
    SFiles& files = Files();
    CFuzzEngine engine(ui, nullptr);
    CCloneRsEngine::STiming timing;
    timing.firstDataPause = 0;
    engine.SetTiming(timing);
    engine.SetModelCode(0x2468);
    engine.SetRevision(1);
    engine.SetCloneFile(&files.file);
    engine.SetReadLineTotal(data[1] % 8);
    // A small image, so that reads can complete.
    const std::uint32_t imageSize = 1 + data[1] % 32;
    engine.SetReadImageSize(imageSize);
    switch (data[0] % 3) {
        case 0:
            // The two lines a read writes before its first frame.
            files.file.OpenForWrite();
            files.file.WriteLine("24680001");
            files.file.WriteLine("#");
            engine.BeginRun(CCloneRsEngine::kJobRead, false);
            FeedInChunks(engine, data + 2, size - 2);
            CheckReadFile(files.file, engine, imageSize);
            break;
        case 1: {
            WriteSourceFile(files.file);
            files.file.OpenForRead();
            std::string header;
            files.file.ReadLine(header);
            engine.BeginRun(CCloneRsEngine::kJobWrite, true);
            engine.pendingEcho = {0xFE, 0xFE, 0xEE, 0xEF, 0xE3, 0x24, 0x68, 0x00, 0x01, 0xFD};
            FeedInChunks(engine, data + 2, size - 2);
            files.file.Close();
            break;
        }
        default:
            engine.BeginRun(CCloneRsEngine::kJobInformation, false);
            FeedInChunks(engine, data + 2, size - 2);
            CheckModelInfo(engine);
            break;
    }
    return 0;
}
