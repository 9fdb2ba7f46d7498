#include "app/RecentFileList.h"

#include <algorithm>

#include "transport/SettingsKeys.h"

CRecentFileList::CRecentFileList(CSettingsStore& settings) : m_settings(settings) {
    for (int index = 0; index < kSize; ++index) {
        const std::string path =
            SettingsKey::ReadText(m_settings, SettingsKey::kRecentFile, index + 1);
        if (!path.empty() &&
            std::find(m_entries.begin(), m_entries.end(), path) == m_entries.end()) {
            m_entries.push_back(path);
        }
    }
}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty()) {
        return;
    }
    std::erase(m_entries, path);
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > static_cast<size_t>(kSize)) {
        m_entries.resize(kSize);
    }
    Save();
}

void CRecentFileList::Remove(int index) {
    if (index < 0 || index >= static_cast<int>(m_entries.size())) {
        return;
    }
    m_entries.erase(m_entries.begin() + index);
    Save();
}

void CRecentFileList::Save() const {
    for (int index = 0; index < kSize; ++index) {
        const bool used = index < static_cast<int>(m_entries.size());
        SettingsKey::WriteText(m_settings, SettingsKey::kRecentFile, index + 1,
                               used ? m_entries[index] : "");
    }
}
