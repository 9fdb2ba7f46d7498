#include "ReadOnlySettings.h"

int CReadOnlySettings::GetInt(const std::string& section, const std::string& name,
                              int defaultValue) const {
    return m_written.Contains(section, name) ? m_written.GetInt(section, name, defaultValue)
                                             : m_store->GetInt(section, name, defaultValue);
}

void CReadOnlySettings::SetInt(const std::string& section, const std::string& name, int value) {
    m_written.SetInt(section, name, value);
}

std::string CReadOnlySettings::GetString(const std::string& section, const std::string& name,
                                         const std::string& defaultValue) const {
    return m_written.Contains(section, name) ? m_written.GetString(section, name, defaultValue)
                                             : m_store->GetString(section, name, defaultValue);
}

void CReadOnlySettings::SetString(const std::string& section, const std::string& name,
                                  const std::string& value) {
    m_written.SetString(section, name, value);
}

bool CReadOnlySettings::Contains(const std::string& section, const std::string& name) const {
    return m_written.Contains(section, name) || m_store->Contains(section, name);
}
