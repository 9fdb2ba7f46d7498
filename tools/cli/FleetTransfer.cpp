#include "FleetTransfer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>

#include "CliExit.h"
#include "CliSession.h"
#include "clone/CloneDocument.h"
#include "clone/CloneManager.h"
#include "clone/CloneRsIoManager.h"
#include "clone/ModelInfo.h"
#include "clone/ReadHistory.h"
#include "clone/Z5CloneFileIoManager.h"
#include "document/Z5Doc.h"
#include "platform/FileCleanup.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "transport/CloneResult.h"
#include "transport/CloneRsEngine.h"

namespace fs = std::filesystem;

namespace FleetTransfer {

namespace {

using Transfer = CCloneRsIoManager;

// The most radios at once: two hubs of 32 adapters. The system's limits lie
// beyond it (see DescriptorShortage).
constexpr std::size_t kMaxPorts = 64;
// The descriptors of the tool and of a port's process besides the ports'
// pipes: the standard ones, the start gate, the port, temporary and settings
// files, and room to spare.
constexpr std::size_t kOwnDescriptors = 32;

// Writes all of text to fd; false when it cannot (a pipe or terminal gone).
bool WriteAll(int fd, std::string_view text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// ---- stop signals -----------------------------------------------------------

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The stop signal that reached this process while the ports run; 0 while
// none did. The tool's and every port's process have their own.
volatile sig_atomic_t g_stopSignal = 0;

void NoteStop(int signal) {
    g_stopSignal = signal;
}

bool Stopped() {
    return g_stopSignal != 0;
}

// While it lives, a stop signal (SIGINT, SIGTERM, SIGHUP) is noted instead of
// ending the process at once; a signal that is ignored (SIGHUP under nohup)
// stays ignored. The ports' processes forked meanwhile inherit it, so that a
// port's transfer ends as Cancel ends it. The tool passes the signal on to
// them, waits for them and then ends by it (EndBy) through the action that
// was there before, which removes the tool's temporary files.
class CStopSignals {
  public:
    CStopSignals() {
        for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
            ::sigaction(kStopSignals[i], nullptr, &m_old[i]);
            if (m_old[i].sa_handler != SIG_IGN) {
                struct sigaction action {};
                action.sa_handler = NoteStop;
                ::sigemptyset(&action.sa_mask);
                ::sigaction(kStopSignals[i], &action, nullptr);
            }
        }
    }
    ~CStopSignals() { Restore(); }
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;

    [[noreturn]] void EndBy(int signal) {
        Restore();
        ::raise(signal);
        ::_exit(128 + signal);  // an action before ours that did not end the process
    }

  private:
    void Restore() {
        for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
            ::sigaction(kStopSignals[i], &m_old[i], nullptr);
        }
    }

    struct sigaction m_old[std::size(kStopSignals)]{};
};

// The user interface of the document the ports share. While the tool
// prepares the document, messages go to the tool's own interface; in a
// port's process everything goes down the pipe to the tool, one line each:
// "P 45" progress, "C caption" what it does now, "M text" a message,
// "I identity", "W cause" why the port could not be opened.
class CPortUserInterface : public CUserInterface {
  public:
    explicit CPortUserInterface(CUserInterface& tool) : m_tool(tool) {}

    void SendTo(int fd) { m_fd = fd; }

    void Send(char kind, const std::string& text) {
        std::string line = std::string(1, kind) + " ";
        for (char c : text) {
            line += c == '\n' ? ' ' : c;
        }
        line += '\n';
        if (m_fd >= 0) {
            WriteAll(m_fd, line);
        }
    }

    // The tool asked once for all radios: every question is answered yes.
    int MessageBox(const std::string& text, const std::string& title, unsigned style) override {
        if (m_fd < 0) {
            return m_tool.MessageBox(text, title, style);
        }
        Send('M', text);
        const unsigned buttons = style & MessageStyle::ButtonMask;
        return buttons == MessageStyle::YesNo || buttons == MessageStyle::YesNoCancel ? IDYES
                                                                                      : IDOK;
    }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    void SetStatusText(const std::string& text) override {
        if (m_fd < 0) {
            m_tool.SetStatusText(text);
            return;
        }
        Send('C', text);
    }
    void OpenProgress(const std::string& caption) override { Send('C', caption); }
    void SetProgress(int percent) override {
        if (percent != m_percent) {
            m_percent = percent;
            Send('P', std::to_string(percent));
        }
    }
    // A stopped port's process cancels what it runs.
    bool IsProgressCancelled() override { return Stopped(); }
    void CloseProgress() override {}
    void Beep(EBeep) override {}
    void ShowRadioInformation(const std::string&, const std::string&) override {}

