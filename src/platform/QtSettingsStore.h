#pragma once

#include <memory>
#include <string>

#include "platform/SettingsStore.h"

class QSettings;

// The user's settings on disk: an INI file at
// $XDG_CONFIG_HOME/Brel/CP-Z5.conf (default ~/.config/Brel/CP-Z5.conf), one
// group per section, written back when the store is destroyed or Sync() is
// called. A damaged or hand-edited file never fails a read: values that are
// not what was asked give the default.
class CQtSettingsStore : public CSettingsStore {
  public:
    CQtSettingsStore();
    // A store on the given file (tests).
    explicit CQtSettingsStore(const std::string& path);
    ~CQtSettingsStore() override;

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    bool Contains(const std::string& section, const std::string& name) const override;

    // Writes pending changes to the file; false when it could not be written.
    bool Sync();

    // The file the store reads and writes.
    std::string Path() const;

    // The default file: $XDG_CONFIG_HOME/Brel/CP-Z5.conf.
    static std::string DefaultPath();

  private:
    std::unique_ptr<QSettings> m_settings;
};
