#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Z5MapFixture.h"
#include "model/Z5Areas.h"
#include "model/Z5Versions.h"

namespace {

using z5area::SArea;

TEST_F(Z5MapTest, TheAreasAreTheChildrenOfTheDataTreeInOrderWithTheirRecordCounts) {
    const auto& children = map.GetRoot()->GetChildren();
    const auto areas = z5area::Areas();
    ASSERT_EQ(children.size(), areas.size());
    for (std::size_t i = 0; i < areas.size(); ++i) {
        EXPECT_EQ(children[i]->GetName(), areas[i]->mapName);
        if (areas[i]->listArea != kAreaNone || areas[i]->records > 1) {
            EXPECT_EQ(static_cast<int>(children[i]->GetChildren().size()), areas[i]->records)
                << areas[i]->mapName;
        }
    }
}

TEST(Z5Areas, EveryKindOfNameIsUniqueAndFindsItsArea) {
    using Finder = const SArea* (*)(std::string_view);
    const struct {
        const char* SArea::*field;
        Finder find;
    } kinds[] = {{&SArea::mapName, z5area::FindByMapName},
                 {&SArea::title, z5area::FindByTitle},
                 {&SArea::printKey, z5area::FindByPrintKey},
                 {&SArea::cliKey, z5area::FindByCliKey}};
    for (const auto& kind : kinds) {
        std::set<std::string> seen;
        for (const SArea* area : z5area::Areas()) {
            EXPECT_TRUE(seen.insert(area->*kind.field).second) << area->*kind.field;
            EXPECT_EQ(kind.find(area->*kind.field), area) << area->*kind.field;
        }
        EXPECT_EQ(kind.find(""), nullptr);
        EXPECT_EQ(kind.find("Nothing"), nullptr);
    }
    EXPECT_EQ(z5area::FindByCliKey("MCH"), nullptr);  // names are case-sensitive
}

TEST(Z5Areas, ChannelListsByNumberAndTheirRowLabels) {
    const struct {
        int listArea;
        const char* mapName;
        int row;
        const char* label;
    } cases[] = {
        {kAreaMemory, "MCH", 0, "00"},   {kAreaMemory, "MCH", 99, "99"},
        {kAreaScanEdge, "PCH", 0, "1A"}, {kAreaScanEdge, "PCH", 5, "3B"},
        {kAreaCall, "CCH", 0, "00"},     {kAreaNone, "MCH", 7, "07"},
        {42, "MCH", 42, "42"},
    };
    for (const auto& test : cases) {
        const SArea& area = z5area::ChannelArea(test.listArea);
        EXPECT_STREQ(area.mapName, test.mapName) << test.listArea;
        EXPECT_EQ(z5area::RowLabel(area, test.row), test.label) << test.listArea;
    }
    EXPECT_EQ(z5area::FindByListArea(kAreaNone), nullptr);
    EXPECT_EQ(z5area::RowLabel(z5area::kPagerArea, 3), "");
}

TEST(Z5Versions, NumbersNamesAndTheOptionByte) {
    const struct {
        int number;
        const char* name;
    } cases[] = {{z5version::kGen, "GEN"}, {z5version::kSea, "SEA"}, {z5version::kUsa, "USA"},
                 {z5version::kEur, "EUR"}, {z5version::kNone, ""},   {-1, ""}};
    for (const auto& test : cases) {
        EXPECT_STREQ(z5version::NameOf(test.number), test.name) << test.number;
        const z5version::SVersion* byName = z5version::FindByName(test.name);
        EXPECT_EQ(byName, z5version::Find(test.number)) << test.number;
    }
    EXPECT_EQ(z5version::FindByName("usa"), nullptr);
    EXPECT_EQ(z5version::OfOptionByte(0x7E), z5version::kUsa);
    EXPECT_EQ(z5version::OfOptionByte(0xFF), z5version::kEur);
    EXPECT_EQ(z5version::NameList(), "GEN, SEA, USA or EUR");
}

TEST(Z5Versions, TheBandsKeepTheirEndsAndNothingOutside) {
    const z5version::Band& usa = z5version::Find(z5version::kUsa)->band;
    EXPECT_TRUE(usa.Contains(144'000'000));
    EXPECT_TRUE(usa.Contains(148'000'000));
    EXPECT_FALSE(usa.Contains(143'999'999));
    EXPECT_FALSE(usa.Contains(148'000'001));
}

}  // namespace