  private:
    CUserInterface& m_tool;
    int m_fd = -1;
    int m_percent = -1;
};

// The document every port's process starts from: built, and for a write
// loaded, once by the tool before the processes are forked.
struct SFleetDocument {
    CPortUserInterface ui;
    CZ5Doc document;

    explicit SFleetDocument(CCliSession& session)
        : ui(session.UserInterface()), document(session.Settings(), ui) {
        document.EnableReadHistory(CReadHistory::DefaultFolder());
    }
};

struct SPort {
    std::string name;
    std::string target;  // the file to read into
    bool duplicate = false;
    pid_t pid = -1;
    int fd = -1;
    int percent = 0;
    std::string doing;
    std::string identity;
    std::string message;
    std::string cause;    // why the port could not be opened
    std::string pending;  // a line not yet complete
    int status = -1;
};

// The same device however it is written.
std::string Canonical(const std::string& port) {
    std::error_code error;
    const fs::path path =
        port.find('/') != std::string::npos ? fs::weakly_canonical(port, error) : fs::path();
    return error || path.empty() ? port : path.string();
}

// Why a port could not be opened, in a few words, by the system's error.
struct SOpenCause {
    int error;
    const char* cause;
};
constexpr SOpenCause kOpenCauses[] = {
    {ENOENT, QT_TRANSLATE_NOOP("FleetTransfer", "no such device")},
    {ENODEV, QT_TRANSLATE_NOOP("FleetTransfer", "no such device")},
    {ENXIO, QT_TRANSLATE_NOOP("FleetTransfer", "no such device")},
    {EBUSY, QT_TRANSLATE_NOOP("FleetTransfer", "busy: another program uses it")},
    {ENOTTY, QT_TRANSLATE_NOOP("FleetTransfer", "not a serial device")},
    {EISDIR, QT_TRANSLATE_NOOP("FleetTransfer", "a folder, not a serial device")},
    {EACCES, QT_TRANSLATE_NOOP("FleetTransfer", "no permission to use it")},
    {EPERM, QT_TRANSLATE_NOOP("FleetTransfer", "no permission to use it")},
};

std::string OpenCause(int error) {
    for (const SOpenCause& known : kOpenCauses) {
        if (known.error == error) {
            return CTranslation::Tr("FleetTransfer", known.cause);
        }
    }
    return std::strerror(error);
}

// Runs in the port's own process; the result becomes its exit status.
int RunPort(CCliSession& session, EJob job, const SPort& port, SFleetDocument& fleet) {
    const std::optional<unsigned> number = session.PortNumberOf(port.name);
    if (!number) {
        fleet.ui.Send(
            'M', CTranslation::Args(
                     CTranslation::Tr("FleetTransfer", "%1 is no port (COMn or a device path)"),
                     {port.name}));
        return CliExit::kUsage;
    }
    if (Stopped()) {
        return ExitStatusOf(ECloneResult::Cancelled);
    }
    CZ5Doc& document = fleet.document;
    document.OnComPort(*number);
    const ECloneResult result =
        job == EJob::Write ? document.OnCloneWrite() : document.OnCloneRead();
    auto* transfer = dynamic_cast<Transfer*>(document.GetCloneManager().GetSerialTransfer());
    if (transfer != nullptr) {
        fleet.ui.Send('I', transfer->GetRadioInfo()->GetText());
        if (result == ECloneResult::PortNotOpened && transfer->GetEngine().GetOpenError() != 0) {
            fleet.ui.Send('W', OpenCause(transfer->GetEngine().GetOpenError()));
        }
    }
    if (job == EJob::Read && result == ECloneResult::Success) {
        const CDocument::SFileResult saved = document.SaveFile(port.target);
        if (!saved.ok) {
            fleet.ui.Send('M', port.target + ": " + saved.message);
            return CliExit::kFileError;
        }
    }
    return ExitStatusOf(result);
}

// Holds every port's process before it touches its radio until the
// processes of all ports run: then all go at once. When one could not be
// started, or the tool was stopped meanwhile (or ended), none goes and each
// ends at once: a fleet never starts in part.
class CStartGate {
  public:
    CStartGate() {
        if (::pipe(m_fds) != 0) {
            m_error = errno;
            m_fds[0] = m_fds[1] = -1;
        }
    }
    ~CStartGate() { LetNoneGo(); }
    CStartGate(const CStartGate&) = delete;
    CStartGate& operator=(const CStartGate&) = delete;

