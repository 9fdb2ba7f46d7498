#include "transport/CommPort.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "transport/PortName.h"

namespace {

using Clock = std::chrono::steady_clock;

struct SBaudRate {
    unsigned rate;
    speed_t speed;
};

constexpr SBaudRate kBaudRates[] = {
    {300, B300},     {600, B600},       {1200, B1200},     {2400, B2400},
    {4800, B4800},   {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400},
};

std::optional<speed_t> SpeedOf(unsigned baudRate) {
    for (const SBaudRate& entry : kBaudRates) {
        if (entry.rate == baudRate) {
            return entry.speed;
        }
    }
    return std::nullopt;
}

// Raw 8N1: no parity, one stop bit, eight data bits, the receiver on, modem
// status lines ignored; no input or output processing, no echo, no signals,
// no flow control of any kind; reads return what is there without waiting.
void MakeRaw(termios& settings) {
    settings.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                               ICRNL | IXON | IXOFF | IXANY | INPCK);
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    settings.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CREAD | CLOCAL;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
}

bool IsDeviceGone(int error) {
    return error == EIO || error == ENXIO || error == ENODEV || error == EBADF || error == EPIPE;
}

int MillisecondsUntil(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

Clock::time_point DeadlineFor(int constant, int multiplier, std::size_t count) {
    auto total = std::chrono::milliseconds(constant) +
                 std::chrono::milliseconds(multiplier) * static_cast<long long>(count);
    return Clock::now() + total;
}

}  // namespace

CCommPort::CCommPort(CUserInterface* ui, const CSettingsStore* settings)
    : m_ui(ui), m_settings(settings) {}

CCommPort::~CCommPort() {
    CCommPort::Close();
}

bool CCommPort::Open(const std::string& name, unsigned baudRate) {
    if (IsOpen()) {
        return true;
    }
    m_portName = name;
    m_baudRate = baudRate;
    m_lineLost = false;
    m_openError = 0;
    m_handle = OpenPort(name, baudRate, kQueueSize);
    if (m_handle == kClosedHandle) {
        Close();
        return false;
    }
    return true;
}

CCommPort::Handle CCommPort::OpenPort(const std::string& name, unsigned baudRate,
                                      std::size_t /*queueSize*/) {
    m_devicePath = CPortName(m_settings).Resolve(name);
    if (m_devicePath.empty()) {
        return FailOpen(kNotOpenText, ENOENT);
    }
    Handle handle = ::open(m_devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        return FailOpen(kNotOpenText, errno);
    }
    // Nobody else may use the port while a transfer runs: the advisory lock
    // keeps out other programs that lock (and root), TIOCEXCL every other open.
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        int error = errno == EWOULDBLOCK ? EBUSY : errno;
        CloseHandle(handle);
        return FailOpen(kNotOpenText, error);
    }
    ::ioctl(handle, TIOCEXCL);
    if (!SetUpDevice(handle, baudRate)) {
        CloseHandle(handle);
        return kClosedHandle;
    }
    return handle;
}

CCommPort::Handle CCommPort::FailOpen(const char* text, int error) {
    m_openError = error;
    ReportError(text, error);
    return kClosedHandle;
}

