// The fleet's port processes start from a document the tool built before it
// forked them: each makes temporary files of its own, removes them when it
// ends or is stopped, and never removes the tool's.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "HistoryBench.h"
#include "document/Z5Doc.h"
#include "platform/FileCleanup.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"
#include "support/ScriptedUserInterface.h"

namespace history_test {
namespace {

class ForkedDocTest : public ::testing::Test {
  protected:
    ~ForkedDocTest() override { std::filesystem::remove_all(m_dir); }

    const std::string m_dir = CTempFile::Directory() + "/cpz5-forked-" + std::to_string(::getpid());
    CTempDirHere m_tmpHere{m_dir};
};

// In the forked process: 0 when it found its own two files beside the
// tool's; then it ends as told, by _exit or by a stop signal.
[[noreturn]] void RunChild(CZ5Doc& document, const std::string& directory, bool stopped) {
    document.RenewTempFiles();
    const int found = FilesIn(directory).size() == 4 ? 0 : 1;
    if (stopped) {
        CFileCleanup::Start();
        ::raise(SIGTERM);
    }
    document.RemoveTempFiles();
    ::_exit(found);
}

TEST_F(ForkedDocTest, AForkedProcessHasTemporaryFilesOfItsOwnAndLeavesTheToolsAlone) {
    CMemorySettingsStore settings;
    CScriptedUserInterface ui;
    {
        CZ5Doc document(settings, ui);
        const std::set<std::string> tools = FilesIn(m_dir);
        ASSERT_EQ(tools.size(), 2u) << "the document's and the transfer's";

        for (const bool stopped : {false, true}) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                RunChild(document, m_dir, stopped);
            }
            int raw = 0;
            ASSERT_EQ(::waitpid(child, &raw, 0), child);
            if (stopped) {
                EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == SIGTERM) << raw;
            } else {
                EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << raw;
            }
            EXPECT_EQ(FilesIn(m_dir), tools) << (stopped ? "stopped" : "ended");
        }
        EXPECT_TRUE(document.SaveFile(m_dir + "/after.cz5").ok) << "the tool's files still work";
        std::filesystem::remove(m_dir + "/after.cz5");
    }
    EXPECT_TRUE(FilesIn(m_dir).empty());
}

}  // namespace
}  // namespace history_test
