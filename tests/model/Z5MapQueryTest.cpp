// The memory map's queries (what other layers ask instead of restating the
// layout), its checked lookups and the channel rules built on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Z5MapFixture.h"
#include "model/LookupCheck.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5MemoryMap.h"

namespace {

// ---- unknown names ----------------------------------------------------------

std::vector<std::string> g_reports;

void Record(std::string_view kind, std::string_view name) {
    g_reports.push_back(std::string(kind) + " " + std::string(name));
}

// Catches reports instead of stopping, for one test.
class CaughtReports {
  public:
    CaughtReports() : m_previous(SetUnknownNameHandler(Record)) { g_reports.clear(); }
    ~CaughtReports() { SetUnknownNameHandler(m_previous); }

  private:
    UnknownNameHandler m_previous;
};

TEST(Z5MapLookup, AMisspeltNameIsReportedAndAnsweredAsAbsent) {
    CaughtReports caught;
    struct Case {
        const char* report;
        std::function<bool()> answersAbsent;
    };
    const Case cases[] = {
        {"area MCHX", [] { return z5map::Area("MCHX") == nullptr; }},
        {"leaf MCH.TXPowr", [] { return z5map::Leaf(z5area::kMemory, "TXPowr") == nullptr; }},
        {"leaf Common.Skip", [] { return z5map::Leaf(z5area::kCommon, z5leaf::kSkip) == nullptr; }},
        {"leaf Common.Beeb",
         [] { return z5map::ChoiceRange(z5area::kCommon, "Beeb").highest < 0; }},
        {"leaf DTMF.Sped", [] { return z5map::ChoiceTexts(z5area::kDtmf, "Sped").empty(); }},
        {"area PGRX", [] { return z5map::RecordCount("PGRX") == 0; }},
        {"option DETOP_RXEX", [] { return z5map::HasOption(0xFF, "DETOP_RXEX") == -1; }},
        {"option DETOP_scrm", [] { return z5map::HasOption(0xFF, "DETOP_scrm") == -1; }},
    };
    for (const Case& c : cases) {
        g_reports.clear();
        EXPECT_TRUE(c.answersAbsent()) << c.report;
        EXPECT_EQ(g_reports, std::vector<std::string>{c.report});
    }
}

TEST(Z5MapLookup, EveryNameOfTheMapIsFoundWithoutAReport) {
    CaughtReports caught;
    for (const z5map::AreaLayout& area : z5map::AreasInTreeOrder()) {
        for (const z5map::LeafRow& row : area.leaves) {
            EXPECT_EQ(z5map::Leaf(area.name, row.leaf), &row) << area.name << "." << row.leaf;
        }
    }
    for (const char* option : {z5option::kReceiveRange, z5option::kScrambler, z5option::kAni}) {
        EXPECT_NE(z5map::HasOption(0, option), -1) << option;
    }
    EXPECT_TRUE(g_reports.empty());
}

// The test builds check names: a misspelt one stops the program.
TEST(Z5MapLookupDeathTest, TestBuildsStopOnAMisspeltName) {
    ASSERT_TRUE(UnknownNamesAreFatal());
    EXPECT_DEATH(z5map::Leaf(z5area::kMemory, "TXPowr"), "unknown leaf name \"MCH.TXPowr\"");
    EXPECT_DEATH(z5map::HasOption(0, "DETOP_RXEX"), "unknown option name \"DETOP_RXEX\"");
}

// ---- layout queries against the codecs --------------------------------------

// A flag bit the query names is the bit the codec reads for that leaf.
TEST_F(Z5MapTest, FlagPositionsAreTheBitsTheLeavesRead) {
    struct Case {
        const char* area;
        const char* leaf;
        int record;
        std::uint32_t address;
        unsigned bit;
    };
    const Case cases[] = {
        {z5area::kMemory, z5leaf::kClear, 12, 0x6D1, 4},
        {z5area::kMemory, z5leaf::kSkip, 99, 0x6CC, 3},
        {z5area::kScanEdge, z5leaf::kClear, 0, 0x6DC, 4},
        {z5area::kScanEdge, z5leaf::kSkip, 5, 0x6CD, 1},
    };
    for (const Case& c : cases) {
        const std::optional<z5map::FlagBit> flag =
            z5map::FlagPosition(*z5map::Area(c.area), c.leaf, c.record);
        ASSERT_TRUE(flag.has_value()) << c.area << c.record << c.leaf;
        EXPECT_EQ(flag->address, c.address) << c.area << c.record << c.leaf;
        EXPECT_EQ(flag->bit, c.bit) << c.area << c.record << c.leaf;
        image.Initialize();
        image.SetBit(flag->address, flag->bit, 1);
        Decode();
        EXPECT_EQ(At(z5map::RecordPath(c.area, c.record) + "." + c.leaf).GetValue(), 1);
    }
    EXPECT_FALSE(z5map::FlagPosition(*z5map::Area(z5area::kCall), z5leaf::kClear, 0));
}

TEST_F(Z5MapTest, ReceiveFrequencyInTheImageIsWhatTheNodeDecodes) {
    const std::pair<const char*, int> channels[] = {
        {z5area::kMemory, 0}, {z5area::kMemory, 99}, {z5area::kScanEdge, 5}, {z5area::kCall, 0}};
    for (const std::int32_t hertz : {145'006'250, 146'010'000, 136'000'000, 0}) {
        for (const auto& [area, record] : channels) {
            At(z5map::RecordPath(area, record) + ".FreqRx").SetValue(hertz);
        }
        Encode();
        for (const auto& [area, record] : channels) {
            EXPECT_EQ(z5map::ReceiveFrequency(image, *z5map::Area(area), record), hertz)
                << area << record;
        }
    }
}

TEST(Z5MapQueries, RecordsOfTheAreas) {
    struct Case {
        const char* area;
        int count;
        const char* lastPath;
    };
    const Case cases[] = {
        {z5area::kMemory, 100, "MCH.CH99"},
        {z5area::kScanEdge, 6, "PCH.CH5"},
        {z5area::kCall, 1, "CCH.CH0"},
        {z5area::kPager, 7, "PGR.C6"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(z5map::RecordCount(c.area), c.count) << c.area;
        EXPECT_EQ(z5map::RecordPath(c.area, c.count - 1), c.lastPath);
    }
}

// Option byte -> receive range, scrambler, ANI.
TEST(Z5MapQueries, OptionsAreTestedByTheirBits) {
    struct Case {
        std::uint8_t byte;
        int receiveRange;
        int scrambler;
        int ani;
    };
    const Case cases[] = {
        {0x00, 0, 0, 0}, {0x04, 1, 0, 0}, {0x0E, 1, 0, 0}, {0x68, 0, 1, 0},
        {0x60, 0, 0, 0}, {0x50, 0, 0, 1}, {0x70, 0, 0, 0}, {0xFF, 1, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(z5map::HasOption(c.byte, z5option::kReceiveRange), c.receiveRange) << +c.byte;
        EXPECT_EQ(z5map::HasOption(c.byte, z5option::kScrambler), c.scrambler) << +c.byte;
        EXPECT_EQ(z5map::HasOption(c.byte, z5option::kAni), c.ani) << +c.byte;
    }
}

TEST(Z5MapQueries, ChoiceRangesAreWhatTheEditorsOffer) {
    const std::vector<std::string> scrambleCodes =
        z5map::ChoiceTexts(z5area::kMemory, z5leaf::kScrmCode);
    ASSERT_EQ(scrambleCodes.size(), 255u);
    EXPECT_EQ(scrambleCodes.front(), "01");
    EXPECT_EQ(scrambleCodes.back(), "FF");
    EXPECT_EQ(z5map::ChoiceTexts(z5area::kMemory, z5leaf::kAniSet),
              (std::vector<std::string>{"OFF", "CSQL", "PGR"}));
    EXPECT_EQ(z5map::ChoiceTexts(z5area::kMemory, z5leaf::kTxPower),
              (std::vector<std::string>{"High", "Low"}));
    EXPECT_TRUE(z5map::ChoiceTexts(z5area::kMemory, z5leaf::kName).empty());
}

// ---- channel rules ----------------------------------------------------------

// (Hz, version, receive range option) -> shown in band, kept by a write.
TEST(Z5ChannelRules, BandsOfEveryVersion) {
    struct Case {
        long long hertz;
        int version;
        bool receiveRange;
        bool inBand;
        bool kept;
    };
    const Case cases[] = {
        {146'000'000, 0, false, true, true},
        {146'005'000, 0, false, false, false},
        {146'005'000, 0, true, true, true},
        {174'005'000, 0, true, false, false},
        {135'995'000, 2, true, false, false},
        {149'000'000, 1, false, true, true},
        {147'000'000, 2, false, true, true},
        {147'000'000, 3, false, false, false},
        {144'000'000, 3, false, true, true},
        // No version known: only the option puts a frequency in band, and a
        // write keeps every channel.
        {145'000'000, 4, false, false, true},
        {145'000'000, 4, true, true, true},
        {135'995'000, 4, true, false, true},
        {145'000'000, -1, false, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(z5channel::IsInBand(c.hertz, c.version, c.receiveRange), c.inBand)
            << c.hertz << " v" << c.version << " " << c.receiveRange;
        EXPECT_EQ(z5channel::MayKeepFrequency(c.version, c.hertz, c.receiveRange), c.kept)
            << c.hertz << " v" << c.version << " " << c.receiveRange;
    }
}

// A leaf added to the channel record must be moved by Delete and Insert too.
TEST(Z5ChannelRules, EveryStoredLeafMovesWithItsChannel) {
    const std::span<const char* const> moved = z5channel::MovedValueLeaves();
    for (const z5map::LeafRow& row : z5map::Area(z5area::kMemory)->leaves) {
        const bool stored = row.codec != nullptr;
        const bool movedAsValue =
            std::find_if(moved.begin(), moved.end(), [&row](const char* leaf) {
                return std::string_view(leaf) == row.leaf;
            }) != moved.end();
        const bool movedAsText = std::string_view(row.leaf) == z5leaf::kName;
        EXPECT_EQ(stored, movedAsValue || movedAsText) << row.leaf;
    }
}

TEST_F(Z5MapTest, MovingAChannelCarriesEveryStoredValue) {
    CNode& source = At("MCH.CH3");
    CNode& target = At("PCH.CH1");
    SetNodeValue(&source, z5leaf::kFreqRx, 145'006'250);
    SetNodeValue(&source, z5leaf::kDupRev, 1);
    SetNodeValue(&source, z5leaf::kScrmCode, 77);
    SetNodeString(&source, z5leaf::kName, "ABC");
    z5channel::MoveChannel(source, target);
    for (const CNode* leaf : source.GetChildren()) {
        EXPECT_EQ(GetNodeText(&target, leaf->GetName()), leaf->GetText()) << leaf->GetName();
    }
}

}  // namespace
