// cpz5-cli read and write on several radios at once: every port on its own,
// a summary row each, success only when every radio succeeded.
#ifdef CPZ5_CLI_PATH

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "../support/CliRun.h"
#include "HistoryBench.h"
#include "model/EepromDataManager.h"

namespace history_test {
namespace {

class CliFleetTest : public ::testing::Test {
  protected:
    CliFleetTest() {
        CVirtualRadio::SConfig config;
        config.optionByte = kUsa;
        for (auto& radio : m_radios) {
            radio = std::make_unique<CVirtualRadio>(FactoryImage(), config);
            EXPECT_TRUE(radio->Start()) << radio->Error();
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
    // own, without a terminal; its pid.
    pid_t StartTool(const std::vector<std::string>& arguments) const {
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
            ::dup2(null, STDERR_FILENO);
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

TEST_F(CliFleetTest, AWriteReachesEveryGoodRadioAndTheSummaryNamesTheOthers) {
    ASSERT_EQ(RunCli(m_dir, "new -o a.cz5").status, 0);
    ASSERT_EQ(RunCli(m_dir, "set a.cz5 MCH.CH4.Clear=OFF MCH.CH4.FreqRx=146.52").status, 0);

    const std::string missing = m_dir + "/no-such-port";
    const SCliRun run = RunCli(m_dir, "write a.cz5 --yes --port " + Port(0) + " --port " + missing +
                                          " --port " + Port(1) + " --port " + Port(0));

    EXPECT_EQ(run.status, 91) << run.out << run.err;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(m_radios[i]->GetMemory().GetWord(0x40, true), 146520000 / 5000) << i;
        EXPECT_NE(RowOf(run.out, Port(i)).find("OK (0)"), std::string::npos) << run.out;
    }
    EXPECT_NE(RowOf(run.out, Port(0)).find("given twice"), std::string::npos) << run.out;
    EXPECT_NE(RowOf(run.out, missing).find("(91)"), std::string::npos) << run.out;
    EXPECT_EQ(LeftTempFiles(), std::set<std::string>{});
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
        CVirtualRadio::SConfig slow;
        slow.optionByte = kUsa;
        slow.baudRate = 1200;  // a write takes a minute
        std::unique_ptr<CVirtualRadio> radios[2];
        for (auto& radio : radios) {
            radio = std::make_unique<CVirtualRadio>(FactoryImage(), slow);
            ASSERT_TRUE(radio->Start()) << radio->Error();
        }
        const pid_t tool = StartTool({"write", m_dir + "/a.cz5", "--yes", "--port",
                                      radios[0]->SlavePath(), "--port", radios[1]->SlavePath()});
        ASSERT_GT(tool, 0);
        const auto writing = [&] {
            return radios[0]->Counters().writeRequests > 0 &&
                   radios[1]->Counters().writeRequests > 0;
        };
        for (int waited = 0; !writing() && waited < 30000; waited += 10) {
            ::usleep(10000);
        }
        EXPECT_TRUE(writing());
        ::kill(c.group ? -tool : tool, c.signal);

        int raw = 0;
        ASSERT_EQ(::waitpid(tool, &raw, 0), tool);
        EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == c.signal) << raw;
        EXPECT_TRUE(::kill(-tool, 0) != 0 && errno == ESRCH) << "a port's process is left";
        EXPECT_EQ(LeftTempFiles(), std::set<std::string>{});
        for (auto& radio : radios) {
            radio->Stop();
            EXPECT_EQ(radio->Counters().writesCompleted, 0u);
        }
    }
}

}  // namespace
}  // namespace history_test

#endif
