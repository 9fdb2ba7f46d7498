#include "model/CloneManagerObject.h"

CPZ5_IMPLEMENT_CLASS(CCloneManagerObject, CObject)
