// CCloneManagerObject: base of every component that a clone manager owns (the
// memory image, the default data, the adjustment, the memory map, the model
// manager, the serial transfer and the clone file manager).
//
// A component reaches its siblings only through its owner. The clone manager
// creates a component by class record, sets itself as the owner and then calls
// Initialize; before that the owner is nullptr. The owner is not owned: the
// clone manager owns its components and outlives them.
#pragma once

#include "model/Object.h"

class CCloneManager;

class CCloneManagerObject : public CObject {
    CPZ5_DECLARE_CLASS(CCloneManagerObject)
  public:
    CCloneManagerObject() = default;
    CCloneManagerObject(const CCloneManagerObject&) = delete;
    CCloneManagerObject& operator=(const CCloneManagerObject&) = delete;

    CCloneManager* GetOwner() const { return owner_; }
    void SetOwner(CCloneManager* owner) { owner_ = owner; }

    // Called by the owner after SetOwner, when every sibling exists. The base
    // does nothing.
    virtual void Initialize() {}

  private:
    CCloneManager* owner_ = nullptr;
};
