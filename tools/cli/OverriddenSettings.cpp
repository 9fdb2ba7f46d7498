#include "OverriddenSettings.h"

void COverriddenSettings::Override(const std::string& section, const std::string& name, int value) {
    m_overrides[{section, name}] = std::to_string(value);
}

std::optional<std::string> COverriddenSettings::Text(const std::string& section,
                                                     const std::string& name) const {
    auto it = m_overrides.find({section, name});
    return it != m_overrides.end() ? it->second : m_store.Text(section, name);
}

void COverriddenSettings::SetText(const std::string& section, const std::string& name,
                                  const std::string& text) {
    auto it = m_overrides.find({section, name});
    if (it != m_overrides.end()) {
        it->second = text;
    } else {
        m_store.SetText(section, name, text);
    }
}
