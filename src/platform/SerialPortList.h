// CSerialPortList: the serial devices that exist on this machine, as the
// kernel lists them under /sys/class/tty: USB adapters (ttyUSB*, ttyACM*)
// with their maker, product and serial number and their stable name under
// /dev/serial/by-id, and onboard ports (ttyS*) that have a UART behind them.
// Consoles, pseudo-terminals and the ttyS entries without hardware are left
// out. The roots can be moved for tests.
#pragma once

#include <string>
#include <vector>

struct SSerialPortInfo {
    std::string device;      // "/dev/ttyUSB0"
    std::string stableName;  // "/dev/serial/by-id/usb-...-if00-port0", "" when none
    std::string maker;       // USB manufacturer string, "" when none
    std::string product;     // USB product string, "" when none
    std::string serial;      // USB serial number, "" when none

    // "FTDI FT232R USB UART" or "onboard serial port"; never empty.
    std::string Description() const;
    // The name to remember: the stable name when there is one.
    const std::string& PreferredName() const { return stableName.empty() ? device : stableName; }
};

class CSerialPortList {
  public:
    CSerialPortList(std::string sysRoot = "/sys", std::string devRoot = "/dev");

    // The ports in the order a user looks for a cable: USB adapters first,
    // then onboard ports, each by number.
    std::vector<SSerialPortInfo> List() const;

  private:
    bool HasHardware(const std::string& name) const;
    void ReadUsbStrings(const std::string& name, SSerialPortInfo& port) const;
    std::string StableName(const std::string& device) const;

    std::string m_sysRoot;
    std::string m_devRoot;
};
