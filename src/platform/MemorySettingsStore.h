#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/SettingsStore.h"

// Settings held in memory only: for tests, and for runs that must not touch
// the user's configuration. Values are kept as text, as on disk, so that an
// integer read of a non-number falls back to the default exactly as the
// on-disk store does.
class CMemorySettingsStore : public CSettingsStore {
  public:
    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    bool Contains(const std::string& section, const std::string& name) const override;

    // Removes every value.
    void Clear() { m_values.clear(); }

  private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};
