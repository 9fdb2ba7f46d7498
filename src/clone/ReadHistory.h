// CReadHistory: every successful read from the radio, kept as a clone file in
// a folder of the user's data ($XDG_DATA_HOME/cpz5/history, else
// ~/.local/share/cpz5/history), so that what a radio held is never lost.
//
// An entry is named after the read: "20261208-194012_USA_IDENTITY.cz5" (UTC
// date and time, the radio's model version and its identity text reduced to
// letters, digits and '-'); a second read in the same second gets "_2",
// "_3"... before ".cz5", also when several processes store at once. Files of any other name in the
// folder (a copy the user renamed, "..._USA_before trip.cz5", among them) are
// foreign: they are never listed, counted or removed. The stamp must be a
// real time: "20261399-..." is foreign too.
//
// At most Keep entries stay (setting "Keep" of section "History", default
// 50): after storing one, the oldest beyond the limit are removed, the oldest
// by when they were written (the files' modification times, whatever time
// their names show), never the one just stored. An entry is
// written whole or not at all (written beside its name, flushed, renamed).
// Nothing here throws; a failure is returned as a text saying what failed.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "transport/SettingsKeys.h"

class CLineReader;
class CSettingsStore;

// One entry of the history, as its name tells it.
struct SHistoryEntry {
    std::string path;
    std::time_t when = 0;  // the time of the read, from the UTC stamp of the name
    std::string version;
    std::string identity;
    unsigned sequence = 1;  // n of "_n"; 1 without it
};

class CReadHistory {
  public:
    static constexpr const char* kSection = SettingsKey::kHistorySection;
    static constexpr const char* kKeep = SettingsKey::kHistoryKeep.name;
    static constexpr int kDefaultKeep = SettingsKey::kHistoryKeep.defaultValue;
    static constexpr int kMaxKeep = 10000;

    // keep below 1 counts as 1.
    CReadHistory(std::string folder, int keep);

    // $XDG_DATA_HOME/cpz5/history, else $HOME/.local/share/cpz5/history; ""
    // when neither variable is set to an absolute path.
    static std::string DefaultFolder();
    // The setting "Keep" of "History", between 1 and kMaxKeep.
    static int KeepSetting(const CSettingsStore& settings);

    // Copies the clone file at source (line ends become CR LF) into a new
    // entry made at when, then removes the oldest entries beyond the limit.
    // The folder is created when missing. "" on success, else what failed.
    std::string Store(const std::string& source, const std::string& version,
                      const std::string& identity, std::time_t when);

    // The entries, oldest first by the times their names show. Only the
    // names are read, never the files.
    std::vector<SHistoryEntry> Entries() const;

    // The name of the first entry of a read made at when:
    // "20261208-194012_USA_QM-Z5.cz5".
    static std::string EntryName(std::time_t when, const std::string& version,
                                 const std::string& identity);

    // when in the local time of the user (the zone of TZ, else the
    // system's): "2026-12-08 20:40:12".
    static std::string LocalTimeText(std::time_t when);

    const std::string& Folder() const { return m_folder; }

  private:
    static std::string EntryStem(std::time_t when, const std::string& version,
                                 const std::string& identity);
    std::string NewEntryPath(const std::string& stem) const;
    std::string WriteEntry(CLineReader& reader, const std::string& source,
                           const std::string& path) const;
    void RemoveBeyondLimit(const std::string& written) const;

    const std::string m_folder;
    const int m_keep;
};
