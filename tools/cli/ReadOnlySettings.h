// CReadOnlySettings: the user's settings for a command that only reads:
// reads give the user's values, and what the run writes (the document
// stores its model options when it ends) is kept in memory for the run and
// never reaches the user's store, so the settings file is neither rewritten
// nor locked. It owns the user's store.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/MemorySettingsStore.h"
#include "platform/SettingsStore.h"

class CReadOnlySettings : public CSettingsStore {
  public:
    explicit CReadOnlySettings(std::unique_ptr<CSettingsStore> store) : m_store(std::move(store)) {}

    std::optional<std::string> Text(const std::string& section,
                                    const std::string& name) const override;
    void SetText(const std::string& section, const std::string& name,
                 const std::string& text) override;

  private:
    const std::unique_ptr<const CSettingsStore> m_store;
    CMemorySettingsStore m_written;
};
