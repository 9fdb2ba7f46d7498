#include "OverriddenSettings.h"

void COverriddenSettings::Override(const std::string& section, const std::string& name, int value) {
    m_overrides[{section, name}] = value;
}

int COverriddenSettings::GetInt(const std::string& section, const std::string& name,
                                int defaultValue) const {
    auto it = m_overrides.find({section, name});
    return it != m_overrides.end() ? it->second : m_store.GetInt(section, name, defaultValue);
}

void COverriddenSettings::SetInt(const std::string& section, const std::string& name, int value) {
    auto it = m_overrides.find({section, name});
    if (it != m_overrides.end()) {
        it->second = value;
    } else {
        m_store.SetInt(section, name, value);
    }
}

std::string COverriddenSettings::GetString(const std::string& section, const std::string& name,
                                           const std::string& defaultValue) const {
    auto it = m_overrides.find({section, name});
    return it != m_overrides.end() ? std::to_string(it->second)
                                   : m_store.GetString(section, name, defaultValue);
}

void COverriddenSettings::SetString(const std::string& section, const std::string& name,
                                    const std::string& value) {
    if (m_overrides.count({section, name}) == 0) {
        m_store.SetString(section, name, value);
    }
}

bool COverriddenSettings::Contains(const std::string& section, const std::string& name) const {
    return m_overrides.count({section, name}) != 0 || m_store.Contains(section, name);
}
