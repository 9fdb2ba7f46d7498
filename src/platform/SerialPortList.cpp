#include "platform/SerialPortList.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

struct SFamily {
    std::string_view prefix;
    bool usb;
};
// In the order they are offered.
constexpr std::array<SFamily, 3> kFamilies = {
    {{"ttyUSB", true}, {"ttyACM", true}, {"ttyS", false}}};

// A USB device directory is at most this many levels above its tty.
constexpr int kUsbSearchDepth = 6;
constexpr std::size_t kAttributeLimit = 256;

// The first line of a sysfs attribute, "" when it cannot be read.
std::string ReadAttribute(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return {};
    }
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    if (line.size() > kAttributeLimit) {
        line.resize(kAttributeLimit);
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
        line.pop_back();
    }
    return line;
}

// The family of a tty name and its number; false for other names.
bool ParseName(const std::string& name, std::size_t& family, long& number) {
    for (std::size_t index = 0; index < kFamilies.size(); ++index) {
        const std::string_view prefix = kFamilies[index].prefix;
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
            std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                        [](char c) { return c >= '0' && c <= '9'; }) &&
            name.size() - prefix.size() <= 6) {
            family = index;
            number = std::stol(name.substr(prefix.size()));
            return true;
        }
    }
    return false;
}

}  // namespace

std::string SSerialPortInfo::Description() const {
    std::string text = maker;
    if (!product.empty()) {
        text += (text.empty() ? "" : " ") + product;
    }
    if (!text.empty()) {
        return text;
    }
    return device.find("ttyS") != std::string::npos ? "onboard serial port" : "USB serial adapter";
}

CSerialPortList::CSerialPortList(std::string sysRoot, std::string devRoot)
    : m_sysRoot(std::move(sysRoot)), m_devRoot(std::move(devRoot)) {}

// An onboard port name exists for every possible UART; only those with
// a UART type other than 0 ("unknown") are real.
bool CSerialPortList::HasHardware(const std::string& name) const {
    const fs::path tty = fs::path(m_sysRoot) / "class/tty" / name;
    std::error_code error;
    if (!fs::exists(tty / "device", error)) {
        return false;
    }
    const std::string type = ReadAttribute(tty / "type");
    return !type.empty() && type != "0";
}

void CSerialPortList::ReadUsbStrings(const std::string& name, SSerialPortInfo& port) const {
    std::error_code error;
    fs::path dir = fs::canonical(fs::path(m_sysRoot) / "class/tty" / name / "device", error);
    for (int level = 0; !error && level < kUsbSearchDepth && dir.has_parent_path();
         ++level, dir = dir.parent_path()) {
        if (fs::exists(dir / "idVendor", error)) {
            port.maker = ReadAttribute(dir / "manufacturer");
            port.product = ReadAttribute(dir / "product");
            port.serial = ReadAttribute(dir / "serial");
            return;
        }
    }
}

std::string CSerialPortList::StableName(const std::string& device) const {
    std::error_code error;
    const fs::path byId = fs::path(m_devRoot) / "serial/by-id";
    const fs::path target = fs::canonical(device, error);
    if (error) {
        return {};
    }
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(byId, error)) {
        std::error_code linkError;
        if (entry.is_symlink(linkError) && fs::canonical(entry.path(), linkError) == target) {
            names.push_back(entry.path().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names.empty() ? std::string() : names.front();
}

std::vector<SSerialPortInfo> CSerialPortList::List() const {
    struct SFound {
        std::size_t family;
        long number;
        SSerialPortInfo info;
    };
    std::vector<SFound> found;
    std::error_code error;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(m_sysRoot) / "class/tty", error)) {
        const std::string name = entry.path().filename().string();
        std::size_t family = 0;
        long number = 0;
        std::error_code devError;
        const fs::path device = fs::path(m_devRoot) / name;
        if (!ParseName(name, family, number) || !fs::exists(device, devError)) {
            continue;
        }
        SSerialPortInfo info;
        info.device = device.string();
        if (kFamilies[family].usb) {
            ReadUsbStrings(name, info);
            info.stableName = StableName(info.device);
        } else if (!HasHardware(name)) {
            continue;
        }
        found.push_back({family, number, std::move(info)});
    }
    std::sort(found.begin(), found.end(), [](const SFound& a, const SFound& b) {
        return a.family != b.family ? a.family < b.family : a.number < b.number;
    });
    std::vector<SSerialPortInfo> ports;
    for (SFound& port : found) {
        ports.push_back(std::move(port.info));
    }
    return ports;
}
