#include "clone/AdjustDataManager.h"

CPZ5_IMPLEMENT_CLASS(CAdjustDataManager, CCloneManagerObject)