    // "" when the gate could be made, else why not.
    std::string Error() const { return m_error != 0 ? std::strerror(m_error) : ""; }

    // In a port's process: true once the tool lets it go.
    bool WaitForGo() {
        Close(m_fds[1]);
        char go = 0;
        for (;;) {
            const ssize_t count = ::read(m_fds[0], &go, 1);
            if (count == 1) {
                return !Stopped();
            }
            if (count == 0 || errno != EINTR || Stopped()) {
                return false;
            }
        }
    }

    // In the tool: lets the processes of count ports go (a byte each; at most
    // kMaxPorts bytes, which a pipe takes in one write).
    void LetGo(std::size_t count) {
        if (m_fds[1] >= 0) {
            WriteAll(m_fds[1], std::string(count, 'g'));
        }
        LetNoneGo();
    }
    void LetNoneGo() {
        Close(m_fds[0]);
        Close(m_fds[1]);
    }

  private:
    static void Close(int& fd) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }

    int m_fds[2];
    int m_error = 0;
};

// The port's process ends without taking the document apart: that would
// only copy the pages it shares with the tool. Its temporary files go.
[[noreturn]] void RunPortProcess(CCliSession& session, EJob job, const SPort& port,
                                 SFleetDocument& fleet, int fd, CStartGate& gate) {
    // The tool shows what the port does; nothing of the process reaches
    // the terminal on its own, and nothing is asked there.
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    // A tool that is gone (killed) must not end a transfer in its middle:
    // the process finishes it, and what it sends down the pipe is lost.
    ::signal(SIGPIPE, SIG_IGN);
    int result = ExitStatusOf(ECloneResult::Cancelled);
    if (gate.WaitForGo()) {
        fleet.ui.SendTo(fd);
        result = RunPort(session, job, port, fleet);
    }
    fleet.document.RemoveTempFiles();
    ::_exit(result & 0xFF);
}

// Starts the port's process, held at the gate; false (errno saying why)
// when the system refuses a pipe or a process.
bool Start(CCliSession& session, EJob job, SPort& port, SFleetDocument& fleet, CStartGate& gate) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return false;
    }
    std::cout.flush();
    std::cerr.flush();
    pid_t pid = -1;
    {
        // A stop signal before the process has temporary files of its own
        // would remove the tool's.
        CFileCleanup::CSignalsHeld held;
        pid = ::fork();
        if (pid == 0) {
            fleet.document.RenewTempFiles();
        }
    }
    if (pid < 0) {
        const int error = errno;
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        errno = error;
        return false;
    }
    if (pid == 0) {
        ::close(pipeFds[0]);
        RunPortProcess(session, job, port, fleet, pipeFds[1], gate);
    }
    ::close(pipeFds[1]);
    port.pid = pid;
    port.fd = pipeFds[0];
    return true;
}

// Starts the processes of all ports, held at the gate; "" when every one
// runs, else why not.
std::string StartAll(CCliSession& session, EJob job, std::vector<SPort>& ports,
                     SFleetDocument& fleet, CStartGate& gate) {
    if (!gate.Error().empty()) {
        return CTranslation::Args(CTranslation::Tr("FleetTransfer", "no pipe for the start (%1)"),
                                  {gate.Error()});
    }
    for (std::size_t started = 0; started < ports.size() && !Stopped(); ++started) {
        if (!Start(session, job, ports[started], fleet, gate)) {
            const std::string cause = std::strerror(errno);
            return CTranslation::Args(
                CTranslation::Tr("FleetTransfer",
                                 "the processes of only %1 of the %2 ports could be started (%3)"),
                {std::to_string(started), std::to_string(ports.size()), cause});
        }
    }
    return "";
}

