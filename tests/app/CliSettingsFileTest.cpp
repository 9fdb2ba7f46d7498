// cpz5-cli with a settings file it cannot use: it says why and goes on with
// the default settings, without waiting on the file.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "../support/CliRun.h"
#include "DocumentTestSupport.h"

namespace {

constexpr const char* kTimeLimit = "timeout 20 ";
constexpr int kTimedOut = 124;

// Runs cpz5-cli in directory with its settings there, ended after the time
// limit (status kTimedOut) if it has not ended by then.
SCliRun RunWithinTimeLimit(const std::string& directory, const std::string& arguments) {
    const std::string command = "cd '" + directory + "' && XDG_CONFIG_HOME='" + directory +
                                "/config' " + kTimeLimit + "'" CPZ5_CLI_PATH "' " + arguments +
                                " >'" + directory + "/out' 2>'" + directory + "/err' </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadWholeFile(directory + "/out"),
            ReadWholeFile(directory + "/err")};
}

class CliSettingsFile : public CDocumentTest {};

TEST_F(CliSettingsFile, AFifoIsRefusedWithItsReasonAndTheCommandsRunOnTheDefaults) {
    ASSERT_EQ(RunCli(dir.Path(), "new -o f.cz5").status, 0);
    std::filesystem::create_directories(dir.File("config/Brel"));
    const std::string settings = dir.File("config/Brel/CP-Z5.conf");
    std::filesystem::remove(settings);
    ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
    const std::string reason = "cpz5-cli: the settings file " + settings +
                               " is a FIFO, not a regular file: it is neither read nor written, "
                               "and this run uses the default settings\n";
    for (const char* command : {"dump f.cz5", "export-csv f.cz5 -o f.csv", "new -o g.cz5"}) {
        const SCliRun run = RunWithinTimeLimit(dir.Path(), command);
        EXPECT_EQ(run.status, 0) << command << (run.status == kTimedOut ? ": it hung" : "");
        EXPECT_EQ(run.err.substr(0, reason.size()), reason) << command;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(settings));
    EXPECT_EQ(ReadFile(dir.File("g.cz5")), ReadFile(dir.File("f.cz5")));
}

}  // namespace

#endif
