// CZ5CloneManager: the clone manager of the QM-Z5. Its confirmation warning
// always has the buttons OK and Cancel and the exclamation icon, whatever
// style the caller asks for.
#pragma once

#include "clone/CloneManager.h"

class CZ5CloneManager : public CCloneManager {
    CPZ5_DECLARE_CLASS(CZ5CloneManager)
  public:
    // Fills every slot with a new component of the QM-Z5, each made from its
    // run-time class record, in slot order: CZ5EepromDataManager,
    // CZ5DefaultDataManager, CZ5AdjustDataManager, CZ5RadioDataManager,
    // CZ5ModelManager, CZ5CloneRsIoManager (the serial transfer),
    // CZ5CloneFileIoManager. The components are not linked yet.
    void CreateComponents();

    int ConfirmWarning(unsigned ignoredStyle) override;
    void LinkComponents() override;
};
