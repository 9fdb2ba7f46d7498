// CZ5CloneRsIoManager: the serial transfer of the QM-Z5.
//
// Around the common commands it reads the whole image (0x000 to 0x79F), checks the radio's
// model version against the document's (and that the first-start setup was
// done), moves the image through the clone file manager, adjusts it, clears
// the channels the version may not hold before a write (on a copy: the
// document keeps them), and takes the radio's option byte into the
// document's model information after every successful command.
#pragma once

#include <string>

#include "clone/CloneRsIoManager.h"

class CEepromDataManager;

class CZ5CloneRsIoManager : public CCloneRsIoManager {
    CPZ5_DECLARE_CLASS(CZ5CloneRsIoManager)
  public:
    // Attach with a QM-Z5 model information (no version known yet).
    void Initialize() override;

    ECloneResult ReadFromRadio() override;
    ECloneResult WriteToRadio() override;
    ECloneResult ShowRadioInformation() override;

    CModelInfo* GetDocumentInfo() override;

    // The comment of the information window: the identity text up to its
    // first zero byte (the radio pads short texts with them), and one line end.
    static std::string InformationComment(const std::string& identity);

  protected:
    ECloneFileResult LoadTempFile(const std::string& path) override;
    ECloneFileResult SaveTempFile(const std::string& path) override;
    ECloneResult CheckRadio(const CModelInfo& document, const CModelInfo& radio) override;
    void ShowInformation(const CModelInfo& radio) override;

  private:
    // The document's option byte := the radio's, and the version with it.
    void TakeRadioOptions();
    // The image as the radio should receive it, then the backup restored.
    ECloneResult WritePreparedImage();
};
