#include "clone/Z5CloneFileIoManager.h"

#include <algorithm>

#include "clone/AdjustDataManager.h"
#include "clone/CloneManager.h"
#include "clone/Z5ModelInfo.h"
#include "model/Node.h"
#include "model/RadioDataManager.h"
#include "model/Z5EepromDataManager.h"
#include "model/Z5MemoryMap.h"
#include "platform/Translation.h"

CPZ5_IMPLEMENT_CLASS(CZ5CloneFileIoManager, CCloneFileIoManager)

std::string CZ5CloneFileIoManager::FileFilter() {
    return CTranslation::Args(CTranslation::Tr("CZ5CloneFileIoManager", "QM-Z5 clone files (*%1)"),
                              {kFileExtension});
}

void CZ5CloneFileIoManager::Initialize() {
    Configure(CZ5ModelInfo::kModelCode, CZ5ModelInfo::kRevision, CZ5EepromDataManager::kImageSize);
}

std::string CZ5CloneFileIoManager::GetComment() {
    m_commentBuffer.fill('\0');
    CRadioDataManager* map = GetOwner() != nullptr ? GetOwner()->GetRadioData() : nullptr;
    const CNode* common = map != nullptr ? map->GetRoot()->GetChild(z5area::kCommon) : nullptr;
    const CNode* comment = common != nullptr ? common->GetChild(z5leaf::kCloneComment) : nullptr;
    if (comment != nullptr) {
        const std::string text = comment->GetText();
        std::copy_n(text.begin(), std::min(text.size(), kCommentLength), m_commentBuffer.begin());
    }
    return m_commentBuffer.data();
}

bool CZ5CloneFileIoManager::IsValidAddress(std::uint32_t address) const {
    return WorkingImage().IsValidAddress(address);
}

ECloneFileResult CZ5CloneFileIoManager::Save(const std::string& path,
                                             std::span<const SMemoryRange> ranges,
                                             const CImageBuffer& image) {
    SetComment(GetComment());
    CAdjustDataManager* adjust = GetOwner() != nullptr ? GetOwner()->GetAdjustData() : nullptr;
    if (adjust != nullptr) {
        adjust->Adjust();
    }
    return CCloneFileIoManager::Save(path, ranges, image);
}

ECloneFileResult CZ5CloneFileIoManager::Load(const std::string& path, CImageBuffer& image) {
    SetComment(GetComment());
    return CCloneFileIoManager::Load(path, image);
}
