// Fuzzes the clone file reader with any file content: it must not crash or
// touch memory outside its buffers, and a result other than Ok must leave
// the image exactly as it was. The line reader under it must give lines
// without line feeds and never longer than its limit.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clone/CloneFileIoManager.h"
#include "clone/CloneFileResult.h"
#include "clone/LineReader.h"
#include "clone/ModelManager.h"
#include "clone/Z5CloneManager.h"
#include "model/EepromDataManager.h"
#include "platform/TempFile.h"

namespace {

struct SFuzzRig {
    SFuzzRig() : file("fuzz") {
        manager.CreateComponents();
        manager.LinkComponents();
        manager.GetModelManager()->SetVersion(2, true);
        original.assign(Image().Data(), Image().Data() + Image().GetSize());
    }
    CEepromDataManager& Image() { return *manager.GetMemoryImage(); }

    CZ5CloneManager manager;
    CTempFile file;
    std::vector<std::uint8_t> original;
};

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FuzzCloneFile: %s\n", what);
        std::abort();
    }
}

void CheckLineReader(const std::string& path) {
    constexpr std::size_t kLimit = 40;
    CLineReader reader(kLimit);
    Check(reader.Open(path), "the file does not open");
    std::string line;
    while (reader.ReadLine(line)) {
        Check(line.size() <= kLimit, "a line longer than the limit");
        Check(line.find('\n') == std::string::npos, "a line feed inside a line");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SFuzzRig rig;
    std::FILE* out = std::fopen(rig.file.Path().c_str(), "wb");
    if (out == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    rig.Image().Write(0, rig.original.data(), static_cast<std::uint32_t>(rig.original.size()));
    const ECloneFileResult result =
        rig.manager.GetCloneFileIo()->Load(rig.file.Path(), rig.Image());
    if (result != ECloneFileResult::Ok) {
        Check(std::equal(rig.original.begin(), rig.original.end(), rig.Image().Data()),
              "a failed read changed the image");
    }
    Check(rig.Image().GetSize() == rig.original.size(), "the image changed its size");
    CheckLineReader(rig.file.Path());
    return 0;
}
