// CModelCheck: whether a radio that just answered the model information
// request may exchange data with the document. D is the document's model
// information, R the radio's.
#pragma once

class CModelInfo;
class CSettingsStore;

namespace ModelCheckResult {
inline constexpr int kMatch = 0;
inline constexpr int kWrongModel = 85;    // model code or revision differ
inline constexpr int kWrongVersion = 90;  // model version differs, or no setup yet
}  // namespace ModelCheckResult

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

    // Model and revision only: kMatch or kWrongModel.
    static int Check(const CModelInfo& document, const CModelInfo& radio);
    // Model, revision and version: kMatch, kWrongModel or kWrongVersion.
    static int CheckWithVersion(const CModelInfo& document, const CModelInfo& radio,
                                const CSettingsStore& settings);
};
