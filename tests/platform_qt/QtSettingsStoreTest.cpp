#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

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

TEST(QtSettingsStore, DefaultPathFollowsXdgConfigHome) {
    setenv("XDG_CONFIG_HOME", "/tmp/cfg-test", 1);
    EXPECT_EQ(CQtSettingsStore::DefaultPath(), "/tmp/cfg-test/Brel/CP-Z5.conf");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored, as XDG says
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(CQtSettingsStore::DefaultPath(), "/home/someone/.config/Brel/CP-Z5.conf");
}

}  // namespace
