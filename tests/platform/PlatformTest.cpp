#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "platform/FileCleanup.h"
#include "platform/MemorySettingsStore.h"
#include "platform/StringTable.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

TEST(Settings, DamagedIntegersFallBackToTheDefault) {
    CMemorySettingsStore store;
    const std::pair<const char*, int> cases[] = {
        {"12", 12},
        {" -3 ", -3},
        {"+7", 7},
        {"", 99},
        {"1x", 99},
        {"abc", 99},
        {"0x10", 99},
        {"99999999999", 99},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
    };
    for (const auto& [text, expected] : cases) {
        store.SetString("Window Position", "Width", text);
        EXPECT_EQ(store.GetInt("Window Position", "Width", 99), expected) << text;
    }
    EXPECT_EQ(store.GetInt("Model", "Setup", 0), 0);
    EXPECT_FALSE(store.Contains("Model", "Setup"));
}

TEST(TempFile, IsPrivateNamedByPrefixAndRemovedAtTheEnd) {
    std::string path;
    {
        CTempFile file("~CP");
        ASSERT_TRUE(file.IsValid());
        path = file.Path();
        EXPECT_NE(path.find("/~CP" + std::to_string(getpid()) + "-"), std::string::npos);
        struct stat info;
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_EQ(info.st_size, 0);
    }
    EXPECT_FALSE(Exists(path));
}

TEST(TempFile, MissingTemporaryDirectoryIsReportedNotFatal) {
    const char* old = std::getenv("TMPDIR");
    std::string saved = old ? old : "";
    setenv("TMPDIR", "/nonexistent-directory-for-test", 1);
    CTempFile file("cl");
    EXPECT_FALSE(file.IsValid());
    if (old) {
        setenv("TMPDIR", saved.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
}

TEST(TextFile, ReadsLinesEndedByLfOrCrLfAndKeepsLongLinesWhole) {
    CTempFile temp("test");
    {
        std::ofstream out(temp.Path(), std::ios::binary);
        out << "24680001\r\n#\n" << std::string(5000, 'A') << "\r\nlast";
    }
    CTextFile file(temp.Path());
    ASSERT_TRUE(file.OpenForRead());
    std::string line;
    std::vector<std::string> lines;
    while (file.ReadLine(line)) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "24680001");
    EXPECT_EQ(lines[1], "#");
    EXPECT_EQ(lines[2].size(), 5000u);
    EXPECT_EQ(lines[3], "last");
}

// The document's and the transfer's temporary files of processes that are
// gone; nothing else in the folder is touched.
TEST(TempFile, LeftoversOfDeadProcessesOfThisUserGoAtTheNextStart) {
    char pattern[] = "/tmp/cpz5-platform-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    const std::string gone = std::to_string(child);
    const std::string self = std::to_string(getpid());
    const std::vector<std::string> removed = {"~CP" + gone + "-a1b2c3", "cl" + gone + "-XyZ0aB",
                                              "pr" + gone + "-q1w2e3", "cv" + gone + "-r4t5y6"};
    std::vector<std::string> kept = {"~CP" + self + "-a1b2c3", "~CP" + gone + "-a1b2", "~CPa1b2c3",
                                     "other" + gone + "-a1b2c3", "target"};
    for (const std::string& name : removed) {
        std::ofstream(dir + "/" + name) << "x";
    }
    for (const std::string& name : kept) {
        std::ofstream(dir + "/" + name) << "x";
    }
    // A link is never followed, nor removed.
    ASSERT_EQ(symlink((dir + "/target").c_str(), (dir + "/cl" + gone + "-link00").c_str()), 0);
    kept.push_back("cl" + gone + "-link00");
    if (geteuid() == 0) {  // another user's file stays
        std::ofstream(dir + "/~CP" + gone + "-theirs") << "x";
        ASSERT_EQ(chown((dir + "/~CP" + gone + "-theirs").c_str(), 12345, 12345), 0);
        kept.push_back("~CP" + gone + "-theirs");
    }
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old != nullptr ? old : "";
    setenv("TMPDIR", dir.c_str(), 1);
    CFileCleanup::Start();
    old != nullptr ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");
    for (const std::string& name : removed) {
        EXPECT_FALSE(Exists(dir + "/" + name)) << name;
    }
    for (const std::string& name : kept) {
        struct stat info;
        EXPECT_EQ(lstat((dir + "/" + name).c_str(), &info), 0) << name;
        unlink((dir + "/" + name).c_str());
    }
    rmdir(dir.c_str());
}

// Nothing waits on a FIFO and no device is written to; the cause is named.
TEST(TextFile, WhatIsNoRegularFileIsRefusedWithItsCause) {
    char pattern[] = "/tmp/cpz5-platform-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    ASSERT_EQ(mkfifo((dir + "/fifo").c_str(), 0600), 0);
    const std::pair<std::string, const char*> paths[] = {
        {dir + "/fifo", "is a FIFO, not a regular file"},
        {"/dev/null", "is a device, not a regular file"},
        {dir, "is a directory"},
        {dir + "/no/file", "No such file or directory"},
    };
    for (const auto& [path, cause] : paths) {
        CTextFile file(path);
        EXPECT_FALSE(file.OpenForRead()) << path;
        EXPECT_EQ(file.Error(), cause) << path;
        EXPECT_FALSE(file.OpenForWrite()) << path;
        EXPECT_EQ(file.Error(), cause) << path;
    }
    unlink((dir + "/fifo").c_str());
    rmdir(dir.c_str());
}

TEST(TextFile, OperationsOnAClosedOrUnopenableFileFail) {
    CTextFile file("/nonexistent-directory-for-test/file");
    std::string line;
    EXPECT_FALSE(file.OpenForWrite());
    EXPECT_FALSE(file.Write("x"));
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_FALSE(file.Flush());
    EXPECT_TRUE(file.Close());
}

TEST(StringTable, FormatsTheDeviceIntoThePortMessage) {
    std::string text = CStringTable::Format(Ids::PortNotOpenedBox, "/dev/ttyUSB0");
    EXPECT_NE(text.find("/dev/ttyUSB0 could not be opened"), std::string::npos);
    EXPECT_EQ(text.find("%1"), std::string::npos);
    EXPECT_EQ(CStringTable::Get(1), "");
}

}  // namespace
