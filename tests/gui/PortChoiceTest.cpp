// Finding the cable: the setup window's cable list binds the chosen COM port
// to a device that exists, Refresh reads the devices again, and the COM Port
// menu names the device each port stands for.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <map>

#include "app/CommandLineInfo.h"
#include "app/Z5App.h"
#include "app/Z5MainFrame.h"
#include "platform/MemorySettingsStore.h"
#include "transport/PortName.h"
#include "ui/CommPortSetupDlg.h"
#include "ui/CommandIds.h"

namespace {

SSerialPortInfo Adapter(const std::string& device, const std::string& byId) {
    return {device, byId, "FTDI", "FT232R USB UART", "A1"};
}

TEST(PortChoice, TheCableListBindsTheChosenPortAndRefreshFindsNewCables) {
    std::map<int, std::string> bound = {{1, "/dev/ttyUSB0"}, {2, "/dev/ttyUSB1"}};
    std::vector<SSerialPortInfo> present = {{"/dev/ttyS0", "", "", "", ""}};
    CCommPortSetupDlg dialog(
        2, [&](int port) { return bound.count(port) != 0 ? bound[port] : std::string(); },
        [](int) { return false; });
    dialog.SetPortFinder([&] { return present; },
                         [&](int port, const std::string& device) { bound[port] = device; });
    QComboBox* cables = dialog.CableList();
    ASSERT_EQ(cables->count(), 1);
    EXPECT_EQ(cables->itemText(0), "onboard serial port  (/dev/ttyS0)");
    EXPECT_EQ(cables->currentIndex(), -1) << "COM2 stands for a device that is not there";

    present.insert(present.begin(), Adapter("/dev/ttyUSB1", "/dev/serial/by-id/usb-FTDI-A1"));
    dialog.findChild<QPushButton*>("Refresh")->click();
    ASSERT_EQ(cables->count(), 2);
    EXPECT_EQ(cables->currentIndex(), 0) << "COM2's /dev/ttyUSB1 was plugged in";

    auto* ports = dialog.findChild<QComboBox*>("1055");
    ports->setCurrentIndex(0);  // COM1
    EXPECT_EQ(cables->currentIndex(), -1);
    cables->setCurrentIndex(0);
    emit cables->activated(0);
    EXPECT_EQ(bound[1], "/dev/serial/by-id/usb-FTDI-A1") << "the stable name is remembered";
    EXPECT_EQ(ports->itemText(0), "COM1  (/dev/serial/by-id/usb-FTDI-A1)");
    EXPECT_EQ(dialog.SelectedPort(), 1);
}

TEST(PortChoice, TheComPortMenuNamesTheDevices) {
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyFAKE");
    QFile(device).open(QIODevice::WriteOnly);
    CMemorySettingsStore settings;
    settings.SetInt("Model", "Setup", 1);
    settings.SetString("CommPort", "COM1", device.toStdString());
    settings.SetString("CommPort", "COM2", "/nonexistent/ttyUSB7");
    CZ5App program(settings);
    ASSERT_TRUE(program.InitInstance(CCommandLineInfo({})));
    CZ5MainFrame& frame = *program.MainFrame();
    QMenu* comMenu = frame.menuBar()->actions()[3]->menu();
    emit comMenu->aboutToShow();
    EXPECT_EQ(frame.Action(Cmd::Com1)->text(), "COM&1\t" + device);
    EXPECT_EQ(frame.Action(Cmd::Com2)->text(), "COM&2\t/nonexistent/ttyUSB7  (not connected)");
}

}  // namespace
