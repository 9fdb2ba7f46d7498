#include "clone/Z5CloneRsIoManager.h"

#include "clone/AdjustDataManager.h"
#include "clone/CloneDocument.h"
#include "clone/CloneFileIoManager.h"
#include "clone/CloneManager.h"
#include "clone/ModelCheck.h"
#include "clone/ModelManager.h"
#include "clone/Z5ModelInfo.h"
#include "model/EepromDataManager.h"
#include "model/Z5MemoryMap.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"
#include "transport/CloneRsEngine.h"

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

ECloneFileResult CZ5CloneRsIoManager::LoadTempFile(const std::string& path) {
    CCloneFileIoManager* files = GetOwner()->GetCloneFileIo();
    CEepromDataManager* image = GetOwner()->GetMemoryImage();
    return files && image ? files->Load(path, *image) : ECloneFileResult::Error;
}

ECloneFileResult CZ5CloneRsIoManager::SaveTempFile(const std::string& path) {
    CCloneFileIoManager* files = GetOwner()->GetCloneFileIo();
    CEepromDataManager* image = GetOwner()->GetMemoryImage();
    return files && image ? files->Save(path, kImageRanges, *image) : ECloneFileResult::Error;
}

ECloneResult CZ5CloneRsIoManager::CheckRadio(const CModelInfo& document, const CModelInfo& radio) {
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

ECloneResult CZ5CloneRsIoManager::ReadFromRadio() {
    if (CCloneFileIoManager* files = GetOwner()->GetCloneFileIo()) {
        GetEngine().SetReadLineTotal(files->GetLineCount());
    }
    GetEngine().SetReadImageSize(kImageRanges[0].last + 1);
    const ECloneResult result = CCloneRsIoManager::ReadFromRadio();
    if (result != ECloneResult::Success) {
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

ECloneResult CZ5CloneRsIoManager::WriteToRadio() {
    if (GetOwner()->GetModelManager()->GetConfirmFlag() != 0) {
        int answer =
            Ui().MessageBox(CStringTable::Get(Ids::ConfirmWarning), CCloneDocument::kMessageTitle,
                            MessageStyle::YesNo | MessageStyle::IconExclamation);
        if (answer != IDYES) {
            return ECloneResult::Failure;
        }
    }
    return WritePreparedImage();
}

ECloneResult CZ5CloneRsIoManager::WritePreparedImage() {
    CCloneManager& manager = *GetOwner();
    CEepromDataManager& image = *manager.GetMemoryImage();
    manager.StoreNodes();
    manager.GetAdjustData()->Adjust();
    CImageBuffer backup(image);
    manager.GetAdjustData()->PrepareForRadio();

    const ECloneResult result = CCloneRsIoManager::WriteToRadio();
    if (result == ECloneResult::Success) {
        TakeRadioOptions();
    }
    // The channels cleared for the radio stay in the document.
    image.Assign(backup);
    manager.LoadNodes();
    return result;
}

ECloneResult CZ5CloneRsIoManager::ShowRadioInformation() {
    const ECloneResult result = CCloneRsIoManager::ShowRadioInformation();
    if (result == ECloneResult::Success) {
        TakeRadioOptions();
        if (CCloneDocument* document = Document()) {
            document->OnModelChanged();
        }
    }
    return result;
}
