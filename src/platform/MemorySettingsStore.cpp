#include "platform/MemorySettingsStore.h"

#include "platform/SettingsText.h"

int CMemorySettingsStore::GetInt(const std::string& section, const std::string& name,
                                 int defaultValue) const {
    auto it = m_values.find({section, name});
    if (it == m_values.end()) {
        return defaultValue;
    }
    return ParseSettingsInt(it->second, defaultValue);
}

void CMemorySettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    m_values[{section, name}] = std::to_string(value);
}

std::string CMemorySettingsStore::GetString(const std::string& section, const std::string& name,
                                            const std::string& defaultValue) const {
    auto it = m_values.find({section, name});
    return it == m_values.end() ? defaultValue : it->second;
}

void CMemorySettingsStore::SetString(const std::string& section, const std::string& name,
                                     const std::string& value) {
    m_values[{section, name}] = value;
}

bool CMemorySettingsStore::Contains(const std::string& section, const std::string& name) const {
    return m_values.count({section, name}) != 0;
}
