// Commands that only read clone files leave the user's settings file as it
// was: its bytes, its time stamp, and no lock file beside it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/CliRun.h"
#include "support/ScratchFiles.h"

namespace {

class CliReadOnlyTest : public ::testing::Test {
  protected:
    // The settings file, written by hand and dated a day back.
    void WriteSettings(const std::string& text) {
        std::filesystem::create_directories(folder + "/config/Brel");
        std::ofstream(settings) << text;
        const utimbuf dayBack{1'700'000'000, 1'700'000'000};
        utime(settings.c_str(), &dayBack);
    }

    time_t ModifiedAt() const {
        struct stat status {};
        stat(settings.c_str(), &status);
        return status.st_mtime;
    }

    CScratchDir scratch;
    const std::string folder = scratch.Path();
    const std::string settings = folder + "/config/Brel/CP-Z5.conf";
};

TEST_F(CliReadOnlyTest, ReadingCommandsLeaveTheSettingsFileAlone) {
    ASSERT_EQ(RunCli(folder, "new -o a.cz5").status, 0);
    ASSERT_EQ(RunCli(folder, "new --market EUR -o b.cz5").status, 0);
    // Values the document would write back at its end differ from these.
    const std::string text = "[Model]\nSetup=1\nModelVer=2\nRxexp=7\n; by hand\n";
    const struct {
        const char* command;
        int status;
    } commands[] = {
        {"dump a.cz5", 0},
        {"get a.cz5 Common.Beep MCH.CH3.FreqRx", 0},
        {"diff a.cz5 b.cz5", 1},
        {"export-csv a.cz5 -o a.csv", 0},
        {"dump --market USA a.cz5", 0},
    };
    for (const auto& run : commands) {
        WriteSettings(text);
        const time_t before = ModifiedAt();
        const SCliRun result = RunCli(folder, run.command);
        EXPECT_EQ(result.status, run.status) << run.command << ": " << result.err;
        EXPECT_EQ(ReadWholeFile(settings), text) << run.command;
        EXPECT_EQ(ModifiedAt(), before) << run.command;
        EXPECT_FALSE(std::filesystem::exists(settings + ".lock")) << run.command;
    }
}

// A command that changes the settings still writes them.
TEST_F(CliReadOnlyTest, ACommandThatWritesStillReachesTheFile) {
    WriteSettings("[Model]\nSetup=1\n");
    ASSERT_EQ(RunCli(folder, "new -o a.cz5").status, 0);
    EXPECT_NE(ModifiedAt(), 1'700'000'000);
}

}  // namespace
