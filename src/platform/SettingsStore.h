#pragma once

#include <string>

// The per-user settings of the program: integers and strings by section and
// value name, under the maker's key "Brel". The core sees only this
// interface; the desktop program and the command-line tool hand in a store on
// the user's configuration file, tests an in-memory one.
//
// Reads never fail: a value that is missing or cannot be read as the asked
// type gives the caller's default. Writes are kept by the store; when they
// reach the disk is the store's business.
class CSettingsStore {
  public:
    virtual ~CSettingsStore() = default;

    virtual int GetInt(const std::string& section, const std::string& name,
                       int defaultValue) const = 0;
    virtual void SetInt(const std::string& section, const std::string& name, int value) = 0;

    virtual std::string GetString(const std::string& section, const std::string& name,
                                  const std::string& defaultValue) const = 0;
    virtual void SetString(const std::string& section, const std::string& name,
                           const std::string& value) = 0;

    // True when the value exists (of any type).
    virtual bool Contains(const std::string& section, const std::string& name) const = 0;
};
