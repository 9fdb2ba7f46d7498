// The serial port on a pseudo-terminal, and which device a port name means.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/MemorySettingsStore.h"
#include "support/ScriptedUserInterface.h"
#include "transport/CommPort.h"
#include "transport/PortName.h"

namespace {

// A bare pseudo-terminal: the test writes at the master what the port reads.
class CRawPty {
  public:
    CRawPty() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(m_master);
        unlockpt(m_master);
        m_slavePath = ptsname(m_master);
    }
    ~CRawPty() { close(m_master); }
    void Send(std::size_t count) {
        std::vector<std::uint8_t> bytes(count, 0x55);
        ASSERT_EQ(write(m_master, bytes.data(), count), static_cast<ssize_t>(count));
    }
    const std::string& SlavePath() const { return m_slavePath; }

  private:
    int m_master = -1;
    std::string m_slavePath;
};

class CommPortTest : public ::testing::Test {
  protected:
    CScriptedUserInterface m_ui;
    CMemorySettingsStore m_settings;
    CRawPty m_pty;
    CCommPort m_port{&m_ui, &m_settings};
};

TEST_F(CommPortTest, AMissingDeviceShowsNotOpenAndStaysClosed) {
    EXPECT_FALSE(m_port.Open("/nonexistent/cpz5-tty", 9600));
    EXPECT_FALSE(m_port.IsOpen());
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].text, " not Open ");
    EXPECT_EQ(m_ui.m_messages[0].title, " COM Port Error    ");
    EXPECT_EQ(m_ui.m_messages[0].style, MessageStyle::Ok | MessageStyle::IconError);
}

// Each way a port can fail to open keeps its cause, as the system names it.
TEST_F(CommPortTest, AFailedOpenKeepsItsCause) {
    char folder[] = "/tmp/cpz5-port-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/not-a-tty";
    close(open(file.c_str(), O_CREAT | O_WRONLY, 0600));
    CCommPort holder(nullptr, &m_settings);
    ASSERT_TRUE(holder.Open(m_pty.SlavePath(), 9600));

    const struct {
        std::string device;
        int error;
        const char* words;
    } cases[] = {
        {"/nonexistent/cpz5-tty", ENOENT, "No such file or directory"},
        {file, ENOTTY, "Inappropriate ioctl for device"},
        {folder, EISDIR, "Is a directory"},
        {m_pty.SlavePath(), EBUSY, "Device or resource busy"},  // held by the other port
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device);
        CCommPort port(nullptr, &m_settings);
        EXPECT_FALSE(port.Open(c.device, 9600));
        EXPECT_EQ(port.GetOpenError(), c.error);
        EXPECT_EQ(CCommPort::DescribeOpenError(c.device, c.error), std::string(c.words) + ".");
    }
    CCommPort port(nullptr, &m_settings);
    holder.Close();
    EXPECT_TRUE(port.Open(m_pty.SlavePath(), 9600));
    EXPECT_EQ(port.GetOpenError(), 0);
    unlink(file.c_str());
    rmdir(folder);
}

// Permission denied names the group that owns the device and how to join it.
TEST(CommPortError, PermissionDeniedNamesTheDevicesGroup) {
    char path[] = "/tmp/cpz5-ttyXXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    const group* owner = getuid() == 0 ? getgrnam("dialout") : getgrgid(getgid());
    if (owner == nullptr || owner->gr_gid == 0) {
        unlink(path);
        GTEST_SKIP() << "no group to give the file";
    }
    const std::string name = owner->gr_name;
    ASSERT_EQ(chown(path, static_cast<uid_t>(-1), owner->gr_gid), 0);
    const std::string text = CCommPort::DescribeOpenError(path, EACCES);
    unlink(path);
    EXPECT_EQ(text.rfind("Permission denied.", 0), 0u) << text;
    EXPECT_NE(text.find("group \"" + name + "\""), std::string::npos) << text;
    EXPECT_NE(text.find("sudo usermod -aG " + name + " $USER"), std::string::npos) << text;
    EXPECT_NE(text.find("log out and in again"), std::string::npos) << text;
}

TEST_F(CommPortTest, ARateTheLineCannotRunIsAnInvalidSetting) {
    EXPECT_FALSE(m_port.Open(m_pty.SlavePath(), 12345));
    ASSERT_EQ(m_ui.m_messages.size(), 1u);
    EXPECT_EQ(m_ui.m_messages[0].text, " invarid setting ");
    EXPECT_FALSE(m_port.IsOpen());
}

