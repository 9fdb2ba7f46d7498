// CSilentUserInterface: the port of work that has nobody to talk to (a
// transfer without a document, a clone file read only to be compared):
// nothing is shown, and every question is declined.
#pragma once

#include "platform/UserInterface.h"

class CSilentUserInterface : public CUserInterface {
  public:
    // IDNO for a Yes/No box, IDCANCEL for any other.
    int MessageBox(const std::string& text, const std::string& title, unsigned style) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void SetStatusText(const std::string&) override {}
    void OpenProgress(const std::string&) override {}
    void SetProgress(int) override {}
    bool IsProgressCancelled() override { return false; }
    void CloseProgress() override {}
    void Beep(EBeep) override {}
    void ShowRadioInformation(const std::string&, const std::string&) override {}
};
