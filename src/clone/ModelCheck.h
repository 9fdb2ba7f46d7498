// CModelCheck: whether a radio that just answered the model information
// request may exchange data with the document. D is the document's model
// information, R the radio's.
#pragma once

#include "transport/CloneResult.h"

class CModelInfo;
class CSettingsStore;

class CModelCheck {
  public:
    // Model codes are equal.
    static bool SameModel(const CModelInfo& document, const CModelInfo& radio);
    // The document's revision is 0 (any) or equal to the radio's.
    static bool SameRevision(const CModelInfo& document, const CModelInfo& radio);
    // The first-start setup identified a radio (settings "Setup" of "Model"
    // is not 0) and both hold the same model version.
    static bool SameVersion(const CModelInfo& document, const CModelInfo& radio,
                            const CSettingsStore& settings);

    // Model and revision only: Success, or WrongModel when model code or
    // revision differ.
    static ECloneResult Check(const CModelInfo& document, const CModelInfo& radio);
    // Model, revision and version: Success, WrongModel, or WrongVersion when
    // the model version differs or no setup was done yet.
    static ECloneResult CheckWithVersion(const CModelInfo& document, const CModelInfo& radio,
                                         const CSettingsStore& settings);
};
