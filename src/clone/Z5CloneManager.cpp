#include "clone/Z5CloneManager.h"

#include "clone/Z5AdjustDataManager.h"
#include "clone/Z5CloneFileIoManager.h"
#include "clone/Z5CloneRsIoManager.h"
#include "clone/Z5DefaultDataManager.h"
#include "clone/Z5ModelManager.h"
#include "model/Z5EepromDataManager.h"
#include "model/Z5RadioDataManager.h"
#include "platform/UserInterface.h"

CPZ5_IMPLEMENT_CLASS(CZ5CloneManager, CCloneManager)

namespace {

struct SComponentRow {
    EComponent slot;
    const CRuntimeClass* record;  // nullptr: the slot stays empty
};

const SComponentRow kComponents[] = {
    {EComponent::MemoryImage, &CZ5EepromDataManager::kRuntimeClass},
    {EComponent::DefaultData, &CZ5DefaultDataManager::kRuntimeClass},
    {EComponent::Adjust, &CZ5AdjustDataManager::kRuntimeClass},
    {EComponent::RadioData, &CZ5RadioDataManager::kRuntimeClass},
    {EComponent::ModelManager, &CZ5ModelManager::kRuntimeClass},
    {EComponent::SerialTransfer, &CZ5CloneRsIoManager::kRuntimeClass},
    {EComponent::CloneFile, &CZ5CloneFileIoManager::kRuntimeClass},
};

}  // namespace

void CZ5CloneManager::CreateComponents() {
    for (const SComponentRow& row : kComponents) {
        if (row.record != nullptr) {
            SetComponent(row.slot, CreateObjectAs<CCloneManagerObject>(*row.record));
        }
    }
}

int CZ5CloneManager::ConfirmWarning(unsigned /*ignoredStyle*/) {
    return CCloneManager::ConfirmWarning(MessageStyle::OkCancel | MessageStyle::IconExclamation);
}

void CZ5CloneManager::LinkComponents() {
    for (std::size_t slot = 0; slot < kComponentCount; ++slot) {
        CCloneManagerObject* component = GetComponent(static_cast<EComponent>(slot));
        if (component != nullptr) {
            component->SetOwner(this);
            component->Initialize();
        }
    }
}