// Waits for the processes that were started and let none go.
void EndHeldProcesses(std::vector<SPort>& ports) {
    for (SPort& port : ports) {
        if (port.pid > 0) {
            int raw = 0;
            ::waitpid(port.pid, &raw, 0);
        }
        if (port.fd >= 0) {
            ::close(port.fd);
        }
        port.pid = -1;
        port.fd = -1;
    }
}

// The identity text as it can be shown: printable characters, trimmed.
std::string Printable(const std::string& text) {
    std::string shown;
    for (unsigned char c : text) {
        shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : ' ';
    }
    const std::size_t first = shown.find_first_not_of(' ');
    return first == std::string::npos
               ? ""
               : shown.substr(first, shown.find_last_not_of(' ') - first + 1);
}

void TakeLine(SPort& port, const std::string& line) {
    if (line.size() < 2) {
        return;
    }
    const std::string text = line.substr(2);
    switch (line[0]) {
        case 'P':
            port.percent = std::atoi(text.c_str());
            break;
        case 'C':
            port.doing = text;
            break;
        case 'M':
            port.message = text;
            break;
        case 'I':
            port.identity = Printable(text);
            break;
        case 'W':
            port.cause = text;
            break;
        default:
            break;
    }
}

// Reads what is there; false at the end of the port's output.
bool Drain(SPort& port) {
    char buffer[512];
    const ssize_t count = ::read(port.fd, buffer, sizeof buffer);
    if (count <= 0) {
        return false;
    }
    port.pending.append(buffer, static_cast<std::size_t>(count));
    for (std::size_t end = port.pending.find('\n'); end != std::string::npos;
         end = port.pending.find('\n')) {
        TakeLine(port, port.pending.substr(0, end));
        port.pending.erase(0, end + 1);
    }
    return true;
}

// One line of progress per port on a terminal, drawn over the lines drawn
// before: the whole picture in one write and only when it changed, no line
// as wide as the terminal (nothing wraps), never more lines than the
// terminal has rows (nothing scrolls away). When the ports do not fit, the
// last line counts those not shown.
class CProgressLines {
  public:
    explicit CProgressLines(int fd) : m_fd(fd), m_shown(::isatty(fd) != 0) {}

    void Draw(const std::vector<SPort>& ports) {
        if (!m_shown) {
            return;
        }
        winsize size{};
        const bool known = ::ioctl(m_fd, TIOCGWINSZ, &size) == 0;
        const std::size_t rows = known && size.ws_row > 2 ? size.ws_row : kDefaultRows;
        const std::size_t columns = known && size.ws_col > 8 ? size.ws_col : kDefaultColumns;
        const std::vector<std::string> lines = Lines(ports, rows - 1, columns - 1);
        if (lines == m_drawn) {
            return;
        }
        std::string picture;
        if (!m_drawn.empty()) {
            picture += "\x1b[" + std::to_string(m_drawn.size()) + "A";
        }
        for (const std::string& line : lines) {
            picture += "\r" + line + "\x1b[K\n";
        }
        if (lines.size() < m_drawn.size()) {
            picture += "\x1b[J";
        }
        WriteAll(m_fd, picture);
        m_drawn = lines;
    }

  private:
    static constexpr std::size_t kDefaultRows = 24;
    static constexpr std::size_t kDefaultColumns = 80;
    static constexpr std::size_t kLongestName = 24;
    static constexpr std::size_t kLongestBar = 20;
    static constexpr std::size_t kShortestBar = 5;
    // Around the bar: the space after the name, the brackets, the
    // percentage and a few words of what the port does.
    static constexpr std::size_t kAroundBar = 1 + 3 + 5 + 12;

