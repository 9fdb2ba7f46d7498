#include "CloneFiles.h"

#include "clone/CloneManager.h"
#include "document/Z5Doc.h"
#include "model/EepromDataManager.h"
#include "model/ImageBuffer.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TerminalUserInterface.h"
#include "transport/SettingsKeys.h"

namespace {

constexpr std::uint32_t kFirstAddress = 0;

// A document of the radio's version, on settings of its own: the radio never
// touches the user's configuration.
struct SRadioDocument {
    explicit SRadioDocument(int version) {
        SettingsKey::WriteInt(settings, SettingsKey::kSetup, 1);
        SettingsKey::WriteInt(settings, SettingsKey::kModelVer, version);
    }
    CEepromDataManager& Image() { return *document.GetCloneManager().GetMemoryImage(); }

    CMemorySettingsStore settings;
    CTerminalUserInterface ui{false};
    CZ5Doc document{settings, ui};
};

void CopyMemory(const CImageBuffer& from, CImageBuffer& to) {
    for (std::uint32_t address = kFirstAddress; address < to.GetSize(); ++address) {
        to.SetByte(address, from.GetByte(address));
    }
}

}  // namespace

bool LoadCloneFile(const std::string& path, int version, CImageBuffer& memory, std::string& error) {
    SRadioDocument radio(version);
    CDocument::SFileResult result = radio.document.OpenFile(path);
    if (!result.ok) {
        error = result.message;
        return false;
    }
    CopyMemory(radio.Image(), memory);
    return true;
}

bool SaveCloneFile(const std::string& path, int version, const CImageBuffer& memory,
                   std::string& error) {
    SRadioDocument radio(version);
    CopyMemory(memory, radio.Image());
    // Saving encodes the nodes into the image: they must hold the memory first.
    radio.document.GetCloneManager().LoadNodes();
    CDocument::SFileResult result = radio.document.SaveFile(path);
    if (!result.ok) {
        error = result.message;
    }
    return result.ok;
}
