// CCommPortSetup: what the first-start setup window does when the user
// presses OK: it asks the radio on the chosen COM port for its model
// information and, when a QM-Z5 answers, keeps the radio's version and
// options and the port in the settings ("Setup" = 1, "ModelVer", "Rxexp",
// "Scrambler", "ANI", "OP0", "OP1" of section "Model", "PortNumber" of
// section "CommPort").
//
// A failure is signalled with the failure beep, a status text and a message
// box, and nothing is written. The settings store and the user-interface port
// are not owned and must outlive this object.
#pragma once

#include "transport/CloneResult.h"

class CSettingsStore;
class CUserInterface;

class CCommPortSetup {
  public:
    CCommPortSetup(CSettingsStore& settings, CUserInterface& ui);

    // The port to offer first: "PortNumber" of section "CommPort" (default 1).
    int InitialPort() const;

    // Identifies the radio on COM port number port (1..4); true when it
    // answered as a QM-Z5 and the settings were written.
    bool Identify(int port);

    // The result of the last Identify: Success, Failure (no answer),
    // WrongModel (not a QM-Z5) or PortNotOpened.
    ECloneResult LastResult() const { return m_lastResult; }

    // The settings as the radio's option byte makes them.
    static void WriteModelSettings(CSettingsStore& settings, unsigned optionByte);

  private:
    void ReportFailure(int statusText, int boxText, const char* argument);

    CSettingsStore& m_settings;
    CUserInterface& m_ui;
    ECloneResult m_lastResult = ECloneResult::Success;
};
