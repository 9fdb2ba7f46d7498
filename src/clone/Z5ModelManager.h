// CZ5ModelManager: the model manager of the QM-Z5; its model information is a
// CZ5ModelInfo (version 4, "no version", until the document sets one).
#pragma once

#include "clone/ModelManager.h"

class CZ5ModelManager : public CModelManager {
    CPZ5_DECLARE_CLASS(CZ5ModelManager)
  protected:
    std::unique_ptr<CModelInfo> CreateModelInfo() const override;
};
