// CHistoryCommands: the desktop program's commands around the radio history
// and comparing: File > Compare With..., File > Radio History..., and the
// Clone menu's checks "Back up before writing" and "Verify after writing"
// (settings "BackupBeforeWrite" and "VerifyAfterWrite" of section
// "History").
//
// The document, settings, user-interface port and main window must outlive
// this object. Each command runs under the command busy flag.
#pragma once

#include <QCoreApplication>
#include <functional>
#include <string>

#include "ui/CommandTarget.h"

class CSettingsStore;
class CUserInterface;
class CZ5Doc;
class CZ5MainFrame;

class CHistoryCommands {
    Q_DECLARE_TR_FUNCTIONS(CHistoryCommands)

  public:
    using Handler =
        std::function<void(int id, CCommandTarget::Runner run, CCommandTarget::Updater update)>;
    using FilePrompt = std::function<std::string()>;

    CHistoryCommands(CZ5Doc& document, CSettingsStore& settings, CUserInterface& ui);

    // Hands every command of this object to handle (a command target's
    // HandleCommand).
    void Register(const Handler& handle);
    // The window dialogs open over and navigate in.
    void SetFrame(CZ5MainFrame* frame) { m_frame = frame; }
    // The file dialog of Compare With...; tests replace it.
    void SetComparePrompt(FilePrompt prompt) { m_comparePrompt = std::move(prompt); }

    // Compares the data with the clone file at path (shown as name), lists
    // the differences, takes over what the user chooses to and goes to the
    // value the user double-clicks.
    void CompareWith(const std::string& path, const std::string& name);
    // The history window, and what the user chose in it.
    void ShowHistory();
    // Shows the channel or opens the settings window of a leaf's path.
    void GoTo(const std::string& path);

  private:
    void Toggle(const char* setting);
    bool IsOn(const char* setting) const;
    // The details of a history entry that the history window shows.
    std::string EntryDetails(const std::string& path);
    void OpenAsNewData(const std::string& path);
    void TellNotOpened(const std::string& path, const std::string& result);
    std::string AskComparePath() const;

    CZ5Doc& m_document;
    CSettingsStore& m_settings;
    CUserInterface& m_ui;
    CZ5MainFrame* m_frame = nullptr;
    FilePrompt m_comparePrompt;
};
