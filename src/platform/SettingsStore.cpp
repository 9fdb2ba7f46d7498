#include "platform/SettingsStore.h"

#include "platform/SettingsText.h"

int CSettingsStore::GetInt(const std::string& section, const std::string& name,
                           int defaultValue) const {
    std::optional<std::string> text = Text(section, name);
    return text ? ParseSettingsInt(*text, defaultValue) : defaultValue;
}

void CSettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    SetText(section, name, std::to_string(value));
}

std::string CSettingsStore::GetString(const std::string& section, const std::string& name,
                                      const std::string& defaultValue) const {
    return Text(section, name).value_or(defaultValue);
}

void CSettingsStore::SetString(const std::string& section, const std::string& name,
                               const std::string& value) {
    SetText(section, name, value);
}

bool CSettingsStore::Contains(const std::string& section, const std::string& name) const {
    return Text(section, name).has_value();
}
