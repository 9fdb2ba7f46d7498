#include "FleetTransfer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
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
#include "platform/UserInterface.h"
#include "transport/CloneResult.h"

namespace fs = std::filesystem;

namespace FleetTransfer {

namespace {

using Transfer = CCloneRsIoManager;

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
// "I identity".
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
        for (std::size_t done = 0; m_fd >= 0 && done < line.size();) {
            const ssize_t written = ::write(m_fd, line.data() + done, line.size() - done);
            if (written <= 0) {
                return;
            }
            done += static_cast<std::size_t>(written);
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

// Runs in the port's own process; the result becomes its exit status.
int RunPort(CCliSession& session, EJob job, const SPort& port, SFleetDocument& fleet) {
    const std::optional<unsigned> number = session.PortNumberOf(port.name);
    if (!number) {
        fleet.ui.Send('M', port.name + " is no port (COMn or a device path)");
        return CliExit::kUsage;
    }
    if (Stopped()) {
        return ExitStatusOf(ECloneResult::Cancelled);
    }
    CZ5Doc& document = fleet.document;
    document.OnComPort(*number);
    const ECloneResult result =
        job == EJob::Write ? document.OnCloneWrite() : document.OnCloneRead();
    const auto* transfer =
        dynamic_cast<const Transfer*>(document.GetCloneManager().GetSerialTransfer());
    if (transfer != nullptr) {
        fleet.ui.Send('I', const_cast<Transfer*>(transfer)->GetRadioInfo()->GetText());
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

// The port's process ends without taking the document apart: that would
// only copy the pages it shares with the tool. Its temporary files go.
[[noreturn]] void RunPortProcess(CCliSession& session, EJob job, const SPort& port,
                                 SFleetDocument& fleet, int fd) {
    // The tool shows what the port does; nothing of the process reaches
    // the terminal on its own, and nothing is asked there.
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    fleet.ui.SendTo(fd);
    const int result = RunPort(session, job, port, fleet);
    fleet.document.RemoveTempFiles();
    ::_exit(result & 0xFF);
}

bool Start(CCliSession& session, EJob job, SPort& port, SFleetDocument& fleet) {
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
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return false;
    }
    if (pid == 0) {
        ::close(pipeFds[0]);
        RunPortProcess(session, job, port, fleet, pipeFds[1]);
    }
    ::close(pipeFds[1]);
    port.pid = pid;
    port.fd = pipeFds[0];
    return true;
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

std::string Cut(const std::string& text, std::size_t width) {
    return text.size() <= width ? text : text.substr(0, width - 3) + "...";
}

class CProgressLines {
  public:
    explicit CProgressLines(bool shown) : m_shown(shown) {}

    void Draw(const std::vector<SPort>& ports) {
        if (!m_shown) {
            return;
        }
        if (m_drawn) {
            std::cerr << "\x1b[" << ports.size() << 'A';
        }
        for (const SPort& port : ports) {
            constexpr int kBar = 20;
            const int filled = port.percent * kBar / 100;
            std::cerr << "\r\x1b[K" << Cut(port.name, 24)
                      << std::string(25 - Cut(port.name, 24).size(), ' ') << '['
                      << std::string(static_cast<std::size_t>(filled), '#')
                      << std::string(static_cast<std::size_t>(kBar - filled), ' ') << "] ";
            char percent[8];
            std::snprintf(percent, sizeof percent, "%3d%% ", port.percent);
            std::cerr << percent << Cut(port.duplicate ? "given twice" : port.doing, 40) << '\n';
        }
        std::cerr.flush();
        m_drawn = true;
    }

  private:
    const bool m_shown;
    bool m_drawn = false;
};

constexpr std::chrono::milliseconds kGatherTime{50};

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
        if (!Stopped() && Clock::now() - lastDraw > std::chrono::milliseconds(100)) {
            lines.Draw(ports);
            lastDraw = Clock::now();
        }
        // The ports' lines gather in the pipes meanwhile: the tool wakes a
        // few times a second rather than for every line.
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
    static const std::map<int, std::string> kTexts = {
        {CliExit::kFileError, "clone file error"},
        {CliExit::kUsage, "not a port"},
    };
    auto text = kTexts.find(port.status);
    const std::optional<ECloneResult> transfer = CloneResultOfExitStatus(port.status);
    std::string result = text != kTexts.end() ? text->second
                         : transfer           ? std::string(CloneResultTexts(*transfer).summary)
                                              : "failed";
    result += " (" + std::to_string(port.status) + ")";
    return port.duplicate ? result + "; given twice, done once" : result;
}

void PrintSummary(const std::vector<SPort>& ports) {
    std::size_t portWidth = 4, radioWidth = 5;
    for (const SPort& port : ports) {
        portWidth = std::max(portWidth, port.name.size());
        radioWidth = std::max(radioWidth, port.identity.size());
    }
    const auto row = [&](const std::string& port, const std::string& radio,
                         const std::string& result) {
        std::cout << port << std::string(portWidth + 2 - port.size(), ' ') << radio
                  << std::string(radioWidth + 2 - radio.size(), ' ') << result << '\n';
    };
    row("PORT", "RADIO", "RESULT");
    for (const SPort& port : ports) {
        row(port.name, port.identity.empty() ? "-" : port.identity, ResultText(port));
    }
    for (const SPort& port : ports) {
        if (port.status != 0 && !port.message.empty()) {
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
    const std::string question = "The data will be written into " + std::to_string(radios) +
                                 " radios and replace their memory.\n\nWrite to the radios?";
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

}  // namespace

int Run(CCliSession& session, EJob job, const std::vector<std::string>& names,
        const std::string& target) {
    auto fleet = std::make_unique<SFleetDocument>(session);
    if (job == EJob::Read) {
        std::error_code error;
        fs::create_directories(target, error);
        if (!fs::is_directory(target)) {
            CCliSession::Report(target + ": not a directory for the reads");
            return CliExit::kFileError;
        }
    } else if (const CDocument::SFileResult opened = fleet->document.OpenFile(target); !opened.ok) {
        CCliSession::Report(target + ": " + opened.message);
        return CliExit::kFileError;
    }
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
    if (!Confirm(session, job, ports.size())) {
        return ExitStatusOf(ECloneResult::Cancelled);
    }
    CStopSignals stops;
    for (SPort& port : ports) {
        if (Stopped()) {
            break;
        }
        if (!Start(session, job, port, *fleet)) {
            port.status = ExitStatusOf(ECloneResult::Failure);
            port.message = "no process could be started for this port";
        }
    }
    CProgressLines lines(::isatty(STDERR_FILENO) != 0);
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
