// CAdjustDataManager: repairs a radio model's memory image before it leaves
// the program (a saved clone file, a write to the radio) and after it comes in
// (a read from the radio), as a clone manager component. The base does
// nothing; the model's subclass knows what to repair.
#pragma once

#include "model/CloneManagerObject.h"

class CAdjustDataManager : public CCloneManagerObject {
    CPZ5_DECLARE_CLASS(CAdjustDataManager)
  public:
    // Normalises the clone manager's memory image and restores the bytes the
    // user cannot edit from the factory image of the current version. The
    // nodes of the areas passed through hold the image's values afterwards.
    virtual void Adjust() {}
    // Before a write to the radio only, on an image the caller restores
    // afterwards: clears every channel the radio's version may not receive.
    virtual void PrepareForRadio() {}
};
