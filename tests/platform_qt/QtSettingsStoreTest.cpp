#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/QtSettingsStore.h"
#include "platform/TempFile.h"

namespace {

TEST(QtSettingsStore, ValuesSurviveAReopenUnderTheProgramsSectionNames) {
    CTempFile file("settings");
    {
        CQtSettingsStore store(file.Path());
        store.SetInt("Window Position", "Width", 640);
        store.SetInt("Model", "Setup", 1);
        store.SetString("CommPort", "COM1", "/dev/pts/7");
        store.SetString("Recent File List", "File1", "/home/user/my radio.cz5");
        EXPECT_TRUE(store.Sync());
    }
    CQtSettingsStore store(file.Path());
    EXPECT_EQ(store.GetInt("Window Position", "Width", 500), 640);
    EXPECT_EQ(store.GetInt("Model", "Setup", 0), 1);
    EXPECT_EQ(store.GetString("CommPort", "COM1", ""), "/dev/pts/7");
    EXPECT_EQ(store.GetString("Recent File List", "File1", ""), "/home/user/my radio.cz5");
    EXPECT_FALSE(store.Contains("Model", "setup"));  // names are case-sensitive
}

TEST(QtSettingsStore, HandEditedNonsenseGivesTheDefaults) {
    CTempFile file("settings");
    {
        std::ofstream out(file.Path());
        out << "[Window%20Position]\nWidth=wide\nHeight=-20\nLeft=99999999999\n"
               "garbage line without equals\n[Model]\nSetup=\n";
    }
    CQtSettingsStore store(file.Path());
    EXPECT_EQ(store.GetInt("Window Position", "Width", 500), 500);
    EXPECT_EQ(store.GetInt("Window Position", "Height", 300), -20);
    EXPECT_EQ(store.GetInt("Window Position", "Left", 5), 5);
    EXPECT_EQ(store.GetInt("Model", "Setup", 0), 0);
}

// A file written by hand holds values with commas unquoted; each is read as
// the text that stands there, and what the program writes reads back the same.
TEST(QtSettingsStore, ValuesWithCommasAreReadAsWritten) {
    CTempFile file("settings");
    {
        std::ofstream out(file.Path());
        out << "[windows]\ndevice=PDF,spool,PDF\nquoted=\"a,b\"\nplain=Office Laser\n"
               "[Model]\nSetup=1,2\n";
    }
    {
        CQtSettingsStore store(file.Path());
        EXPECT_EQ(store.GetString("windows", "device", ""), "PDF,spool,PDF");
        EXPECT_EQ(store.GetString("windows", "quoted", ""), "a,b");
        EXPECT_EQ(store.GetString("windows", "plain", ""), "Office Laser");
        EXPECT_EQ(store.GetInt("Model", "Setup", 7), 7);  // "1,2" is no number
        store.SetString("windows", "written", "Laser,spool,Laser");
        EXPECT_TRUE(store.Sync());
    }
    CQtSettingsStore store(file.Path());
    EXPECT_EQ(store.GetString("windows", "written", ""), "Laser,spool,Laser");
    EXPECT_EQ(store.GetString("windows", "device", ""), "PDF,spool,PDF");
}

// Runs body in a child process that gets seconds to end; true when it
// ended by itself with status 0.
bool EndsInTimeWithSuccess(const std::function<bool()>& body, unsigned seconds) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(seconds);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct SFileState {
    mode_t type;
    off_t size;
    bool operator==(const SFileState&) const = default;
};

SFileState StateOf(const std::string& path) {
    struct stat status {};
    lstat(path.c_str(), &status);
    return {status.st_mode & S_IFMT, status.st_size};
}

// A settings file that is no regular file, or is far too large to be one,
// is left alone with its reason: the store starts at once (nothing waits on
// a FIFO) from the defaults, keeps what is set for the run and writes
// nothing.
TEST(QtSettingsStore, AFileItCannotUseIsLeftAloneAndTheDefaultsServe) {
    CTempFile scratch("settings");
    const std::string folder = scratch.Path() + ".d";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    struct SCase {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* reason;
    };
    const SCase cases[] = {
        {"fifo", [](const std::string& path) { mkfifo(path.c_str(), 0600); },
         "is a FIFO, not a regular file"},
        {"folder", [](const std::string& path) { mkdir(path.c_str(), 0700); }, "is a directory"},
        {"huge",
         [](const std::string& path) {
             std::ofstream(path) << "[Model]\nSetup=1\n"
                                 << std::string(CQtSettingsStore::kMaxFileBytes, '#');
         },
         "is larger than 1 MiB"},
    };
    for (const SCase& c : cases) {
        const std::string path = folder + "/" + c.name + ".conf";
        c.make(path);
        const SFileState before = StateOf(path);
        const std::string problem = "the settings file " + path + " " + c.reason +
                                    ": it is neither read nor written, and this run uses the "
                                    "default settings";
        EXPECT_TRUE(EndsInTimeWithSuccess(
            [&] {
                CQtSettingsStore store(path);
                const bool defaults = store.GetInt("Model", "Setup", 0) == 0;
                store.SetInt("Window Position", "Width", 640);
                store.SetString("CommPort", "COM1", "/dev/pts/7");
                return defaults && store.GetInt("Window Position", "Width", 500) == 640 &&
                       store.GetString("CommPort", "COM1", "") == "/dev/pts/7" &&
                       store.Contains("CommPort", "COM1") && !store.Sync() &&
                       store.Problem() == problem;
            },
            10))
            << c.name;
        EXPECT_EQ(StateOf(path), before) << c.name;
    }
    std::filesystem::remove_all(folder);
}

TEST(QtSettingsStore, DefaultPathFollowsXdgConfigHome) {
    setenv("XDG_CONFIG_HOME", "/tmp/cfg-test", 1);
    EXPECT_EQ(CQtSettingsStore::DefaultPath(), "/tmp/cfg-test/Brel/CP-Z5.conf");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored, as XDG says
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(CQtSettingsStore::DefaultPath(), "/home/someone/.config/Brel/CP-Z5.conf");
}

}  // namespace
