// Helpers of the clone layer's tests: a linked QM-Z5 clone manager, a
// document stand-in with a scripted user interface, and scratch files.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "clone/CloneDocument.h"
#include "clone/ModelManager.h"
#include "clone/Z5CloneManager.h"
#include "model/EepromDataManager.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "platform/MemorySettingsStore.h"
#include "support/ScriptedUserInterface.h"

// A directory of its own for one test, removed with everything in it.
class CScratchDir {
  public:
    CScratchDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cpz5-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    ~CScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
};

inline void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> SplitLines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t next; (next = text.find(end, at)) != std::string::npos;
         at = next + end.size()) {
        lines.push_back(text.substr(at, next - at));
    }
    if (at < text.size()) {
        lines.push_back(text.substr(at));
    }
    return lines;
}

// The document as the clone layer sees it, answering from a script.
class CFakeCloneDocument : public CCloneDocument {
  public:
    CUserInterface& UserInterface() override { return ui; }
    CSettingsStore& Settings() override { return settings; }
    bool IsModified() override { return modified; }
    void SetModifiedFlag(bool flag) override { modified = flag; }
    std::span<const SMemoryRange> GetMemoryRange() const override { return kRange; }
    void OnModelChanged() override { ++modelChanges; }
    void OnModelReset() override { ++modelResets; }

    static constexpr SMemoryRange kRange[] = {{0x0000, 0x079F}, {0xFFFF, 0xFFFF}};
    CScriptedUserInterface ui;
    CMemorySettingsStore settings;
    bool modified = true;
    int modelChanges = 0;
    int modelResets = 0;
};

// A QM-Z5 clone manager with all its components linked, set to a version and
// filled with that version's factory image; optionally with a document.
class CZ5CloneRig {
  public:
    explicit CZ5CloneRig(int version = 0, CCloneDocument* document = nullptr) {
        manager.CreateComponents();
        manager.SetDocument(document);
        manager.LinkComponents();
        manager.GetModelManager()->SetVersion(version, true);
    }

    CEepromDataManager& Image() { return *manager.GetMemoryImage(); }
    CNode& Root() { return *manager.GetRadioData()->GetRoot(); }
    CNode& Leaf(const std::string& path) { return *Root().FindPath(path); }
    std::vector<std::uint8_t> Bytes() {
        return std::vector<std::uint8_t>(Image().Data(), Image().Data() + Image().GetSize());
    }

    CZ5CloneManager manager;
};

inline std::vector<std::uint8_t> RandomBytes(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(count);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return bytes;
}
