// cpz5-cli read and write on several radios at once: every port on its own,
// a summary row each, success only when every radio succeeded.
#ifdef CPZ5_CLI_PATH

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "../support/CliRun.h"
#include "../support/VirtualRadioSupport.h"
#include "HistoryBench.h"
#include "model/EepromDataManager.h"

namespace history_test {
namespace {

class CliFleetTest : public ::testing::Test {
  protected:
    CliFleetTest() {
        for (auto& radio : m_radios) {
            radio = StartedRadio(FactoryImage(), RadioConfig(kUsa));
        }
        EXPECT_EQ(RunCli(m_dir, "setup --port " + Port(0)).status, 0);
    }
    ~CliFleetTest() override {
        for (auto& radio : m_radios) {
            radio->Stop();
        }
        std::filesystem::remove_all(m_dir);
    }

    std::string Port(int i) const { return m_radios[i]->SlavePath(); }

    // The summary row of a port.
    static std::string RowOf(const std::string& out, const std::string& port) {
        const std::size_t at = out.find("\n" + port + " ");
        return at == std::string::npos ? "" : out.substr(at + 1, out.find('\n', at + 1) - at - 1);
    }

    // Starts cpz5-cli with arguments as the leader of a process group of its
    // own, without a terminal (or with standard error on the terminal
    // errors); its pid.
    pid_t StartTool(const std::vector<std::string>& arguments,
                    const std::string& errors = "/dev/null") const {
        std::vector<char*> argv{const_cast<char*>(CPZ5_CLI_PATH)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        const pid_t tool = ::fork();
        if (tool == 0) {
            ::setpgid(0, 0);
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, STDIN_FILENO);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(::open(errors.c_str(), O_RDWR | O_NOCTTY), STDERR_FILENO);
            ::setenv("XDG_CONFIG_HOME", (m_dir + "/config").c_str(), 1);
            ::setenv("XDG_DATA_HOME", (m_dir + "/data").c_str(), 1);
            ::execv(CPZ5_CLI_PATH, argv.data());
            ::_exit(127);
        }
        if (tool > 0) {
            ::setpgid(tool, tool);
        }
        return tool;
    }

    // Two more radios, paced at baudRate, and the tool started writing a.cz5
    // to both of them.
    struct SPacedWrite {
        std::unique_ptr<CVirtualRadio> radios[2];
        pid_t tool = -1;
    };
    void StartPacedWrite(unsigned baudRate, SPacedWrite& write) const {
        for (auto& radio : write.radios) {
            CVirtualRadio::SConfig paced = RadioConfig(kUsa);
            paced.baudRate = baudRate;
            radio = std::make_unique<CVirtualRadio>(FactoryImage(), paced);
            ASSERT_TRUE(radio->Start()) << radio->Error();
        }
        write.tool =
            StartTool({"write", m_dir + "/a.cz5", "--yes", "--port", write.radios[0]->SlavePath(),
                       "--port", write.radios[1]->SlavePath()});
        ASSERT_GT(write.tool, 0);
    }

    // Whether, within 30 seconds, the counter of both radios of the write
    // has grown above 0.
    static bool WaitForBoth(const SPacedWrite& write,
                            unsigned CRadioProtocol::SCounters::*counter) {
        const auto reached = [&] {
            return write.radios[0]->Counters().*counter > 0 &&
                   write.radios[1]->Counters().*counter > 0;
        };
        for (int waited = 0; !reached() && waited < 30000; waited += 10) {
            ::usleep(10000);
        }
        return reached();
    }

    // The temporary files the tool and its port processes left behind.
    std::set<std::string> LeftTempFiles() const { return FilesIn(m_tmp); }

    // A channel word of the radio's memory (MCH.CH4.FreqRx in 5 kHz steps).
    static std::uint16_t Channel4Word(const CImageBuffer& memory) {
        return memory.GetWord(0x40, true);
    }

