#include "model/Z5EepromDataManager.h"

CPZ5_IMPLEMENT_CLASS(CZ5EepromDataManager, CEepromDataManager)
