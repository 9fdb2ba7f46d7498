#include "clone/Z5ModelManager.h"

#include "clone/Z5ModelInfo.h"

CPZ5_IMPLEMENT_CLASS(CZ5ModelManager, CModelManager)

std::unique_ptr<CModelInfo> CZ5ModelManager::CreateModelInfo() const {
    return std::make_unique<CZ5ModelInfo>();
}
