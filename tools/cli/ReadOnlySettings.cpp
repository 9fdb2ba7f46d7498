#include "ReadOnlySettings.h"

std::optional<std::string> CReadOnlySettings::Text(const std::string& section,
                                                   const std::string& name) const {
    std::optional<std::string> written = m_written.Text(section, name);
    return written ? written : m_store->Text(section, name);
}

void CReadOnlySettings::SetText(const std::string& section, const std::string& name,
                                const std::string& text) {
    m_written.SetText(section, name, text);
}
