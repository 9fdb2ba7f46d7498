#include "clone/ModelManager.h"

#include "clone/CloneDocument.h"
#include "clone/CloneManager.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"

CPZ5_IMPLEMENT_CLASS(CModelManager, CCloneManagerObject)

CModelManager::CModelManager() : m_info(std::make_unique<CModelInfo>()) {}

CModelManager::~CModelManager() = default;

void CModelManager::Initialize() {
    m_confirmFlag = 0;
    m_info = CreateModelInfo();
}

std::unique_ptr<CModelInfo> CModelManager::CreateModelInfo() const {
    return std::make_unique<CModelInfo>();
}

std::int32_t CModelManager::GetVersion() const {
    return m_info->GetValue();
}

void CModelManager::SetVersion(std::int32_t version, bool reset) {
    m_info->SetValue(version);
    if (reset && GetOwner() != nullptr) {
        GetOwner()->ResetToDefaults();
    }
}

int CModelManager::ChangeModel(std::int32_t version, bool ask) {
    CCloneDocument* document = GetOwner() != nullptr ? GetOwner()->GetDocument() : nullptr;
    if (ask) {
        if (document == nullptr ||
            document->UserInterface().MessageBox(
                CTranslation::Tr("CModelManager", kChangeModelQuestion),
                CCloneDocument::kMessageTitle, MessageStyle::YesNo) != IDYES) {
            return 0;
        }
    }
    SetVersion(version, true);
    if (document != nullptr) {
        document->SetModifiedFlag(false);
        document->OnModelReset();
    }
    return 1;
}
