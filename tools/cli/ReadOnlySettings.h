// CReadOnlySettings: the user's settings for a command that only reads:
// reads give the user's values, and what the run writes (the document
// stores its model options when it ends) is kept in memory for the run and
// never reaches the user's store, so the settings file is neither rewritten
// nor locked. It owns the user's store.
#pragma once

#include <memory>
#include <string>

#include "platform/MemorySettingsStore.h"
#include "platform/SettingsStore.h"

class CReadOnlySettings : public CSettingsStore {
  public:
    explicit CReadOnlySettings(std::unique_ptr<CSettingsStore> store) : m_store(std::move(store)) {}

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    bool Contains(const std::string& section, const std::string& name) const override;

  private:
    const std::unique_ptr<const CSettingsStore> m_store;
    CMemorySettingsStore m_written;
};
