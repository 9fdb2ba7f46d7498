#include "document/Z5CloneSupportDoc.h"

#include <cstdint>

#include "clone/ModelManager.h"
#include "clone/Z5CloneManager.h"
#include "clone/Z5ModelInfo.h"
#include "model/Z5MemoryMap.h"
#include "platform/SettingsStore.h"
#include "transport/SettingsKeys.h"

namespace {

constexpr SMemoryRange kZ5MemoryRange[] = {{0x0000, z5map::kImageSize - 1}, {0xFFFF, 0xFFFF}};

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
    for (const SettingsKey::SOptionSetting& setting : SettingsKey::kOptionSettings) {
        const int value = SettingsKey::ReadInt(Settings(), setting.setting);
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
    for (const SettingsKey::SOptionSetting& setting : SettingsKey::kOptionSettings) {
        if (setting.writtenBack) {
            SettingsKey::WriteInt(Settings(), setting.setting,
                                  static_cast<int>((options >> setting.shift) & setting.mask));
        }
    }
}
