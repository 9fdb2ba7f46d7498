#include "app/Z5CloneSupportDoc.h"

#include <cstdint>

#include "clone/ModelManager.h"
#include "clone/SettingsKeys.h"
#include "clone/Z5CloneManager.h"
#include "clone/Z5ModelInfo.h"
#include "platform/SettingsStore.h"

namespace {

constexpr SMemoryRange kZ5MemoryRange[] = {{0x0000, 0x079F}, {0xFFFF, 0xFFFF}};

// The settings of section "Model" that make the option byte, with the bit
// each one's value is shifted to.
struct SOptionSetting {
    const char* name;
    int shift;
    bool writtenBack;
};

constexpr SOptionSetting kOptionSettings[] = {
    {SettingsKey::kModelVer, 0, false}, {SettingsKey::kRxexp, 2, true},
    {SettingsKey::kScrambler, 3, true}, {SettingsKey::kAni, 4, true},
    {SettingsKey::kOp0, 5, true},       {SettingsKey::kOp1, 6, true},
};

}  // namespace

CZ5CloneSupportDoc::CZ5CloneSupportDoc(CSettingsStore& settings, CUserInterface& ui)
    : CCloneSupportDoc(settings, ui) {
    InitializeClone(CreateCloneManager());
    ReadOptionsFromSettings();
}

CZ5CloneSupportDoc::~CZ5CloneSupportDoc() {
    WriteOptionsToSettings();
}

std::unique_ptr<CCloneManager> CZ5CloneSupportDoc::CreateCloneManager() {
    auto manager = std::make_unique<CZ5CloneManager>();
    manager->CreateComponents();
    return manager;
}

std::span<const SMemoryRange> CZ5CloneSupportDoc::GetMemoryRange() const {
    return kZ5MemoryRange;
}

void CZ5CloneSupportDoc::ReadOptionsFromSettings() {
    std::uint8_t options = 0;
    for (const SOptionSetting& setting : kOptionSettings) {
        const int value = Settings().GetInt(SettingsKey::kModelSection, setting.name, 0);
        options =
            static_cast<std::uint8_t>(options + (static_cast<unsigned>(value) << setting.shift));
    }
    CModelInfo& info = GetCloneManager().GetModelManager()->GetModelInfo();
    info.SetDataByte(CZ5ModelInfo::kOptionByteIndex, options);
    info.UpdateFromData();
}

void CZ5CloneSupportDoc::WriteOptionsToSettings() {
    const CModelInfo& info = GetCloneManager().GetModelManager()->GetModelInfo();
    const std::uint8_t options = info.GetDataByte(CZ5ModelInfo::kOptionByteIndex);
    for (const SOptionSetting& setting : kOptionSettings) {
        if (setting.writtenBack) {
            Settings().SetInt(SettingsKey::kModelSection, setting.name,
                              (options >> setting.shift) & 1);
        }
    }
}
