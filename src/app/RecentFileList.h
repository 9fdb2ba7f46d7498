// CRecentFileList: the four most recently opened or saved clone files, kept
// as strings "File1".."File4" of section "Recent File List" of the settings,
// newest first.
//
// The list reads the settings at construction and writes them on every
// change. The settings store is not owned and must outlive the list.
#pragma once

#include <string>
#include <vector>

class CSettingsStore;

class CRecentFileList {
  public:
    static constexpr int kSize = 4;

    explicit CRecentFileList(CSettingsStore& settings);

    // Puts path first; an entry that names the same file (same text) moves
    // up instead of appearing twice; the oldest entry falls off.
    void Add(const std::string& path);
    // Takes entry index (0 = newest) off the list.
    void Remove(int index);

    // The entries, newest first; at most kSize.
    const std::vector<std::string>& Entries() const { return m_entries; }

  private:
    void Save() const;

    CSettingsStore& m_settings;
    std::vector<std::string> m_entries;
};
