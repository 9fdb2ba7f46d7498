#include "clone/ModelCheck.h"

#include "clone/ModelInfo.h"
#include "platform/SettingsStore.h"
#include "transport/SettingsKeys.h"

bool CModelCheck::SameModel(const CModelInfo& document, const CModelInfo& radio) {
    return document.GetModelCode() == radio.GetModelCode();
}

bool CModelCheck::SameRevision(const CModelInfo& document, const CModelInfo& radio) {
    return document.GetRevision() == 0 || document.GetRevision() == radio.GetRevision();
}

bool CModelCheck::SameVersion(const CModelInfo& document, const CModelInfo& radio,
                              const CSettingsStore& settings) {
    return SettingsKey::ReadInt(settings, SettingsKey::kSetup) != 0 &&
           document.GetValue() == radio.GetValue();
}

ECloneResult CModelCheck::Check(const CModelInfo& document, const CModelInfo& radio) {
    return SameModel(document, radio) && SameRevision(document, radio) ? ECloneResult::Success
                                                                       : ECloneResult::WrongModel;
}

ECloneResult CModelCheck::CheckWithVersion(const CModelInfo& document, const CModelInfo& radio,
                                           const CSettingsStore& settings) {
    ECloneResult result = Check(document, radio);
    if (result == ECloneResult::Success && !SameVersion(document, radio, settings)) {
        result = ECloneResult::WrongVersion;
    }
    return result;
}
