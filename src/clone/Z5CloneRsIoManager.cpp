#include "clone/Z5CloneRsIoManager.h"

#include "clone/AdjustDataManager.h"
#include "clone/CloneDocument.h"
#include "clone/CloneFileIoManager.h"
#include "clone/CloneManager.h"
#include "clone/CloneRsEngine.h"
#include "clone/ModelCheck.h"
#include "clone/ModelManager.h"
#include "clone/Z5ModelInfo.h"
#include "model/EepromDataManager.h"
#include "model/Z5MemoryMap.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

CPZ5_IMPLEMENT_CLASS(CZ5CloneRsIoManager, CCloneRsIoManager)

namespace {

// The whole 1,952-byte image, as the temporary clone file holds it.
constexpr SMemoryRange kImageRanges[] = {{0x0000, z5map::kImageSize - 1}, {0xFFFF, 0xFFFF}};

}  // namespace

void CZ5CloneRsIoManager::Initialize() {
    CCloneRsIoManager::Initialize();
    Attach(std::make_unique<CZ5ModelInfo>());
}

CModelInfo* CZ5CloneRsIoManager::GetDocumentInfo() {
    CModelManager* models = GetOwner() ? GetOwner()->GetModelManager() : nullptr;
    return models ? &models->GetModelInfo() : CCloneRsIoManager::GetDocumentInfo();
}

std::string CZ5CloneRsIoManager::LoadTempFile(const std::string& path) {
    CCloneFileIoManager* files = GetOwner()->GetCloneFileIo();
    CEepromDataManager* image = GetOwner()->GetMemoryImage();
    return files && image ? files->Load(path, *image) : "ERROR";
}

std::string CZ5CloneRsIoManager::SaveTempFile(const std::string& path) {
    CCloneFileIoManager* files = GetOwner()->GetCloneFileIo();
    CEepromDataManager* image = GetOwner()->GetMemoryImage();
    return files && image ? files->Save(path, kImageRanges, *image) : "ERROR";
}

int CZ5CloneRsIoManager::CheckRadio(const CModelInfo& document, const CModelInfo& radio) {
    return CModelCheck::CheckWithVersion(document, radio, Settings());
}

std::string CZ5CloneRsIoManager::InformationComment(const std::string& identity) {
    return identity.substr(0, identity.find('\0')) + "\n";
}

void CZ5CloneRsIoManager::ShowInformation(const CModelInfo& radio) {
    Ui().ShowRadioInformation(radio.GetName(), InformationComment(radio.GetText()));
}

void CZ5CloneRsIoManager::TakeRadioOptions() {
    CModelInfo& document = *GetDocumentInfo();
    document.SetDataByte(CZ5ModelInfo::kOptionByteIndex,
                         GetRadioInfo()->GetDataByte(CZ5ModelInfo::kOptionByteIndex));
    document.UpdateFromData();
}

int CZ5CloneRsIoManager::ReadFromRadio() {
    if (CCloneFileIoManager* files = GetOwner()->GetCloneFileIo()) {
        GetEngine().SetReadLineTotal(files->GetLineCount());
    }
    GetEngine().SetReadImageSize(kImageRanges[0].last + 1);
    int result = CCloneRsIoManager::ReadFromRadio();
    if (result != kResultSuccess) {
        return result;
    }
    CCloneManager& manager = *GetOwner();
    manager.GetModelManager()->SetVersion(GetRadioInfo()->GetValue(), false);
    TakeRadioOptions();
    manager.GetAdjustData()->Adjust();
    manager.LoadNodes();
    if (CCloneDocument* document = Document()) {
        document->OnModelChanged();
        document->SetModifiedFlag(true);
    }
    return result;
}

int CZ5CloneRsIoManager::WriteToRadio() {
    if (GetOwner()->GetModelManager()->GetConfirmFlag() != 0) {
        int answer =
            Ui().MessageBox(CStringTable::Get(Ids::ConfirmWarning), CCloneDocument::kMessageTitle,
                            MessageStyle::YesNo | MessageStyle::IconExclamation);
        if (answer != IDYES) {
            return kResultFailure;
        }
    }
    return WritePreparedImage();
}

int CZ5CloneRsIoManager::WritePreparedImage() {
    CCloneManager& manager = *GetOwner();
    CEepromDataManager& image = *manager.GetMemoryImage();
    manager.StoreNodes();
    manager.GetAdjustData()->Adjust();
    CImageBuffer backup(image);
    manager.GetAdjustData()->PrepareForRadio();

    int result = CCloneRsIoManager::WriteToRadio();
    if (result == kResultSuccess) {
        TakeRadioOptions();
    }
    // The channels cleared for the radio stay in the document.
    image.Assign(backup);
    manager.LoadNodes();
    return result;
}

int CZ5CloneRsIoManager::ShowRadioInformation() {
    int result = CCloneRsIoManager::ShowRadioInformation();
    if (result == kResultSuccess) {
        TakeRadioOptions();
        if (CCloneDocument* document = Document()) {
            document->OnModelChanged();
        }
    }
    return result;
}
