// CCliSession: what every cpz5-cli command works with: the user's settings
// (with the run's overrides), the terminal as user-interface port and the
// QM-Z5 document, made on first use. Messages go to standard error, prefixed
// with the program's name.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "CliOptions.h"
#include "OverriddenSettings.h"
#include "platform/TerminalUserInterface.h"

class CZ5Doc;

class CCliSession {
  public:
    // userSettings must outlive the session.
    CCliSession(CSettingsStore& userSettings, bool assumeYes);
    ~CCliSession();

    // --version GEN|SEA|USA|EUR replaces the setting "ModelVer" for this run.
    // Must come before the document is first used. False (reported) for an
    // unknown version name.
    bool ApplyVersionOption(const CCliOptions& options);

    // The port number a --port value means: n of "COMn"; for a device path
    // the port number in the settings, bound to that device for this run.
    // None for anything else.
    std::optional<unsigned> PortNumberOf(const std::string& port);

    CZ5Doc& Document();
    CSettingsStore& Settings() { return m_settings; }
    CUserInterface& UserInterface() { return m_ui; }

    // Opens or saves the document through its own load and store; on failure
    // reports "\"FILE\": RESULT" and returns false.
    bool Open(const std::string& path);
    bool Save(const std::string& path);

    // Writes "cpz5-cli: message" and a line end to standard error, with
    // the message's control characters escaped (MessageText::ForTerminal):
    // whatever text a message quotes, it cannot drive the terminal.
    static void Report(const std::string& message);

    // The usage line of the command being run.
    void SetUsage(std::string usage) { m_usage = std::move(usage); }
    // Reports message and the usage line; returns CliExit::kUsage.
    int UsageError(const std::string& message) const;

  private:
    COverriddenSettings m_settings;
    CTerminalUserInterface m_ui;
    std::unique_ptr<CZ5Doc> m_document;
    std::string m_usage;
};
