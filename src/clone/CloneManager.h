// CCloneManager: the operations on a clone manager's components. Each
// operation does nothing for a component whose slot is empty.
#pragma once

#include <memory>

#include "clone/CloneManagerTemplate.h"

class CRuntimeClass;

class CCloneManager : public CCloneManagerTemplate {
    CPZ5_DECLARE_CLASS(CCloneManager)
  public:
    // A new component of the class of record, owned by the caller, whose
    // owner is this manager and whose Initialize has run; nullptr when the
    // class cannot be created or is not a component.
    virtual std::unique_ptr<CCloneManagerObject> CreateComponent(const CRuntimeClass& record);

    // The memory image := the factory image of the current model version;
    // then LoadNodes.
    virtual void ResetToDefaults();
    // The nodes are encoded into the memory image.
    virtual void StoreNodes();
    // The memory image is decoded into the nodes.
    virtual void LoadNodes();

    // The warning that the data was not read from the connected radio: asked
    // (string 2010, in a box of style) only while the model manager's
    // confirmation flag is 0; an OK or Yes sets the flag. Returns the answer,
    // or IDCANCEL (2) without asking when the flag was already set. Without
    // a document there is no one to ask: IDCANCEL, flag unchanged.
    virtual int ConfirmWarning(unsigned style);

    // Sets itself as the owner of every component and initialises them, in
    // slot order. The base does nothing; the model's manager does it.
    virtual void LinkComponents() {}
};