    static std::vector<std::string> Lines(const std::vector<SPort>& ports, std::size_t rows,
                                          std::size_t width) {
        // The name takes at most a third of the line, the bar what the
        // name, the percentage and a few words of what the port does leave.
        std::size_t nameWidth = 4;
        for (const SPort& port : ports) {
            nameWidth = std::max(nameWidth, CTerminalText::Width(port.name));
        }
        nameWidth = std::min({nameWidth, kLongestName, std::max<std::size_t>(width / 3, 8)});
        const std::size_t rest =
            width > nameWidth + kAroundBar ? width - nameWidth - kAroundBar : 0;
        const std::size_t bar = std::clamp<std::size_t>(rest, kShortestBar, kLongestBar);
        const std::size_t shown = ports.size() <= rows ? ports.size() : rows - 1;
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < shown; ++i) {
            lines.push_back(CTerminalText::Cut(LineOf(ports[i], nameWidth, bar), width));
        }
        if (shown < ports.size()) {
            const auto done =
                std::count_if(ports.begin() + static_cast<std::ptrdiff_t>(shown), ports.end(),
                              [](const SPort& port) { return port.fd < 0; });
            lines.push_back(CTerminalText::Cut(
                CTranslation::Args(
                    CTranslation::Tr("FleetTransfer", "... and %1 more ports, %2 of them done"),
                    {std::to_string(ports.size() - shown), std::to_string(done)}),
                width));
        }
        return lines;
    }

    static std::string LineOf(const SPort& port, std::size_t nameWidth, std::size_t bar) {
        const std::string name = CTerminalText::Cut(port.name, nameWidth);
        const int percent = std::clamp(port.percent, 0, 100);
        const std::size_t filled = static_cast<std::size_t>(percent) * bar / 100;
        char number[8];
        std::snprintf(number, sizeof number, "%3d%% ", percent);
        return CTerminalText::Padded(name, nameWidth + 1) + '[' + std::string(filled, '#') +
               std::string(bar - filled, ' ') + "] " + number +
               (port.duplicate ? CTranslation::Tr("FleetTransfer", "given twice") : port.doing);
    }

    const int m_fd;
    const bool m_shown;
    std::vector<std::string> m_drawn;
};

// The ports' lines gather in the pipes between two looks of the tool; the
// progress is drawn again at most every kDrawInterval.
constexpr std::chrono::milliseconds kGatherTime{100};
constexpr std::chrono::milliseconds kDrawInterval{200};

// Every port's process that was started gets the tool's stop signal.
void PassOnStop(const std::vector<SPort>& ports) {
    for (const SPort& port : ports) {
        if (port.pid > 0) {
            ::kill(port.pid, g_stopSignal);
        }
    }
}

// Follows the ports' processes to their ends. Once the tool was stopped it
// passes the signal on and draws no more: the terminal may be gone.
void Watch(std::vector<SPort>& ports, CProgressLines& lines) {
    using Clock = std::chrono::steady_clock;
    auto lastDraw = Clock::now() - std::chrono::seconds(1);
    bool passedOn = false;
    for (;;) {
        if (Stopped() && !passedOn) {
            PassOnStop(ports);
            passedOn = true;
        }
        std::vector<pollfd> fds;
        std::vector<SPort*> owners;
        for (SPort& port : ports) {
            if (port.fd >= 0) {
                fds.push_back({port.fd, POLLIN, 0});
                owners.push_back(&port);
            }
        }
        if (fds.empty()) {
            break;
        }
        ::poll(fds.data(), fds.size(), 200);
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0 && !Drain(*owners[i])) {
                ::close(owners[i]->fd);
                owners[i]->fd = -1;
            }
        }
        if (!Stopped() && Clock::now() - lastDraw >= kDrawInterval) {
            lines.Draw(ports);
            lastDraw = Clock::now();
        }
        // The tool wakes a few times a second rather than for every line.
        std::this_thread::sleep_for(kGatherTime);
    }
    for (SPort& port : ports) {
        int raw = 0;
        if (port.pid > 0 && ::waitpid(port.pid, &raw, 0) == port.pid) {
            port.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : ExitStatusOf(ECloneResult::Failure);
            port.percent = port.status == 0 ? 100 : port.percent;
        }
    }
    if (!Stopped()) {
        lines.Draw(ports);
    }
}