TEST_F(CommPortTest, AnOpenPortIsNotSharedAndIsFreeAgainWhenClosed) {
    ASSERT_TRUE(m_port.Open(m_pty.SlavePath(), 9600));
    EXPECT_TRUE(m_port.Open("/nonexistent/ignored", 9600));  // already open: nothing changes
    EXPECT_EQ(m_port.GetDevicePath(), m_pty.SlavePath());
    CCommPort second(&m_ui, nullptr);
    EXPECT_FALSE(second.Open(m_pty.SlavePath(), 9600));
    m_port.Close();
    EXPECT_TRUE(second.Open(m_pty.SlavePath(), 9600));
    EXPECT_EQ(m_ui.m_messages.size(), 1u);
}

TEST_F(CommPortTest, ReadWithNothingWaitingReturnsAtOnce) {
    ASSERT_TRUE(m_port.Open(m_pty.SlavePath(), 9600));
    std::uint8_t buffer[16];
    std::size_t count = 99;
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(m_port.Read(buffer, sizeof buffer, count));
    // Far below the port's 3-second read time-out.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(count, 0u);
    EXPECT_TRUE(m_ui.m_messages.empty());
}

TEST_F(CommPortTest, AReadNeverReturnsMoreThan256Bytes) {
    ASSERT_TRUE(m_port.Open(m_pty.SlavePath(), 9600));
    m_pty.Send(1000);
    ASSERT_TRUE(m_port.WaitForInput(1000));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::uint8_t buffer[4096];
    std::size_t total = 0;
    std::size_t count = 0;
    while (m_port.WaitForInput(200) && m_port.Read(buffer, sizeof buffer, count)) {
        EXPECT_LE(count, 256u);
        total += count;
    }
    EXPECT_EQ(total, 1000u);
    m_pty.Send(10);
    ASSERT_TRUE(m_port.WaitForInput(1000));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(m_port.Read(buffer, 4, count));
    EXPECT_EQ(count, 4u);  // and never more than asked for
}

TEST_F(CommPortTest, WritesReachTheOtherSide) {
    ASSERT_TRUE(m_port.Open(m_pty.SlavePath(), 9600));
    const std::uint8_t frame[] = {0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x0A, 0x0D, 0x11, 0x13, 0xFD};
    EXPECT_TRUE(m_port.Write(frame, sizeof frame));
    EXPECT_TRUE(m_port.Flush());
}

TEST(PortName, ComNumbersResolveByBindingSettingEnvironmentThenDefault) {
    CMemorySettingsStore settings;
    CPortName names(&settings);
    unsetenv("CPZ5_COM3");
    EXPECT_EQ(names.Resolve("COM3"), "/dev/ttyUSB2");
    setenv("CPZ5_COM3", "/dev/from-environment", 1);
    EXPECT_EQ(names.Resolve("com3:"), "/dev/from-environment");
    settings.SetString("CommPort", "COM3", "/dev/from-settings");
    EXPECT_EQ(names.Resolve("COM3"), "/dev/from-settings");
    CPortName::Bind(3, "/dev/bound");
    EXPECT_EQ(names.Resolve("COM3"), "/dev/bound");
    EXPECT_EQ(CPortName(nullptr).ResolveNumber(3), "/dev/bound");
    CPortName::Bind(3, "");
    EXPECT_EQ(CPortName(nullptr).Resolve("COM3"), "/dev/from-environment");
    unsetenv("CPZ5_COM3");
}

TEST(PortName, PathsAreThemselvesAndOtherNamesMeanNoDevice) {
    CPortName names(nullptr);
    const std::pair<const char*, const char*> cases[] = {
        {"/dev/pts/4", "/dev/pts/4"},
        {"./tty", "./tty"},
        {"COM1:", "/dev/ttyUSB0"},
        {"COM12", "/dev/ttyUSB11"},
        {"COM0", ""},
        {"COM", ""},
        {"COM1x", ""},
        {"ttyUSB0", ""},
        {"COM99999999999", ""},
    };
    for (const auto& [name, device] : cases) {
        EXPECT_EQ(names.Resolve(name), device) << name;
    }
}

}  // namespace