std::string CCommPort::DescribeOpenError(const std::string& device, int error) {
    std::string text = std::strerror(error);
    struct stat status {};
    if ((error == EACCES || error == EPERM) && ::stat(device.c_str(), &status) == 0) {
        std::vector<char> buffer(16384);
        group entry{};
        group* found = nullptr;
        if (::getgrgid_r(status.st_gid, &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr && status.st_gid != 0) {
            const std::string name = found->gr_name;
            text = CTranslation::Args(
                CTranslation::Tr("CCommPort",
                                 "%1.\nThe device belongs to the group \"%2\". Join it with\n"
                                 "  sudo usermod -aG %2 $USER\nthen log out and in again"),
                {text, name});
        }
    }
    return text + ".";
}

bool CCommPort::SetUpDevice(Handle handle, unsigned baudRate) {
    termios settings{};
    if (::tcgetattr(handle, &settings) != 0) {
        m_openError = errno != 0 ? errno : ENOTTY;
        return false;  // not a terminal: silently refused
    }
    ::tcflush(handle, TCIOFLUSH);
    m_timeouts = kOpenTimeouts;
    std::optional<speed_t> speed = SpeedOf(baudRate);
    if (!speed) {
        m_openError = EINVAL;
        ReportError(kInvalidSettingText, EINVAL);
        return false;
    }
    MakeRaw(settings);
    ::cfsetispeed(&settings, *speed);
    ::cfsetospeed(&settings, *speed);
    if (::tcsetattr(handle, TCSANOW, &settings) != 0) {
        m_openError = errno;
        ReportError(kInvalidSettingText, errno);
        return false;
    }
    // DTR low, then RTS high: the cable takes its power from RTS. A
    // pseudo-terminal refuses both calls.
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    ::ioctl(handle, TIOCMBIC, &dtr);
    ::ioctl(handle, TIOCMBIS, &rts);
    return true;
}

void CCommPort::Close() {
    if (!IsOpen()) {
        return;
    }
    ::tcflush(m_handle, TCIOFLUSH);
    CloseHandle(m_handle);
    m_handle = kClosedHandle;
}

void CCommPort::CloseHandle(Handle handle) {
    if (handle == kClosedHandle) {
        return;
    }
    // The exclusive mark outlives this descriptor when someone else keeps the
    // device open (the virtual radio keeps its pseudo-terminal open).
    ::ioctl(handle, TIOCNXCL);
    ::close(handle);
}

bool CCommPort::Write(const std::uint8_t* bytes, std::size_t count) {
    if (!IsOpen()) {
        return false;
    }
    int error =
        MoveAll([&](std::size_t done) { return ::write(m_handle, bytes + done, count - done); },
                count, POLLOUT, m_timeouts.writeConstant, m_timeouts.writeMultiplier);
    return error == 0 || Fail(kWriteErrorText, error);
}

// The port is raw with neither a least count nor a time (VMIN and VTIME 0):
// a read returns at once what is waiting, so one call does it without
// asking first how much is there.
bool CCommPort::Read(std::uint8_t* buffer, std::size_t maxCount, std::size_t& bytesRead) {
    bytesRead = 0;
    if (!IsOpen()) {
        return false;
    }
    m_timeouts = kReadTimeouts;
    ssize_t count = 0;
    do {
        count = ::read(m_handle, buffer, std::min(kMaxReadCount, maxCount));
    } while (count < 0 && errno == EINTR);
    if (count < 0 && errno != EAGAIN) {
        return Fail(kReadErrorText, errno);
    }
    if (count <= 0) {
        // Nothing is waiting, or the device went away (it reads as empty
        // then): only a look at the port tells them apart.
        pollfd entry{m_handle, POLLIN, 0};
        if (::poll(&entry, 1, 0) > 0 && (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            MarkLineLost();
        }
        return false;
    }
    bytesRead = static_cast<std::size_t>(count);
    return true;
}

int CCommPort::MoveAll(const std::function<ssize_t(std::size_t done)>& move, std::size_t count,
                       short events, int constant, int multiplier) {
    auto deadline = DeadlineFor(constant, multiplier, count);
    std::size_t done = 0;
    while (done < count) {
        ssize_t n = move(done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        int error = n < 0 ? errno : EIO;  // nothing moved: the device hung up
        if (error == EINTR) {
            continue;
        }
        if (error != EAGAIN) {
            return error;
        }
        if (!WaitFor(events, MillisecondsUntil(deadline))) {
            return m_lineLost ? EIO : ETIMEDOUT;
        }
    }
    return 0;
}

bool CCommPort::Flush() {
    return IsOpen() && ::tcdrain(m_handle) == 0;
}

void CCommPort::ReportError(const std::string& text, int /*errorCode*/) {
    if (m_ui != nullptr) {
        m_ui->MessageBox(CTranslation::Tr("CCommPort", text.c_str()),
                         CTranslation::Tr("CCommPort", kErrorTitle),
                         MessageStyle::Ok | MessageStyle::IconError);
    }
}

bool CCommPort::WaitForInput(int milliseconds) {
    return IsOpen() && !m_lineLost && WaitFor(POLLIN, milliseconds);
}

bool CCommPort::WaitFor(short events, int milliseconds) {
    pollfd entry{m_handle, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&entry, 1, std::max(milliseconds, 0));
    } while (ready < 0 && errno == EINTR);
    if (ready < 0) {
        return false;
    }
    if ((entry.revents & events) != 0) {
        return true;
    }
    if ((entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        MarkLineLost();
    }
    return false;
}

bool CCommPort::Fail(const char* text, int error) {
    NoteError(error);
    ReportError(text, error);
    return false;
}

void CCommPort::NoteError(int error) {
    if (IsDeviceGone(error)) {
        MarkLineLost();
    }
}
