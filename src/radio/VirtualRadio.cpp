#include "radio/VirtualRadio.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kReadChunk = 4096;
// Paced bytes leave in bursts of this much line time, as a USB serial adapter
// hands them on, rather than a wake-up of the radio for every byte.
constexpr std::chrono::milliseconds kOutputBurst{8};
constexpr std::size_t kNameLength = 256;

void CloseDescriptor(int& descriptor) {
    if (descriptor >= 0) {
        ::close(descriptor);
        descriptor = -1;
    }
}

timespec TimespecUntil(COutputPacer::Clock::time_point due) {
    auto left =
        std::chrono::duration_cast<std::chrono::nanoseconds>(due - COutputPacer::Clock::now());
    long long nanoseconds = std::max<long long>(left.count(), 0);
    constexpr long long kPerSecond = 1000000000;
    return timespec{static_cast<time_t>(nanoseconds / kPerSecond),
                    static_cast<long>(nanoseconds % kPerSecond)};
}

}  // namespace

CVirtualRadio::CVirtualRadio(const CImageBuffer& memory, const SConfig& config)
    : m_protocol(memory, config.optionByte, config.fault, config.bytesPerFrame),
      m_pacer(config.baudRate) {}

CVirtualRadio::~CVirtualRadio() {
    Stop();
}

bool CVirtualRadio::Start() {
    if (!OpenTerminal()) {
        CloseTerminal();
        return false;
    }
    m_thread = std::thread([this] { Run(); });
    return true;
}

bool CVirtualRadio::Fail(const std::string& what) {
    m_error = what + ": " + std::strerror(errno);
    return false;
}

bool CVirtualRadio::OpenTerminal() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        return Fail("cannot open a pseudo-terminal");
    }
    char name[kNameLength] = {};
    if (::ptsname_r(m_master, name, sizeof name) != 0) {
        return Fail("cannot name the pseudo-terminal");
    }
    m_slavePath = name;
    // Held open for the radio's whole life: the terminal then survives the
    // program closing and reopening its port.
    m_slaveKeeper = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_slaveKeeper < 0) {
        return Fail("cannot open " + m_slavePath);
    }
    termios settings{};
    if (::tcgetattr(m_slaveKeeper, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(m_slaveKeeper, TCSANOW, &settings);
    }
    if (::fcntl(m_master, F_SETFL, O_NONBLOCK) != 0) {
        return Fail("cannot set up the pseudo-terminal");
    }
    m_wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wake < 0) {
        return Fail("cannot create an event");
    }
    return true;
}

void CVirtualRadio::Stop() {
    if (m_thread.joinable()) {
        m_stopping = true;
        std::uint64_t one = 1;
        ssize_t written = ::write(m_wake, &one, sizeof one);
        (void)written;
        m_thread.join();
    }
    CloseTerminal();
}

void CVirtualRadio::CloseTerminal() {
    CloseDescriptor(m_master);
    CloseDescriptor(m_slaveKeeper);
    CloseDescriptor(m_wake);
}

CImageBuffer CVirtualRadio::GetMemory() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_protocol.Memory();
}

void CVirtualRadio::SetMemory(const CImageBuffer& memory) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_protocol.SetMemory(memory);
}

CRadioProtocol::SCounters CVirtualRadio::Counters() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_protocol.Counters();
}

void CVirtualRadio::Run() {
    std::vector<std::uint8_t> unsent;
    while (!m_stopping) {
        if (unsent.empty()) {
            m_pacer.TakeDue(COutputPacer::Clock::now(), unsent);
        }
        SendOutput(unsent);
        WaitForLine(!unsent.empty());
    }
}

void CVirtualRadio::WaitForLine(bool haveUnsent) {
    pollfd entries[2] = {
        {m_master, static_cast<short>(POLLIN | (haveUnsent ? POLLOUT : 0)), 0},
        {m_wake, POLLIN, 0},
    };
    timespec timeout{};
    timespec* wait = nullptr;  // nothing to send: wait for the computer
    std::optional<COutputPacer::Clock::time_point> due = m_pacer.NextBurst(kOutputBurst);
    if (!haveUnsent && due) {
        timeout = TimespecUntil(*due);
        wait = &timeout;
    }
    if (::ppoll(entries, 2, wait, nullptr) <= 0 || entries[1].revents != 0) {
        return;
    }
    if ((entries[0].revents & POLLIN) != 0) {
        TakeInput();
    }
}

void CVirtualRadio::TakeInput() {
    std::uint8_t buffer[kReadChunk];
    ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count <= 0) {
        return;
    }
    std::vector<std::uint8_t> line;
    CImageBuffer written(0);
    bool memoryChanged = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        unsigned writesBefore = m_protocol.Counters().writesCompleted;
        for (ssize_t i = 0; i < count; ++i) {
            m_protocol.Receive(buffer[i], line);
        }
        memoryChanged = m_protocol.Counters().writesCompleted != writesBefore;
        if (memoryChanged && m_writeCallback) {
            written = m_protocol.Memory();
        }
    }
    m_pacer.Enqueue(line, COutputPacer::Clock::now());
    if (memoryChanged && m_writeCallback) {
        m_writeCallback(written);
    }
}

void CVirtualRadio::SendOutput(std::vector<std::uint8_t>& unsent) {
    if (unsent.empty()) {
        return;
    }
    ssize_t written = ::write(m_master, unsent.data(), unsent.size());
    if (written > 0) {
        unsent.erase(unsent.begin(), unsent.begin() + written);
        m_bytesSent += static_cast<std::uint64_t>(written);
    }
}
