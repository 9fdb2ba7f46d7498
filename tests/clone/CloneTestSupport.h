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
#include "support/ScratchFiles.h"
#include "support/ScriptedUserInterface.h"

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
