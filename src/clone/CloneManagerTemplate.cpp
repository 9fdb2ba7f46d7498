#include "clone/CloneManagerTemplate.h"

#include "clone/AdjustDataManager.h"
#include "clone/CloneFileIoManager.h"
#include "clone/DefaultDataManager.h"
#include "clone/ModelManager.h"
#include "model/EepromDataManager.h"
#include "model/RadioDataManager.h"

CPZ5_IMPLEMENT_CLASS(CCloneManagerTemplate, CObject)

CCloneManagerTemplate::CCloneManagerTemplate() = default;

CCloneManagerTemplate::~CCloneManagerTemplate() {
    for (std::unique_ptr<CCloneManagerObject>& component : m_components) {
        component.reset();
    }
}

void CCloneManagerTemplate::SetComponent(EComponent slot,
                                         std::unique_ptr<CCloneManagerObject> component) {
    m_components[static_cast<std::size_t>(slot)] = std::move(component);
}

CCloneManagerObject* CCloneManagerTemplate::GetComponent(EComponent slot) const {
    return m_components[static_cast<std::size_t>(slot)].get();
}

CEepromDataManager* CCloneManagerTemplate::GetMemoryImage() const {
    return GetComponentAs<CEepromDataManager>(EComponent::MemoryImage);
}

CDefaultDataManager* CCloneManagerTemplate::GetDefaultData() const {
    return GetComponentAs<CDefaultDataManager>(EComponent::DefaultData);
}

CAdjustDataManager* CCloneManagerTemplate::GetAdjustData() const {
    return GetComponentAs<CAdjustDataManager>(EComponent::Adjust);
}

CRadioDataManager* CCloneManagerTemplate::GetRadioData() const {
    return GetComponentAs<CRadioDataManager>(EComponent::RadioData);
}

CModelManager* CCloneManagerTemplate::GetModelManager() const {
    return GetComponentAs<CModelManager>(EComponent::ModelManager);
}

CCloneManagerObject* CCloneManagerTemplate::GetSerialTransfer() const {
    return GetComponent(EComponent::SerialTransfer);
}

CCloneFileIoManager* CCloneManagerTemplate::GetCloneFileIo() const {
    return GetComponentAs<CCloneFileIoManager>(EComponent::CloneFile);
}
