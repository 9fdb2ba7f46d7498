// cpz5-cli read and write on several radios at once: every port on its own,
// a summary row each, success only when every radio succeeded.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>

#include <filesystem>

#include "../support/CliRun.h"
#include "HistoryBench.h"

namespace history_test {
namespace {

class CliFleetTest : public ::testing::Test {
  protected:
    CliFleetTest() {
        std::filesystem::create_directories(m_dir);
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

    const std::string m_dir = CTempFile::Directory() + "/cpz5-fleet-" + std::to_string(::getpid());
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
}

TEST_F(CliFleetTest, AReadOfSeveralRadiosFillsTheDirectoryAndSucceedsWhenAllDid) {
    const SCliRun run = RunCli(m_dir, "read -o reads --port " + Port(0) + " --port " + Port(1));
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    for (int i = 0; i < 2; ++i) {
        std::string name = Port(i).substr(5);
        std::replace(name.begin(), name.end(), '/', '-');
        EXPECT_TRUE(std::filesystem::exists(m_dir + "/reads/" + name + ".cz5")) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir + "/data/cpz5/history"), {}),
              2);
}

}  // namespace
}  // namespace history_test

#endif
