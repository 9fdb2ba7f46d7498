// CZ5Doc: the QM-Z5 document of the program, with its file commands Save and
// Save As. Both are guarded by the command busy flag: while another command
// runs they do nothing and answer false.
//
// Its Read <- TR keeps every successful read in the radio history once the
// program enabled it (EnableReadHistory); its Write -> TR backs the radio up
// before and checks it after the write when the settings ask for it
// (CDocWriteSafeguard).
#pragma once

#include <ctime>
#include <string>

#include "document/Z5CloneSupportDoc.h"

class CZ5Doc : public CZ5CloneSupportDoc {
  public:
    CZ5Doc(CSettingsStore& settings, CUserInterface& ui) : CZ5CloneSupportDoc(settings, ui) {}

    // Save: to the document's file (asks for a name when it has none); Save
    // As: to a name the user gives. True when the file was saved.
    bool OnFileSave();
    bool OnFileSaveAs();

    // Read <- TR; a successful read is also kept in the history. When that
    // fails the read still counts, and the user is told the first time only.
    ECloneResult OnCloneRead();
    // Write -> TR with the backup and the check after it, as set.
    ECloneResult OnCloneWrite();

    // Reads are kept in folder from now on (CReadHistory; "" when no folder
    // could be found, which is reported as a failure to keep them).
    void EnableReadHistory(std::string folder);
    bool IsReadHistoryEnabled() const { return m_historyEnabled; }
    const std::string& GetHistoryFolder() const { return m_historyFolder; }

    // Keeps the clone file at source in the history; "" or what failed.
    std::string KeepInHistory(const std::string& source, const std::string& version,
                              const std::string& identity);

  private:
    bool m_historyEnabled = false;
    bool m_historyFailureTold = false;
    std::string m_historyFolder;
};
