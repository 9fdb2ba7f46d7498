// COverriddenSettings: the user's settings with some integers replaced for
// one run (cpz5-cli --version replaces "ModelVer" of "Model"). Reads of a
// replaced value give the replacement; writes of it are kept for the run and
// never reach the user's store. Everything else reads and writes the
// underlying store, which must outlive this one.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/SettingsStore.h"

class COverriddenSettings : public CSettingsStore {
  public:
    explicit COverriddenSettings(CSettingsStore& store) : m_store(store) {}

    void Override(const std::string& section, const std::string& name, int value);

    std::optional<std::string> Text(const std::string& section,
                                    const std::string& name) const override;
    void SetText(const std::string& section, const std::string& name,
                 const std::string& text) override;

  private:
    using Key = std::pair<std::string, std::string>;

    CSettingsStore& m_store;
    std::map<Key, std::string> m_overrides;
};