std::string ResultText(const SPort& port) {
    static const std::map<int, const char*> kTexts = {
        {CliExit::kFileError, QT_TRANSLATE_NOOP("FleetTransfer", "clone file error")},
        {CliExit::kUsage, QT_TRANSLATE_NOOP("FleetTransfer", "not a port")},
    };
    auto text = kTexts.find(port.status);
    const std::optional<ECloneResult> transfer = CloneResultOfExitStatus(port.status);
    std::string result =
        text != kTexts.end() ? CTranslation::Tr("FleetTransfer", text->second)
        : transfer           ? CTranslation::Tr("CloneResult",
                                                std::string(CloneResultTexts(*transfer).summary).c_str())
                             : CTranslation::Tr("CloneResult", "failed");
    if (!port.cause.empty()) {
        result += ": " + port.cause;
    }
    result += " (" + std::to_string(port.status) + ")";
    return port.duplicate
               ? CTranslation::Args(CTranslation::Tr("FleetTransfer", "%1; given twice, done once"),
                                    {result})
               : result;
}

void PrintSummary(const std::vector<SPort>& ports) {
    const std::string portTitle = CTranslation::Tr("FleetTransfer", "PORT");
    const std::string radioTitle = CTranslation::Tr("FleetTransfer", "RADIO");
    // A column is as wide as its title (in the reader's language) or its
    // widest row.
    std::size_t portWidth = CTerminalText::Width(portTitle);
    std::size_t radioWidth = CTerminalText::Width(radioTitle);
    for (const SPort& port : ports) {
        portWidth = std::max(portWidth, CTerminalText::Width(port.name));
        radioWidth = std::max(radioWidth, CTerminalText::Width(port.identity));
    }
    const auto row = [&](const std::string& port, const std::string& radio,
                         const std::string& result) {
        std::cout << CTerminalText::Padded(port, portWidth + 2)
                  << CTerminalText::Padded(radio, radioWidth + 2) << result << '\n';
    };
    row(portTitle, radioTitle, CTranslation::Tr("FleetTransfer", "RESULT"));
    for (const SPort& port : ports) {
        row(port.name, port.identity.empty() ? "-" : port.identity, ResultText(port));
    }
    // The row says why a port could not be opened; other failures may have
    // more to say.
    for (const SPort& port : ports) {
        if (port.status != 0 && port.cause.empty() && !port.message.empty()) {
            std::cout << port.name << ": " << port.message << '\n';
        }
    }
    std::cout.flush();
}

std::string TargetFile(const std::string& directory, const std::string& port,
                       std::map<std::string, int>& used) {
    // "/dev/ttyUSB0" gives ttyUSB0.cz5, "/dev/pts/3" pts-3.cz5.
    std::string stem = port.rfind("/dev/", 0) == 0 ? port.substr(5) : port;
    for (char& c : stem) {
        c = c == '/' ? '-' : c;
    }
    stem = stem.empty() || stem.find_first_not_of("-.") == std::string::npos ? "radio" : stem;
    const int n = ++used[stem];
    return directory + "/" + stem + (n > 1 ? "-" + std::to_string(n) : "") +
           CZ5CloneFileIoManager::kFileExtension;
}

bool Confirm(CCliSession& session, EJob job, std::size_t radios) {
    if (job != EJob::Write) {
        return true;
    }
    const std::string question = CTranslation::Args(
        CTranslation::Tr("FleetTransfer",
                         "The data will be written into %1 radios and replace their memory.\n\n"
                         "Write to the radios?"),
        {std::to_string(radios)});
    return session.UserInterface().MessageBox(
               question, CCloneDocument::kMessageTitle,
               MessageStyle::OkCancel | MessageStyle::IconQuestion) == IDOK;
}

// The tool ends after the summary. Taking the document apart would cost the
// tool more than building it (the forks left every page of it
// write-protected), so it stays until the process ends; its temporary files
// go now. Nothing else of it needs to be undone: the tool's copy never ran a
// transfer, so it has no settings to give back.
void LeaveToProcessEnd(std::unique_ptr<SFleetDocument> fleet) {
    [[maybe_unused]] static SFleetDocument* volatile kept = nullptr;  // reachable: no leak
    fleet->document.RemoveTempFiles();
    kept = fleet.release();
}

