// cpz5-cli keeps its reads in the history of its data folder and fails a
// checked write with a status of its own, naming the value.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "../support/CliRun.h"
#include "HistoryBench.h"
#include "clone/ReadHistory.h"
#include "transport/CloneResult.h"

namespace history_test {
namespace {

class CliHistoryTest : public ::testing::Test {
  protected:
    CliHistoryTest() { std::filesystem::create_directories(m_dir); }
    ~CliHistoryTest() override {
        if (m_radio) {
            m_radio->Stop();
        }
        std::filesystem::remove_all(m_dir);
    }

    // Runs the arguments against a fresh radio of the version, after the
    // first-start setup (made once, with a USA radio).
    SCliRun Run(const std::string& arguments, CRadioFault fault = {},
                std::uint8_t radioVersion = kUsa) {
        if (!m_setUp) {
            m_setUp = RunOnRadio("setup", {}, kUsa).status == 0;
            EXPECT_TRUE(m_setUp);
        }
        return RunOnRadio(arguments, fault, radioVersion);
    }

    SCliRun RunOnRadio(const std::string& arguments, CRadioFault fault, std::uint8_t version) {
        CVirtualRadio::SConfig config;
        config.optionByte = version;
        config.fault = fault;
        m_radio = std::make_unique<CVirtualRadio>(FactoryImage(), config);
        EXPECT_TRUE(m_radio->Start()) << m_radio->Error();
        const SCliRun run = RunCli(m_dir, arguments + " --port " + m_radio->SlavePath());
        m_radio->Stop();
        return run;
    }

    size_t HistorySize() const {
        return CReadHistory(m_dir + "/data/cpz5/history", 100).Entries().size();
    }

    const std::string m_dir = CTempFile::Directory() + "/cpz5-clih-" + std::to_string(::getpid());
    std::unique_ptr<CVirtualRadio> m_radio;
    bool m_setUp = false;
};

TEST_F(CliHistoryTest, AReadIsKeptInTheDataFolder) {
    const SCliRun run = Run("read -o a.cz5");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(HistorySize(), 1u);
}

TEST_F(CliHistoryTest, ACheckedWriteFailsWithItsOwnStatusNamingTheValue) {
    ASSERT_EQ(Run("read -o a.cz5").status, 0);
    ASSERT_EQ(RunCli(m_dir, "set a.cz5 MCH.CH12.Clear=OFF MCH.CH12.FreqRx=145.5").status, 0);

    const SCliRun faithful = Run("write a.cz5 --yes --verify --backup");
    EXPECT_EQ(faithful.status, 0) << faithful.err;
    EXPECT_EQ(HistorySize(), 2u) << "the backup is kept too";

    const SCliRun wrong = Run("write a.cz5 --yes --verify", *CRadioFault::Parse("wrong-byte=0xC0"));
    EXPECT_EQ(wrong.status, 94) << wrong.err;
    EXPECT_NE(wrong.err.find("MCH.CH12.FreqRx: sent 145.50000, radio holds"), std::string::npos)
        << wrong.err;
}

// The backup is read once the write goes ahead: not when the question is
// declined (no terminal, no --yes), nor from a radio of another version.
TEST_F(CliHistoryTest, AWriteReadsItsBackupOnlyOnceItGoesAhead) {
    ASSERT_EQ(RunCli(m_dir, "new -o a.cz5").status, 0);
    const struct {
        const char* arguments;
        std::uint8_t radioVersion;
        int status;
        unsigned informationRequests, readRequests;
        std::size_t entries;
    } cases[] = {
        {"write a.cz5 --backup", kUsa, 1, 0, 0, 0},
        {"write a.cz5 --backup --yes", kEur, 90, 1, 0, 0},
        {"write a.cz5 --backup --yes", kUsa, 0, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        std::filesystem::remove_all(m_dir + "/data");
        const SCliRun run = Run(c.arguments, {}, c.radioVersion);
        EXPECT_EQ(run.status, c.status) << run.err;
        const CRadioProtocol::SCounters counted = m_radio->Counters();
        EXPECT_EQ(counted.informationRequests, c.informationRequests);
        EXPECT_EQ(counted.readRequests, c.readRequests);
        if (c.status != 0) {
            EXPECT_EQ(counted.framesReceived, c.informationRequests) << "nothing else on the line";
        }
        EXPECT_EQ(HistorySize(), c.entries);
    }
}

// Every status a transfer can end with is explained by --help and in the
// manual page's EXIT STATUS, both with the same words for 94 and 95.
TEST(CliStatusTest, TheHelpAndTheManualPageExplainEveryStatusOfATransfer) {
    const std::string dir = CTempFile::Directory() + "/cpz5-clis-" + std::to_string(::getpid());
    std::filesystem::create_directories(dir);
    const SCliRun help = RunCli(dir, "--help");
    std::filesystem::remove_all(dir);
    ASSERT_EQ(help.status, 0);
    const std::string manual = ReadWholeFile(CPZ5_SOURCE_DIR "/share/man/cpz5-cli.1");
    const std::size_t section = manual.find(".SH EXIT STATUS");
    ASSERT_NE(section, std::string::npos);
    const std::string exitStatus =
        manual.substr(section, manual.find(".SH", section + 1) - section);

    const struct {
        int status;
        const char* words;  // "" when the texts may differ
    } statuses[] = {
        {ExitStatusOf(ECloneResult::Cancelled), ""},
        {ExitStatusOf(ECloneResult::Failure), ""},
        {ExitStatusOf(ECloneResult::WrongModel), ""},
        {ExitStatusOf(ECloneResult::WrongVersion), ""},
        {ExitStatusOf(ECloneResult::PortNotOpened), ""},
        {ExitStatusOf(ECloneResult::NotVerified), "the radio holds other data than was sent"},
        {ExitStatusOf(ECloneResult::NotBackedUp), "the backup could not be kept"},
    };
    for (const auto& [status, words] : statuses) {
        const std::regex named("(^|[^0-9])" + std::to_string(status) + " " + words);
        EXPECT_TRUE(std::regex_search(help.out, named)) << status << "\n" << help.out;
        EXPECT_TRUE(std::regex_search(exitStatus, named)) << status << "\n" << exitStatus;
    }
}

}  // namespace
}  // namespace history_test

#endif
