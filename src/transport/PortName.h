// CPortName: which serial device a port name means.
//
// The program names its ports "COMn" (n from 1; a trailing ":" and the case of
// "COM" do not matter). Such a name resolves, in this order, to:
//   1. the device bound to port n for this run (Bind), e.g. the virtual radio
//      of the desktop program;
//   2. the string setting "COMn" of section "CommPort", when set and not empty;
//   3. the environment variable CPZ5_COMn, when set and not empty;
//   4. /dev/ttyUSB<n-1>, the first USB serial adapter for COM1.
// A name that contains "/" is a device path and resolves to itself. Any other
// name means no device and resolves to "".
#pragma once

#include <optional>
#include <string>

#include "transport/SettingsKeys.h"

class CSettingsStore;

class CPortName {
  public:
    static constexpr const char* kEnvironmentPrefix = "CPZ5_";
    static constexpr const char* kDefaultDevicePrefix = "/dev/ttyUSB";

    // settings may be nullptr (then step 2 is skipped); it is not owned and
    // must outlive this object.
    explicit CPortName(const CSettingsStore* settings) : m_settings(settings) {}

    // The device path of name, or "" when name means no device.
    std::string Resolve(const std::string& name) const;
    // The device path of port number n ("" for 0).
    std::string ResolveNumber(unsigned number) const;

    // "COMn".
    static std::string ComName(unsigned number);
    // n of a name "COMn" (see above); nothing for any other name.
    static std::optional<unsigned> ParseComNumber(const std::string& name);

    // Binds port n to device for the rest of the run (an empty device removes
    // the binding). Bindings are shared by the whole process and guarded.
    static void Bind(unsigned number, const std::string& device);

  private:
    std::string SettingFor(unsigned number) const;

    const CSettingsStore* const m_settings;
};
