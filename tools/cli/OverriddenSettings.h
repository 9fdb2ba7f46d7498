// COverriddenSettings: the user's settings with some integers replaced for
// one run (cpz5-cli --version replaces "ModelVer" of "Model"). Reads of a
// replaced value give the replacement; writes of it are kept for the run and
// never reach the user's store. Everything else reads and writes the
// underlying store, which must outlive this one.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/SettingsStore.h"

class COverriddenSettings : public CSettingsStore {
  public:
    explicit COverriddenSettings(CSettingsStore& store) : m_store(store) {}

    void Override(const std::string& section, const std::string& name, int value);

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    bool Contains(const std::string& section, const std::string& name) const override;

  private:
    using Key = std::pair<std::string, std::string>;

    CSettingsStore& m_store;
    std::map<Key, int> m_overrides;
};
