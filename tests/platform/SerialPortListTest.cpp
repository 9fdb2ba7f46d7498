// The serial port list on fake /sys and /dev trees laid out as the kernel and
// udev lay them out: a USB adapter (ttyUSB) and a modem-class one (ttyACM)
// with their strings and by-id names, onboard ports with and without a UART,
// a console and a pseudo-terminal that are not serial ports.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/SerialPortList.h"

namespace fs = std::filesystem;

namespace {

class SerialPortListTest : public testing::Test {
  protected:
    SerialPortListTest() {
        char pattern[] = "/tmp/cpz5-ports-XXXXXX";
        root = mkdtemp(pattern);
        sys = root / "sys";
        dev = root / "dev";
        fs::create_directories(sys / "class/tty");
        fs::create_directories(dev / "serial/by-id");
    }
    ~SerialPortListTest() override { fs::remove_all(root); }

    static void Write(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text << "\n";
    }

    // A tty whose device lies at devicePath under /sys/devices; a device
    // node for it in /dev unless noNode.
    void AddTty(const std::string& name, const std::string& devicePath, bool node = true) {
        const fs::path ttyDir = sys / "devices" / devicePath / "tty" / name;
        fs::create_directories(ttyDir);
        if (!devicePath.empty()) {
            fs::create_directory_symlink(fs::relative(sys / "devices" / devicePath, ttyDir),
                                         ttyDir / "device");
        }
        fs::create_directory_symlink(fs::relative(ttyDir, sys / "class/tty"),
                                     sys / "class/tty" / name);
        if (node) {
            Write(dev / name, "");
        }
    }

    void AddUsbDevice(const std::string& usbPath, const std::string& maker,
                      const std::string& product, const std::string& serial) {
        const fs::path dir = sys / "devices" / usbPath;
        Write(dir / "idVendor", "0403");
        Write(dir / "manufacturer", maker);
        Write(dir / "product", product);
        Write(dir / "serial", serial);
    }

    void AddById(const std::string& name, const std::string& target) {
        fs::create_symlink("../../" + target, dev / "serial/by-id" / name);
    }

    std::vector<SSerialPortInfo> List() const {
        return CSerialPortList(sys.string(), dev.string()).List();
    }

    fs::path root, sys, dev;
};

TEST_F(SerialPortListTest, ListsWhatExistsUsbFirstWithItsNames) {
    AddUsbDevice("pci0/usb1/1-2", "FTDI", "FT232R USB UART", "A10K1234");
    AddTty("ttyUSB0", "pci0/usb1/1-2/1-2:1.0/ttyUSB0");
    AddById("usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0", "ttyUSB0");
    AddUsbDevice("pci0/usb1/1-3", "Prolific Technology Inc.", "USB-Serial Controller", "");
    AddTty("ttyUSB1", "pci0/usb1/1-3/1-3:1.0/ttyUSB1");
    AddUsbDevice("pci0/usb2/2-1", "Acme", "Cable", "7");
    AddTty("ttyACM0", "pci0/usb2/2-1/2-1:1.0");
    AddById("usb-Acme_Cable_7-if00", "ttyACM0");
    AddTty("ttyS1", "platform/serial8250");
    Write(sys / "class/tty/ttyS1/type", "4");
    AddTty("ttyS0", "pnp0/00:05");
    Write(sys / "class/tty/ttyS0/type", "4");
    AddTty("ttyS2", "platform/serial8250");  // no UART behind it
    Write(sys / "class/tty/ttyS2/type", "0");
    AddTty("ttyS3", "platform/serial8250");                     // no type attribute at all
    AddTty("ttyUSB9", "pci0/usb1/1-9/1-9:1.0/ttyUSB9", false);  // gone from /dev
    AddTty("console", "");
    AddTty("pts", "");
    AddTty("ttyS", "platform/serial8250");
    AddTty("ttyUSBx", "pci0/usb1/1-2/1-2:1.0/ttyUSBx");

    const std::vector<SSerialPortInfo> ports = List();
    std::vector<std::string> lines;
    for (const SSerialPortInfo& port : ports) {
        lines.push_back(
            port.device.substr(dev.string().size()) + " | " + port.Description() + " | " +
            port.serial + " | " +
            (port.stableName.empty() ? "" : fs::path(port.stableName).filename().string()));
    }
    const std::vector<std::string> expected = {
        "/ttyUSB0 | FTDI FT232R USB UART | A10K1234 | usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0",
        "/ttyUSB1 | Prolific Technology Inc. USB-Serial Controller |  | ",
        "/ttyACM0 | Acme Cable | 7 | usb-Acme_Cable_7-if00",
        "/ttyS0 | onboard serial port |  | ",
        "/ttyS1 | onboard serial port |  | ",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(ports[0].PreferredName(), ports[0].stableName);
    EXPECT_EQ(ports[1].PreferredName(), ports[1].device);
}

TEST_F(SerialPortListTest, MissingOrOddTreesGiveNoPortsAndNoCrash) {
    EXPECT_TRUE(List().empty());
    fs::remove_all(sys);
    EXPECT_TRUE(List().empty());
    EXPECT_TRUE(CSerialPortList("/nonexistent", "/nonexistent").List().empty());
    // A USB tty without strings and a by-id folder that is a file.
    fs::create_directories(sys / "class/tty");
    AddTty("ttyUSB3", "pci0/usb1/1-4/1-4:1.0/ttyUSB3");
    fs::remove_all(dev / "serial/by-id");
    Write(dev / "serial/by-id", "not a folder");
    const std::vector<SSerialPortInfo> ports = List();
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].Description(), "USB serial adapter");
    EXPECT_EQ(ports[0].stableName, "");
}

}  // namespace
