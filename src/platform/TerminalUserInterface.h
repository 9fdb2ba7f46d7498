#pragma once

#include <string>

#include "platform/UserInterface.h"

// The user-interface port of the command-line tool. Messages go to standard
// error; questions are asked there and answered on standard input when that
// is a terminal. With assumeYes every question is answered with its first
// button (OK or Yes); with no terminal and without assumeYes every question
// is answered as Cancel (or No). The progress of a transfer is a bar on
// standard error when standard error is a terminal.
class CTerminalUserInterface : public CUserInterface {
  public:
    explicit CTerminalUserInterface(bool assumeYes);

    int MessageBox(const std::string& text, const std::string& title, unsigned style) override;
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void SetStatusText(const std::string& text) override;
    void OpenProgress(const std::string& caption) override;
    void SetProgress(int percent) override;
    bool IsProgressCancelled() override { return false; }
    void CloseProgress() override;
    void Beep(EBeep) override {}
    void ShowRadioInformation(const std::string& model, const std::string& comment) override;

  private:
    int Ask(unsigned buttons);

    bool m_assumeYes;
    bool m_interactive;
    bool m_errorIsTerminal;
    std::string m_caption;
    int m_shownPercent = -1;
};
