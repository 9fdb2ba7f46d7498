// CZ5CloneSupportDoc: the document of a QM-Z5 clone. It creates the clone
// manager of the QM-Z5 with its components (each by its run-time class
// record) and carries the radio's option byte between the settings and the
// model information.
//
// At construction the option byte is formed from the settings of section
// "Model": ModelVer + 4 Rxexp + 8 Scrambler + 16 ANI + 32 OP0 + 64 OP1 (values
// taken as they are, 8-bit arithmetic). At destruction bits 2 to 6 are written
// back as 0 or 1 to "Rxexp", "Scrambler", "ANI", "OP0" and "OP1"; "ModelVer"
// is never written here (only the first-start setup writes it).
#pragma once

#include <memory>
#include <span>

#include "document/CloneSupportDoc.h"

class CZ5CloneSupportDoc : public CCloneSupportDoc {
  public:
    CZ5CloneSupportDoc(CSettingsStore& settings, CUserInterface& ui);
    ~CZ5CloneSupportDoc() override;

    // 0x0000 to 0x079F: the whole 1,952-byte image.
    std::span<const SMemoryRange> GetMemoryRange() const override;

  private:
    static std::unique_ptr<CCloneManager> CreateCloneManager();
    void ReadOptionsFromSettings();
    void WriteOptionsToSettings();
};
