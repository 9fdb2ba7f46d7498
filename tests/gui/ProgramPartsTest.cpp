// The small parts of the program's start: the command line, the single
// instance lock, the recent files and the fitting of a stored window place.
#include <gtest/gtest.h>

#include <QRect>
#include <string>
#include <vector>

#include "app/CommandLineInfo.h"
#include "app/InstanceLock.h"
#include "app/RecentFileList.h"
#include "app/WindowPlacement.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TempFile.h"

namespace {

TEST(CommandLineInfo, OnlyAnUpperCaseSAfterSlashOrDashAsksForTheSetup) {
    struct SCase {
        std::vector<std::string> arguments;
        bool setup;
        bool virtualRadio;
        std::string version;
        std::string fileName;
    };
    const SCase cases[] = {
        {{}, false, false, "", ""},
        {{"/S"}, true, false, "", ""},
        {{"-S"}, true, false, "", ""},
        {{"-s"}, false, false, "", ""},
        {{"/s"}, false, false, "", ""},
        {{"--S"}, false, false, "", ""},
        {{"-SS"}, false, false, "", ""},
        {{"radio.cz5", "-S"}, true, false, "", "radio.cz5"},
        {{"--virtual-radio"}, false, true, "", ""},
        {{"--virtual-radio=USA", "-S"}, true, true, "USA", ""},
        {{"--virtual-radioX"}, false, false, "", ""},
    };
    for (const SCase& c : cases) {
        const CCommandLineInfo info(c.arguments);
        std::string shown;
        for (const std::string& argument : c.arguments) {
            shown += argument + " ";
        }
        EXPECT_EQ(info.IsSetupRequested(), c.setup) << shown;
        EXPECT_EQ(info.IsVirtualRadioRequested(), c.virtualRadio) << shown;
        EXPECT_EQ(info.VirtualRadioVersion(), c.version) << shown;
        EXPECT_EQ(info.FileName(), c.fileName) << shown;
    }
}

TEST(InstanceLock, ASecondHolderIsRefusedUntilTheFirstGoes) {
    CTempFile file("lock");
    {
        CInstanceLock first(file.Path());
        EXPECT_TRUE(first.IsHeld());
        CInstanceLock second(file.Path());
        EXPECT_FALSE(second.IsHeld());
        EXPECT_TRUE(second.IsAnotherInstance());
    }
    // The file stays behind, as after a crash: it stops nobody.
    CInstanceLock again(file.Path());
    EXPECT_TRUE(again.IsHeld());
}

TEST(InstanceLock, AnUnusableLockFileDoesNotCountAsAnotherInstance) {
    CInstanceLock lock("/nonexistent-directory/lock");
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_FALSE(lock.IsAnotherInstance());
}

TEST(RecentFileList, KeepsFourNewestFirstWithoutDuplicates) {
    CMemorySettingsStore settings;
    settings.SetString("Recent File List", "File1", "/a.cz5");
    settings.SetString("Recent File List", "File2", "/a.cz5");
    settings.SetString("Recent File List", "File3", "/b.cz5");
    CRecentFileList list(settings);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/a.cz5", "/b.cz5"}));
    for (const char* path : {"/c.cz5", "/d.cz5", "/e.cz5", "/b.cz5"}) {
        list.Add(path);
    }
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/b.cz5", "/e.cz5", "/d.cz5", "/c.cz5"}));
    EXPECT_EQ(settings.GetString("Recent File List", "File4", ""), "/c.cz5");
    list.Remove(0);
    list.Remove(7);
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), "/e.cz5");
    EXPECT_EQ(settings.GetString("Recent File List", "File4", "?"), "");
}

TEST(WindowPlacement, EmptySettingsGiveTheDefaultPlace) {
    CMemorySettingsStore settings;
    const SWindowPlacement placement = CWindowPlacement::Load(settings);
    EXPECT_EQ(placement.normal, QRect(5, 5, 500, 300));
    EXPECT_FALSE(placement.maximized);
    EXPECT_EQ(placement.treeWidth, 180);
}

TEST(WindowPlacement, AFirstStartGetsTheSizeItWantsWithinTheScreen) {
    const QRect screen(0, 30, 1280, 770);
    EXPECT_EQ(CWindowPlacement::FirstPlace(QSize(1100, 500), screen), QRect(5, 35, 1100, 500));
    EXPECT_EQ(CWindowPlacement::FirstPlace(QSize(3000, 2000), screen), QRect(5, 35, 1270, 760));
    EXPECT_EQ(CWindowPlacement::FirstPlace(QSize(10, 10), screen), QRect(5, 35, 400, 200));
    CMemorySettingsStore settings;
    EXPECT_FALSE(CWindowPlacement::Load(settings).stored);
    settings.SetInt("Window Position", "Width", 600);
    EXPECT_TRUE(CWindowPlacement::Load(settings).stored);
}

TEST(WindowPlacement, StoredPlacesAreFittedOntoAScreen) {
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1024, 768)};
    struct SCase {
        QRect stored;
        QRect fitted;
    };
    const SCase cases[] = {
        {{5, 5, 500, 300}, {5, 5, 500, 300}},
        {{1400, 100, 600, 400}, {1400, 100, 600, 400}},  // on the second screen
        {{5, 5, 100, 50}, {5, 5, 400, 200}},             // below the minimum
        {{5, 5, -300, -20}, {5, 5, 400, 200}},
        {{5, 5, 100000, 100000}, {5, 5, 1280, 1024}},
        {{-5000, -5000, 500, 300}, {5, 5, 500, 300}},  // off every screen
        {{50, -200, 500, 300}, {5, 5, 500, 300}},      // title bar above the screen
        {{1270, 1000, 500, 300}, {5, 5, 500, 300}},    // only a corner would show
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(CWindowPlacement::FitWindow(c.stored, screens), c.fitted)
            << c.stored.x() << "," << c.stored.y() << " " << c.stored.width() << "x"
            << c.stored.height();
    }
}

TEST(WindowPlacement, HugeStoredNumbersAreCutBeforeUse) {
    CMemorySettingsStore settings;
    settings.SetInt("Window Position", "Left", 2147483647);
    settings.SetInt("Window Position", "Width", 2147483647);
    settings.SetInt("Window Position", "SplitterV", -2147483647);
    const SWindowPlacement placement = CWindowPlacement::Load(settings);
    EXPECT_EQ(CWindowPlacement::FitWindow(placement.normal, {QRect(0, 0, 800, 600)}),
              QRect(5, 5, 800, 300));
    EXPECT_EQ(CWindowPlacement::FitTreeWidth(placement.treeWidth, 500), CWindowPlacement::kMinPane);
    EXPECT_EQ(CWindowPlacement::FitTreeWidth(100000, 500), 500 - CWindowPlacement::kMinPane);
    EXPECT_EQ(CWindowPlacement::FitTreeWidth(180, 500), 180);
}

}  // namespace
