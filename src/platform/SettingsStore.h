#pragma once

#include <optional>
#include <string>

// The per-user settings of the program: integers and strings by section and
// value name, under the maker's key "Brel". The core sees only this
// interface; the desktop program and the command-line tool hand in a store on
// the user's configuration file, tests an in-memory one.
//
// Every value is kept as text, as in the configuration file; a store says
// only how it reads and writes a text. Reads never fail: a value that is
// missing or cannot be read as the asked type gives the caller's default.
// Writes are kept by the store; when they reach the disk is the store's
// business.
class CSettingsStore {
  public:
    virtual ~CSettingsStore() = default;

    // The value as it is written; nothing when there is none.
    virtual std::optional<std::string> Text(const std::string& section,
                                            const std::string& name) const = 0;
    virtual void SetText(const std::string& section, const std::string& name,
                         const std::string& text) = 0;

    int GetInt(const std::string& section, const std::string& name, int defaultValue) const;
    void SetInt(const std::string& section, const std::string& name, int value);

    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const;
    void SetString(const std::string& section, const std::string& name, const std::string& value);

    // True when the value exists (of any type).
    bool Contains(const std::string& section, const std::string& name) const;
};
