// The history folder on its own: names, the limit, foreign files and
// folders that cannot be used.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "clone/ReadHistory.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::time_t kNoon = 1796731200;  // 2026-12-08 12:00:00 UTC

class ReadHistoryTest : public ::testing::Test {
  protected:
    ReadHistoryTest() {
        fs::create_directories(m_dir);
        std::ofstream(m_source) << "24680001\n#\n000010FFFF\n";
    }
    ~ReadHistoryTest() override { fs::remove_all(m_dir); }

    std::vector<std::string> Names(const CReadHistory& history) const {
        std::vector<std::string> names;
        for (const SHistoryEntry& entry : history.Entries()) {
            names.push_back(fs::path(entry.path).filename().string());
        }
        return names;
    }

    const std::string m_dir = CTempFile::Directory() + "/cpz5-rh-" + std::to_string(::getpid());
    const std::string m_source = m_dir + "/read.cz5";
    const std::string m_folder = m_dir + "/history";
};

TEST_F(ReadHistoryTest, AnEntryIsNamedAfterTheReadAndHoldsTheFileWithCrLf) {
    CReadHistory history(m_folder, 50);
    ASSERT_EQ(history.Store(m_source, "USA", "QM-Z5 \xC3\xA4/x", kNoon), "");
    ASSERT_EQ(history.Entries().size(), 1u);
    const SHistoryEntry entry = history.Entries()[0];
    EXPECT_EQ(fs::path(entry.path).filename(), "20261208-120000_USA_QM-Z5-x.cz5");
    EXPECT_EQ(CReadHistory::EntryName(kNoon, "USA", "QM-Z5 \xC3\xA4/x"),
              fs::path(entry.path).filename());
    EXPECT_EQ(entry.when, kNoon);
    EXPECT_EQ(entry.version, "USA");
    EXPECT_EQ(entry.identity, "QM-Z5-x");
    std::ifstream in(entry.path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "24680001\r\n#\r\n000010FFFF\r\n");
}

TEST_F(ReadHistoryTest, TheOldestGoBeyondTheLimitAndForeignFilesStay) {
    fs::create_directories(m_folder);
    const std::string foreign[] = {"notes.txt",
                                   "20261208-000000_USA.cz5",
                                   "x_y_z.cz5",
                                   "20261208-000000_USA_A_1.cz5",
                                   "20261208-000000_USA_A_x.cz5",
                                   "20261399-000000_USA_A.cz5",
                                   "20261208-2460-0_USA_A.cz5"};
    for (const std::string& name : foreign) {
        std::ofstream(m_folder + "/" + name) << "mine";
    }
    fs::create_directories(m_folder + "/20261208-000000_USA_DIR.cz5");

    CReadHistory history(m_folder, 3);
    for (int minute = 0; minute < 4; ++minute) {
        ASSERT_EQ(history.Store(m_source, "USA", "R", kNoon + 60 * minute), "");
    }
    ASSERT_EQ(history.Store(m_source, "USA", "R", kNoon + 180), "");  // same second

    EXPECT_EQ(Names(history),
              (std::vector<std::string>{"20261208-120200_USA_R.cz5", "20261208-120300_USA_R.cz5",
                                        "20261208-120300_USA_R_2.cz5"}));
    for (const std::string& name : foreign) {
        EXPECT_TRUE(fs::exists(m_folder + "/" + name)) << name;
    }
    EXPECT_TRUE(fs::is_directory(m_folder + "/20261208-000000_USA_DIR.cz5"));
}

