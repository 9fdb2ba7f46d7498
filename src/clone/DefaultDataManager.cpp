#include "clone/DefaultDataManager.h"

#include "clone/CloneManager.h"
#include "clone/ModelManager.h"

CPZ5_IMPLEMENT_CLASS(CDefaultDataManager, CCloneManagerObject)

int CDefaultDataManager::CopyByte(int, std::uint32_t) {
    return 1;
}

int CDefaultDataManager::CopyBit(int, std::uint32_t, unsigned) {
    return 1;
}

int CDefaultDataManager::CopyBlock(int, std::uint32_t, std::uint32_t) {
    return 1;
}

int CDefaultDataManager::CopyAll(int) {
    return 1;
}

int CDefaultDataManager::ResolveVersion(int version) const {
    if (version >= 0) {
        return version;
    }
    const CModelManager* models = GetOwner() != nullptr ? GetOwner()->GetModelManager() : nullptr;
    return models != nullptr ? models->GetVersion() : version;
}
