#include "platform/MemorySettingsStore.h"

std::optional<std::string> CMemorySettingsStore::Text(const std::string& section,
                                                      const std::string& name) const {
    auto it = m_values.find({section, name});
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}

void CMemorySettingsStore::SetText(const std::string& section, const std::string& name,
                                   const std::string& text) {
    m_values[{section, name}] = text;
}
