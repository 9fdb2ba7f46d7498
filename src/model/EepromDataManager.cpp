#include "model/EepromDataManager.h"

CPZ5_IMPLEMENT_CLASS(CEepromDataManager, CCloneManagerObject)
