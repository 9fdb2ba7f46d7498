#include "transport/PortName.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/SettingsStore.h"

namespace {

std::mutex& BindingsMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<unsigned, std::string>& Bindings() {
    static std::map<unsigned, std::string> bindings;
    return bindings;
}

std::string BoundDevice(unsigned number) {
    std::lock_guard<std::mutex> lock(BindingsMutex());
    auto it = Bindings().find(number);
    return it == Bindings().end() ? std::string() : it->second;
}

std::string EnvironmentFor(unsigned number) {
    std::string variable = CPortName::kEnvironmentPrefix + CPortName::ComName(number);
    const char* value = std::getenv(variable.c_str());
    return value == nullptr ? std::string() : std::string(value);
}

bool StartsWithComIgnoringCase(const std::string& name) {
    static const char kCom[] = "COM";
    if (name.size() < 3) {
        return false;
    }
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != kCom[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string CPortName::ComName(unsigned number) {
    return "COM" + std::to_string(number);
}

std::optional<unsigned> CPortName::ParseComNumber(const std::string& name) {
    if (!StartsWithComIgnoringCase(name)) {
        return std::nullopt;
    }
    std::string digits = name.substr(3);
    if (!digits.empty() && digits.back() == ':') {
        digits.pop_back();
    }
    unsigned number = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, number);
    if (digits.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    if (number == 0) {
        return std::nullopt;
    }
    return number;
}

void CPortName::Bind(unsigned number, const std::string& device) {
    std::lock_guard<std::mutex> lock(BindingsMutex());
    if (device.empty()) {
        Bindings().erase(number);
    } else {
        Bindings()[number] = device;
    }
}

std::string CPortName::SettingFor(unsigned number) const {
    if (m_settings == nullptr) {
        return {};
    }
    return SettingsKey::ReadText(*m_settings, SettingsKey::kComDevice, static_cast<int>(number));
}

std::string CPortName::ResolveNumber(unsigned number) const {
    if (number == 0) {
        return {};
    }
    for (const std::string& candidate :
         {BoundDevice(number), SettingFor(number), EnvironmentFor(number)}) {
        if (!candidate.empty()) {
            return candidate;
        }
    }
    return kDefaultDevicePrefix + std::to_string(number - 1);
}

std::string CPortName::Resolve(const std::string& name) const {
    if (name.find('/') != std::string::npos) {
        return name;
    }
    std::optional<unsigned> number = ParseComNumber(name);
    return number ? ResolveNumber(*number) : std::string();
}
