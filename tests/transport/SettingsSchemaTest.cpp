#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "platform/MemorySettingsStore.h"
#include "transport/SettingsKeys.h"

namespace {

using namespace SettingsKey;

TEST(SettingsSchema, EveryValueHasItsOwnSectionAndName) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const SSetting* setting : Schema()) {
        EXPECT_TRUE(seen.emplace(setting->section, setting->name).second)
            << setting->section << "/" << setting->name;
        EXPECT_NE(std::string(setting->users), "");
    }
}

TEST(SettingsSchema, AnEmptyOrDamagedStoreGivesTheDefaults) {
    CMemorySettingsStore store;
    store.SetString(kWindowSection, kWidth.name, "wide");
    const struct {
        const SSetting& setting;
        int expected;
    } cases[] = {{kPortNumber, 1}, {kWidth, 500},  {kCmdShow, 5}, {kHistoryKeep, 50},
                 {kStatusBar, 1},  {kPrintAll, 1}, {kModelVer, 0}};
    for (const auto& test : cases) {
        EXPECT_EQ(ReadInt(store, test.setting), test.expected) << test.setting.name;
        EXPECT_EQ(IsStored(store, test.setting), &test.setting == &kWidth) << test.setting.name;
    }
    EXPECT_EQ(ReadText(store, kPrinterDevice), "");
}

TEST(SettingsSchema, AFamilyMemberIsStoredUnderItsNumberedName) {
    CMemorySettingsStore store;
    WriteText(store, kRecentFile, 2, "/tmp/a.cz5");
    WriteInt(store, kColumnWidth, 15, 80);
    EXPECT_EQ(store.GetString("Recent File List", "File2", ""), "/tmp/a.cz5");
    EXPECT_EQ(store.GetInt("Column_ChListSheet", "Width15", 0), 80);
    EXPECT_EQ(ReadText(store, kRecentFile, 1), "");
    EXPECT_EQ(ReadInt(store, kColumnWidth, 3, 42), 42);
}

TEST(SettingsSchema, ThePrintChoicesAreNamedAfterTheAreas) {
    const SSetting* choices[] = {&kPrintCommon, &kPrintDtmf, &kPrintPgr,
                                 &kPrintMch,    &kPrintPch,  &kPrintCch};
    const char* stored[] = {"Common", "Dtmf", "Pgr", "Mch", "Pch", "Cch"};
    for (std::size_t i = 0; i < std::size(choices); ++i) {
        EXPECT_STREQ(choices[i]->name, stored[i]);
        EXPECT_STREQ(choices[i]->section, "Print");
    }
}

}  // namespace