    const std::string m_dir = CTempFile::Directory() + "/cpz5-fleet-" + std::to_string(::getpid());
    const std::string m_tmp = m_dir + "/tmp";
    // The tool's temporary files go there.
    CTempDirHere m_tmpHere{m_tmp};
    std::unique_ptr<CVirtualRadio> m_radios[2];
};

// Ports that cannot be used, each for its own reason, among good ones: every
// row says why, and the good radios are written all the same.
TEST_F(CliFleetTest, AWriteReachesEveryGoodRadioAndEachOtherRowSaysWhyNot) {
    ASSERT_EQ(RunCli(m_dir, "new -o a.cz5").status, 0);
    ASSERT_EQ(RunCli(m_dir, "set a.cz5 MCH.CH4.Clear=OFF MCH.CH4.FreqRx=146.52").status, 0);
    CVirtualRadio::SConfig config;
    config.optionByte = kUsa;
    CVirtualRadio busy(FactoryImage(), config);
    ASSERT_TRUE(busy.Start()) << busy.Error();
    const int holder = ::open(busy.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);  // another program uses it
    std::ofstream(m_dir + "/plain") << "a file";
    const struct {
        std::string port;
        const char* row;
    } bad[] = {
        {m_dir + "/no-such-port", "port could not be opened: no such device (91)"},
        {busy.SlavePath(), "port could not be opened: busy: another program uses it (91)"},
        {"/dev/null", "port could not be opened: not a serial device (91)"},
        {m_dir + "/plain", "port could not be opened: not a serial device (91)"},
        {m_dir, "port could not be opened: a folder, not a serial device (91)"},
        {"nowhere", "not a port (64)"},
    };
    std::string arguments = "write a.cz5 --yes --port " + Port(0);
    for (const auto& port : bad) {
        arguments += " --port " + port.port;
    }
    // The same device, written otherwise.
    arguments += " --port " + Port(1) + " --port /dev/../dev/" + Port(0).substr(5);
    const SCliRun run = RunCli(m_dir, arguments);
    ::close(holder);
    busy.Stop();

    EXPECT_EQ(run.status, 91) << "the first port that failed" << run.out << run.err;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(m_radios[i]->GetMemory().GetWord(0x40, true), 146520000 / 5000) << i;
        EXPECT_NE(RowOf(run.out, Port(i)).find("OK (0)"), std::string::npos) << run.out;
    }
    EXPECT_NE(RowOf(run.out, Port(0)).find("given twice"), std::string::npos) << run.out;
    for (const auto& port : bad) {
        EXPECT_NE(RowOf(run.out, port.port).find(port.row), std::string::npos) << port.port << "\n"
                                                                               << run.out;
    }
    EXPECT_EQ(busy.Counters().writeRequests, 0u);
    EXPECT_EQ(LeftTempFiles(), std::set<std::string>{});
}

// More ports than the tool takes, or than the system lets it keep open:
// refused before anything starts, and no radio hears of it.
TEST_F(CliFleetTest, AFleetBeyondTheLimitsIsRefusedBeforeAnythingStarts) {
    ASSERT_EQ(RunCli(m_dir, "new -o a.cz5").status, 0);
    const auto ports = [this](int count) {
        std::string arguments = " --port " + Port(0) + " --port " + Port(1);
        for (int i = 2; i < count; ++i) {
            arguments += " --port " + m_dir + "/tty" + std::to_string(i);
        }
        return arguments;
    };
    const struct {
        const char* name;
        const char* shell;  // what the shell does before it starts the tool
        std::string arguments;
        int status;
        const char* told;
    } cases[] = {
        {"65 ports", "", "write a.cz5 --yes" + ports(65), 64, "at most 64 radios at once"},
        {"65 ports to read", "", "read -o reads" + ports(65), 64, "at most 64 radios at once"},
        {"too few open files", "ulimit -n 40 && ", "write a.cz5 --yes" + ports(32), 77,
         "may open only 40"},
    };
    const unsigned heard[] = {m_radios[0]->Counters().framesReceived,
                              m_radios[1]->Counters().framesReceived};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string command = "cd '" + m_dir + "' && export XDG_CONFIG_HOME='" + m_dir +
                                    "/config' XDG_DATA_HOME='" + m_dir + "/data' && " + c.shell +
                                    "'" CPZ5_CLI_PATH "' " + c.arguments + " >out 2>err </dev/null";
        const int raw = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, c.status);
        EXPECT_NE(ReadWholeFile(m_dir + "/err").find(c.told), std::string::npos)
            << ReadWholeFile(m_dir + "/err");
        EXPECT_FALSE(std::filesystem::exists(m_dir + "/reads"));
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(m_radios[i]->Counters().framesReceived, heard[i]) << i;
    }
    EXPECT_EQ(LeftTempFiles(), std::set<std::string>{});
}