// Every port once, however it is written; a port given again is marked.
std::vector<SPort> DistinctPorts(EJob job, const std::vector<std::string>& names,
                                 const std::string& target) {
    std::vector<SPort> ports;
    std::map<std::string, std::size_t> seen;
    std::map<std::string, int> usedNames;
    for (const std::string& name : names) {
        auto [first, fresh] = seen.emplace(Canonical(name), ports.size());
        if (!fresh) {
            ports[first->second].duplicate = true;
            continue;
        }
        SPort port;
        port.name = name;
        port.target = job == EJob::Read ? TargetFile(target, name, usedNames) : "";
        ports.push_back(std::move(port));
    }
    return ports;
}

// The tool keeps a pipe open for every port; each port's process has those
// it inherits, its port and a few files. Raises the tool's limit of open
// files when the system allows it; "" when there are enough, else why not.
std::string DescriptorShortage(std::size_t ports) {
    const rlim_t needed = static_cast<rlim_t>(ports + kOwnDescriptors);
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= needed) {
        return "";
    }
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= needed) {
        limit.rlim_cur = needed;
        if (::setrlimit(RLIMIT_NOFILE, &limit) == 0) {
            return "";
        }
    }
    return CTranslation::Args(
        CTranslation::Tr("FleetTransfer",
                         "%1 radios need %2 open files, and this program may open "
                         "only %3 (ulimit -n); no radio was touched"),
        {std::to_string(ports), std::to_string(needed), std::to_string(limit.rlim_cur)});
}

// The directory of a read, the clone file of a write.
int Prepare(EJob job, const std::string& target, CZ5Doc& document) {
    if (job == EJob::Read) {
        std::error_code error;
        fs::create_directories(target, error);
        if (!fs::is_directory(target)) {
            CCliSession::Report(CTranslation::Args(
                CTranslation::Tr("FleetTransfer", "%1: not a directory for the reads"), {target}));
            return CliExit::kFileError;
        }
    } else if (const CDocument::SFileResult opened = document.OpenFile(target); !opened.ok) {
        CCliSession::Report(target + ": " + opened.message);
        return CliExit::kFileError;
    }
    return CliExit::kOk;
}

}  // namespace

int Run(CCliSession& session, EJob job, const std::vector<std::string>& names,
        const std::string& target) {
    std::vector<SPort> ports = DistinctPorts(job, names, target);
    if (ports.size() > kMaxPorts) {
        CCliSession::Report(CTranslation::Args(
            CTranslation::Tr("FleetTransfer", "%1 ports given: at most %2 radios at once"),
            {std::to_string(ports.size()), std::to_string(kMaxPorts)}));
        return CliExit::kUsage;
    }
    if (const std::string shortage = DescriptorShortage(ports.size()); !shortage.empty()) {
        CCliSession::Report(shortage);
        return ExitStatusOf(ECloneResult::Failure);
    }
    auto fleet = std::make_unique<SFleetDocument>(session);
    if (const int prepared = Prepare(job, target, fleet->document); prepared != CliExit::kOk) {
        return prepared;
    }
    if (!Confirm(session, job, ports.size())) {
        return ExitStatusOf(ECloneResult::Cancelled);
    }
    CStopSignals stops;
    CStartGate gate;
    const std::string refusal = StartAll(session, job, ports, *fleet, gate);
    if (!refusal.empty() || Stopped()) {
        gate.LetNoneGo();
        EndHeldProcesses(ports);
        LeaveToProcessEnd(std::move(fleet));
        if (Stopped()) {
            stops.EndBy(g_stopSignal);
        }
        CCliSession::Report(CTranslation::Args(
            CTranslation::Tr("FleetTransfer", "%1; no radio was touched"), {refusal}));
        return ExitStatusOf(ECloneResult::Failure);
    }
    gate.LetGo(ports.size());
    CProgressLines lines(STDERR_FILENO);
    Watch(ports, lines);
    if (Stopped()) {
        const int signal = g_stopSignal;
        LeaveToProcessEnd(std::move(fleet));
        stops.EndBy(signal);
    }
    PrintSummary(ports);
    LeaveToProcessEnd(std::move(fleet));
    for (const SPort& port : ports) {
        if (port.status != 0) {
            return port.status;
        }
    }
    return CliExit::kOk;
}

}  // namespace FleetTransfer
