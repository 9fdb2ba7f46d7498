#include "model/RadioDataManager.h"

CPZ5_IMPLEMENT_CLASS(CRadioDataManager, CCloneManagerObject)

bool CRadioDataManager::NodesToImage(CNode*, CImageBuffer&) {
    return false;
}

bool CRadioDataManager::ImageToNodes(CNode*, const CImageBuffer&) {
    return false;
}