// The tool killed in the middle of a write (kill -9: nothing can pass it
// on): every port's process still takes its radio's write to the end rather
// than leave it half written.
TEST_F(CliFleetTest, AToolKilledInTheMiddleLeavesNoRadioHalfWritten) {
    ASSERT_EQ(RunCli(m_dir, "new -o a.cz5").status, 0);
    SPacedWrite write;
    ASSERT_NO_FATAL_FAILURE(StartPacedWrite(38400, write));  // a write takes a second or two
    const pid_t tool = write.tool;
    ASSERT_TRUE(WaitForBoth(write, &CRadioProtocol::SCounters::dataFramesStored));
    ::kill(tool, SIGKILL);
    int raw = 0;
    ASSERT_EQ(::waitpid(tool, &raw, 0), tool);

    // The ports' processes are the group's; they end once their writes did.
    for (int waited = 0; ::kill(-tool, 0) == 0 && waited < 30000; waited += 10) {
        ::usleep(10000);
    }
    for (auto& radio : write.radios) {
        radio->Stop();
        EXPECT_EQ(radio->Counters().writesCompleted, 1u);
    }
}

// The progress on a terminal smaller than the fleet: no line as wide as the
// terminal, never more lines than it has rows, and the ports that do not fit
// are counted on the last line.
TEST_F(CliFleetTest, TheProgressFitsATerminalSmallerThanTheFleet) {
    ASSERT_EQ(RunCli(m_dir, "new -o a.cz5").status, 0);
    constexpr int kRows = 12, kColumns = 50, kPorts = 32;
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const winsize size{kRows, kColumns, 0, 0};
    ::ioctl(terminal, TIOCSWINSZ, &size);
    std::vector<std::string> arguments = {"write", m_dir + "/a.cz5", "--yes"};
    for (int i = 0; i < kPorts; ++i) {
        arguments.push_back("--port");
        arguments.push_back(i < 2 ? Port(i)
                                  : m_dir + "/" + std::string(30, 'x') + std::to_string(i));
    }
    const pid_t tool = StartTool(arguments, ::ptsname(terminal));
    ASSERT_GT(tool, 0);
    std::string shown;
    for (int raw = 0; ::waitpid(tool, &raw, WNOHANG) == 0;) {
        pollfd entry{terminal, POLLIN, 0};
        char buffer[4096];
        if (::poll(&entry, 1, 50) > 0) {
            const ssize_t count = ::read(terminal, buffer, sizeof buffer);
            shown.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
        }
    }
    ::close(terminal);

    // Each picture starts by moving up over the one before.
    const std::size_t last = shown.rfind("\x1b[");
    ASSERT_NE(last, std::string::npos) << shown;
    std::vector<std::string> lines;
    for (std::size_t end = shown.find("\x1b[K"); end != std::string::npos;
         end = shown.find("\x1b[K", end + 1)) {
        const std::size_t start = shown.rfind('\r', end) + 1;
        lines.push_back(shown.substr(start, end - start));
        EXPECT_LT(lines.back().size(), static_cast<std::size_t>(kColumns)) << lines.back();
    }
    for (std::size_t up = shown.find("\x1b["); up != std::string::npos;
         up = shown.find("\x1b[", up + 1)) {
        if (shown.compare(up, 3, "\x1b[K") != 0 && shown.compare(up, 3, "\x1b[J") != 0) {
            EXPECT_LT(std::stoi(shown.substr(up + 2)), kRows) << "moved up beyond the terminal";
        }
    }
    ASSERT_GE(lines.size(), static_cast<std::size_t>(kRows - 1));
    EXPECT_EQ(lines.back(), "... and 22 more ports, 22 of them done");
    const std::string first = lines[lines.size() - kRows + 1];
    EXPECT_EQ(first.substr(0, Port(0).size()), Port(0));
    EXPECT_NE(first.find("100%"), std::string::npos) << first;
}

