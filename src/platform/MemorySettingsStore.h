#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/SettingsStore.h"

// Settings held in memory only: for tests, and for runs that must not touch
// the user's configuration. Values are kept as text, as on disk, so that an
// integer read of a non-number falls back to the default exactly as the
// on-disk store does.
class CMemorySettingsStore : public CSettingsStore {
  public:
    std::optional<std::string> Text(const std::string& section,
                                    const std::string& name) const override;
    void SetText(const std::string& section, const std::string& name,
                 const std::string& text) override;

    // Removes every value.
    void Clear() { m_values.clear(); }

  private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};
