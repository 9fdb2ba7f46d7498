#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/MemorySettingsStore.h"
#include "platform/SettingsStore.h"

class QSettings;

// The user's settings on disk: an INI file at
// $XDG_CONFIG_HOME/Brel/CP-Z5.conf (default ~/.config/Brel/CP-Z5.conf), one
// group per section, written back when the store is destroyed or Sync() is
// called. A damaged or hand-edited file never fails a read: values that are
// not what was asked give the default.
//
// A settings file that is not a regular file (a FIFO, a device, a folder)
// or is larger than kMaxFileBytes is left alone: it is neither read (nothing
// waits on a FIFO) nor written, the store starts from no values and keeps
// what is set in memory for the run, and Problem() tells the user why.
class CQtSettingsStore : public CSettingsStore {
  public:
    static constexpr long long kMaxFileBytes = 1 << 20;

    CQtSettingsStore();
    // A store on the given file (tests).
    explicit CQtSettingsStore(const std::string& path);
    ~CQtSettingsStore() override;

    std::optional<std::string> Text(const std::string& section,
                                    const std::string& name) const override;
    void SetText(const std::string& section, const std::string& name,
                 const std::string& text) override;

    // Writes pending changes to the file; false when it could not be written
    // or is left alone.
    bool Sync();

    // Why the file is left alone, as a sentence for the user, e.g. "the
    // settings file /home/u/.config/Brel/CP-Z5.conf is a FIFO, not a regular
    // file: it is neither read nor written, and this run uses the default
    // settings"; "" when the file is used.
    const std::string& Problem() const { return m_problem; }

    // The file the store reads and writes.
    std::string Path() const;

    // The default file: $XDG_CONFIG_HOME/Brel/CP-Z5.conf.
    static std::string DefaultPath();

  private:
    std::string m_path;
    std::string m_problem;
    std::unique_ptr<QSettings> m_settings;  // nullptr when the file is left alone
    CMemorySettingsStore m_memory;          // the values then
};
