#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

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
        EXPECT_NE(path.find("/~CP"), std::string::npos);
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