// A read stored at noon among entries already there, written the given
// hours from now (negative: in the past).
TEST_F(ReadHistoryTest, TheOldestWrittenGoNeverTheNewReadNorARenamedCopy) {
    struct SPlanted {
        std::string name;
        int hoursFromNow;
    };
    const std::string read = "20261208-120000_USA_R.cz5";
    const struct {
        const char* name;
        std::vector<SPlanted> planted;
        int keep;
        std::set<std::string> remaining;
    } cases[] = {
        {"a clock that was ahead",
         {{"20991231-230000_USA_R.cz5", 24}, {"20991231-220000_USA_R.cz5", 25}},
         2,
         {read, "20991231-220000_USA_R.cz5"}},
        {"names that disagree with the write times",
         {{"20261208-130000_USA_R.cz5", -2}, {"20261208-110000_USA_R.cz5", -1}},
         2,
         {read, "20261208-110000_USA_R.cz5"}},
        {"a renamed copy",
         {{"20261208-100000_USA_before trip.cz5", -3}, {"20261208-110000_USA_R.cz5", -2}},
         1,
         {read, "20261208-100000_USA_before trip.cz5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        for (const SPlanted& planted : c.planted) {
            const std::string path = m_folder + "/" + planted.name;
            std::ofstream(path) << "24680001\r\n#\r\n";
            fs::last_write_time(
                path, fs::file_time_type::clock::now() + std::chrono::hours(planted.hoursFromNow));
        }
        ASSERT_EQ(CReadHistory(m_folder, c.keep).Store(m_source, "USA", "R", kNoon), "");
        std::set<std::string> remaining;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            remaining.insert(entry.path().filename().string());
        }
        EXPECT_EQ(remaining, c.remaining);
    }
}

TEST_F(ReadHistoryTest, ReadsStoredAtOnceInTheSameSecondAllStay) {
    constexpr int kReads = 8;
    std::vector<std::thread> threads;
    std::vector<std::string> results(kReads);
    for (int i = 0; i < kReads; ++i) {
        threads.emplace_back(
            [&, i] { results[i] = CReadHistory(m_folder, 50).Store(m_source, "USA", "R", kNoon); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(results, std::vector<std::string>(kReads, ""));
    EXPECT_EQ(CReadHistory(m_folder, 50).Entries().size(), static_cast<std::size_t>(kReads));
}

TEST_F(ReadHistoryTest, AFolderOrSourceThatCannotBeUsedIsReportedAndLeavesNothing) {
    std::ofstream(m_dir + "/file") << "not a folder";
    struct SCase {
        std::string folder;
        std::string source;
    } cases[] = {
        {m_dir + "/file", m_source},          // the folder is a file
        {m_dir + "/file/history", m_source},  // below a file
        {"", m_source},                       // no folder known
        {m_folder, m_dir + "/missing.cz5"},   // nothing to keep
        {m_folder, m_dir},                    // a directory as source
    };
    for (const SCase& c : cases) {
        CReadHistory history(c.folder, 50);
        EXPECT_NE(history.Store(c.source, "USA", "R", kNoon), "") << c.folder << " " << c.source;
        EXPECT_TRUE(history.Entries().empty());
    }
}

TEST_F(ReadHistoryTest, TheLimitSettingIsKeptInItsRange) {
    const struct {
        bool set;
        int value;
        int keep;
    } cases[] = {{false, 0, 50}, {true, 0, 1}, {true, -5, 1}, {true, 3, 3}, {true, 1 << 30, 10000}};
    for (const auto& c : cases) {
        CMemorySettingsStore settings;
        if (c.set) {
            settings.SetInt("History", "Keep", c.value);
        }
        EXPECT_EQ(CReadHistory::KeepSetting(settings), c.keep) << c.value;
    }
}

// The time of a read as the user's clock showed it, in the zone of TZ.
TEST_F(ReadHistoryTest, TheTimeOfAReadIsShownInTheLocalTime) {
    const char* saved = std::getenv("TZ");
    const std::string zone = saved ? saved : "";
    const struct {
        const char* zone;
        std::time_t when;
        const char* text;
    } cases[] = {
        {"UTC0", kNoon, "2026-12-08 12:00:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", kNoon, "2026-12-08 13:00:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", kNoon - 160 * 86400, "2026-07-01 14:00:00"},
        {"EST5EDT,M3.2.0,M11.1.0", kNoon + 14 * 3600, "2026-12-08 21:00:00"},
        {"NZST-12NZDT,M9.5.0,M4.1.0/3", kNoon, "2026-12-09 01:00:00"},
    };
    for (const auto& c : cases) {
        setenv("TZ", c.zone, 1);
        EXPECT_EQ(CReadHistory::LocalTimeText(c.when), c.text) << c.zone;
    }
    if (saved) {
        setenv("TZ", zone.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    ::tzset();
}

TEST_F(ReadHistoryTest, TheDefaultFolderFollowsXdgDataHomeThenHome) {
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const std::string data = savedData ? savedData : "";
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(CReadHistory::DefaultFolder(), "/data/cpz5/history");
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(CReadHistory::DefaultFolder().find("relative"), std::string::npos);
    if (savedData) {
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
