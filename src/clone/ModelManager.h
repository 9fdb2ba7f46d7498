// CModelManager: the model information of the clone manager's data (which
// radio model, revision and version it belongs to) and the confirmation flag
// of the warning that the data was not read from the connected radio.
//
// The model information is owned here and replaced by every Initialize; a
// reference to it stays valid until the next Initialize or the manager's
// destruction.
#pragma once

#include <cstdint>
#include <memory>

#include "clone/ModelInfo.h"
#include "model/CloneManagerObject.h"
#include "platform/Translation.h"

class CModelManager : public CCloneManagerObject {
    CPZ5_DECLARE_CLASS(CModelManager)
  public:
    // The question before a change of model version discards the data.
    static constexpr const char* kChangeModelQuestion = QT_TRANSLATE_NOOP(
        "CModelManager", "Change model \n\nAll data will be lost.\n\n      OK? \n");

    CModelManager();
    ~CModelManager() override;

    // Confirmation flag := 0; a new model information (see CreateModelInfo).
    void Initialize() override;

    // The current model version.
    virtual std::int32_t GetVersion() const;
    // The version becomes version clamped to the model's range. With reset
    // the clone manager then fills the image from the version's factory image
    // and decodes it into the nodes (ResetToDefaults).
    virtual void SetVersion(std::int32_t version, bool reset);
    // With ask, asks kChangeModelQuestion (Yes/No); any answer but Yes, or no
    // document to ask through, returns 0 and changes nothing. Otherwise
    // SetVersion(version, true), the document's modified flag is cleared, its
    // views are told (OnModelReset), and the result is 1.
    virtual int ChangeModel(std::int32_t version, bool ask);

    virtual std::int32_t GetConfirmFlag() const { return m_confirmFlag; }
    virtual void SetConfirmFlag(std::int32_t value) { m_confirmFlag = value; }

    CModelInfo& GetModelInfo() { return *m_info; }
    const CModelInfo& GetModelInfo() const { return *m_info; }

  protected:
    // The model information a new Initialize installs: the base makes a plain
    // one.
    virtual std::unique_ptr<CModelInfo> CreateModelInfo() const;

  private:
    std::unique_ptr<CModelInfo> m_info;
    std::int32_t m_confirmFlag = 0;
};
