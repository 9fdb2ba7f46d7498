#include "clone/CloneManager.h"

#include "clone/CloneDocument.h"
#include "clone/DefaultDataManager.h"
#include "clone/ModelManager.h"
#include "model/EepromDataManager.h"
#include "model/RadioDataManager.h"
#include "platform/StringTable.h"
#include "platform/UserInterface.h"

CPZ5_IMPLEMENT_CLASS(CCloneManager, CCloneManagerTemplate)

std::unique_ptr<CCloneManagerObject> CCloneManager::CreateComponent(const CRuntimeClass& record) {
    std::unique_ptr<CCloneManagerObject> component = CreateObjectAs<CCloneManagerObject>(record);
    if (component != nullptr) {
        component->SetOwner(this);
        component->Initialize();
    }
    return component;
}

void CCloneManager::ResetToDefaults() {
    CDefaultDataManager* defaults = GetDefaultData();
    if (defaults != nullptr) {
        const CModelManager* models = GetModelManager();
        defaults->CopyAll(models != nullptr ? models->GetVersion() : 0);
    }
    LoadNodes();
}

void CCloneManager::StoreNodes() {
    CRadioDataManager* map = GetRadioData();
    CEepromDataManager* image = GetMemoryImage();
    if (map != nullptr && image != nullptr) {
        map->NodesToImage(map->GetRoot(), *image);
    }
}

void CCloneManager::LoadNodes() {
    CRadioDataManager* map = GetRadioData();
    CEepromDataManager* image = GetMemoryImage();
    if (map != nullptr && image != nullptr) {
        map->ImageToNodes(map->GetRoot(), *image);
    }
}

int CCloneManager::ConfirmWarning(unsigned style) {
    CModelManager* models = GetModelManager();
    if (models != nullptr && models->GetConfirmFlag() != 0) {
        return IDCANCEL;
    }
    if (GetDocument() == nullptr) {
        return IDCANCEL;
    }
    int answer = GetDocument()->UserInterface().MessageBox(CStringTable::Get(Ids::ConfirmWarning),
                                                           CCloneDocument::kMessageTitle, style);
    if ((answer == IDOK || answer == IDYES) && models != nullptr) {
        models->SetConfirmFlag(1);
    }
    return answer;
}