// Each port's process reads into temporary files of its own: radios that
// hold different data give files that hold each its own radio's data.
TEST_F(CliFleetTest, AReadOfSeveralRadiosFillsTheDirectoryAndSucceedsWhenAllDid) {
    CImageBuffer other = FactoryImage();
    other.SetWord(0x40, 146520000 / 5000, true);
    m_radios[1]->SetMemory(other);

    const SCliRun run = RunCli(m_dir, "read -o reads --port " + Port(0) + " --port " + Port(1));
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    CMemorySettingsStore settings;
    CScriptedUserInterface ui;
    for (int i = 0; i < 2; ++i) {
        std::string name = Port(i).substr(5);
        std::replace(name.begin(), name.end(), '/', '-');
        CZ5Doc read(settings, ui);
        ASSERT_TRUE(read.OpenFile(m_dir + "/reads/" + name + ".cz5").ok) << name;
        EXPECT_EQ(Channel4Word(*read.GetCloneManager().GetMemoryImage()),
                  Channel4Word(m_radios[i]->GetMemory()))
            << name;
    }
    EXPECT_NE(Channel4Word(m_radios[0]->GetMemory()), Channel4Word(other));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir + "/data/cpz5/history"), {}),
              2);
    EXPECT_EQ(LeftTempFiles(), std::set<std::string>{});
}

// A stop signal, to the tool alone (kill PID, a closed terminal) or to its
// whole process group (Ctrl-C, a service manager), in the middle of a write:
// every port's write ends as Cancel ends it, and the tool ends by that signal
// only when no process and no temporary file of the write is left.
TEST_F(CliFleetTest, AFleetWriteStoppedByASignalEndsEveryPortAndLeavesNothing) {
    ASSERT_EQ(RunCli(m_dir, "new -o a.cz5").status, 0);
    const struct {
        const char* name;
        int signal;
        bool group;
    } cases[] = {
        {"kill PID", SIGTERM, false},
        {"a closed terminal", SIGHUP, false},
        {"Ctrl-C", SIGINT, true},
        {"a service manager", SIGTERM, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SPacedWrite write;
        ASSERT_NO_FATAL_FAILURE(StartPacedWrite(1200, write));  // a write takes a minute
        const pid_t tool = write.tool;
        EXPECT_TRUE(WaitForBoth(write, &CRadioProtocol::SCounters::writeRequests));
        ::kill(c.group ? -tool : tool, c.signal);

        int raw = 0;
        ASSERT_EQ(::waitpid(tool, &raw, 0), tool);
        EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == c.signal) << raw;
        EXPECT_TRUE(::kill(-tool, 0) != 0 && errno == ESRCH) << "a port's process is left";
        EXPECT_EQ(LeftTempFiles(), std::set<std::string>{});
        for (auto& radio : write.radios) {
            radio->Stop();
            EXPECT_EQ(radio->Counters().writesCompleted, 0u);
        }
    }
}

}  // namespace
}  // namespace history_test

#endif
