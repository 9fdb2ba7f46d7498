#include "clone/ModelCheck.h"

#include "clone/ModelInfo.h"
#include "clone/SettingsKeys.h"
#include "platform/SettingsStore.h"

bool CModelCheck::SameModel(const CModelInfo& document, const CModelInfo& radio) {
    return document.GetModelCode() == radio.GetModelCode();
}

bool CModelCheck::SameRevision(const CModelInfo& document, const CModelInfo& radio) {
    return document.GetRevision() == 0 || document.GetRevision() == radio.GetRevision();
}

bool CModelCheck::SameVersion(const CModelInfo& document, const CModelInfo& radio,
                              const CSettingsStore& settings) {
    return settings.GetInt(SettingsKey::kModelSection, SettingsKey::kSetup, 0) != 0 &&
           document.GetValue() == radio.GetValue();
}

int CModelCheck::Check(const CModelInfo& document, const CModelInfo& radio) {
    return SameModel(document, radio) && SameRevision(document, radio)
               ? ModelCheckResult::kMatch
               : ModelCheckResult::kWrongModel;
}

int CModelCheck::CheckWithVersion(const CModelInfo& document, const CModelInfo& radio,
                                  const CSettingsStore& settings) {
    int result = Check(document, radio);
    if (result == ModelCheckResult::kMatch && !SameVersion(document, radio, settings)) {
        result = ModelCheckResult::kWrongVersion;
    }
    return result;
}
