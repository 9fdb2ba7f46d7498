// Sorting, moving and finding memory channels on the data tree: the orders
// each key gives, cleared channels last, every channel's record (its 16
// bytes and its flag bits in the image) kept whole, and what Find matches.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "Z5MapFixture.h"
#include "model/NodeAccess.h"
#include "model/Z5ChannelFind.h"
#include "model/Z5ChannelOrder.h"
#include "model/Z5MemoryMap.h"

namespace {

using z5channel::ESortKey;

constexpr int kChannels = 100;

class Z5ChannelOrderTest : public Z5MapTest {
  protected:
    CNode& Channel(int number) { return At("MCH.CH" + std::to_string(number)); }

    void Program(int number, const char* frequency, const char* name,
                 const std::map<std::string, std::string>& leaves = {}) {
        CNode& channel = Channel(number);
        SetNodeText(&channel, z5leaf::kClear, "OFF");
        SetNodeFreq(&channel, z5leaf::kFreqRx, frequency);
        SetNodeString(&channel, z5leaf::kName, name);
        for (const auto& [leaf, text] : leaves) {
            SetNodeText(&channel, leaf, text);
        }
    }

    std::vector<CNode*> Channels() {
        std::vector<CNode*> channels;
        for (int number = 0; number < kChannels; ++number) {
            channels.push_back(&Channel(number));
        }
        return channels;
    }

    bool Sort(ESortKey key) {
        const std::vector<CNode*> channels = Channels();
        const std::vector<const CNode*> shown(channels.begin(), channels.end());
        return z5channel::Reorder(channels, z5channel::SortedOrder(shown, key));
    }

    // Each memory channel's record in the image: its bytes, then its clear
    // and skip bits.
    std::vector<std::string> Records() {
        Encode();
        const z5map::AreaLayout& area = *z5map::Area(z5area::kMemory);
        std::vector<std::string> records;
        for (int number = 0; number < kChannels; ++number) {
            const std::uint32_t address = z5map::RecordAddress(area, number);
            std::string record(image.Data() + address, image.Data() + address + area.record_size);
            for (const char* flag : {z5leaf::kClear, z5leaf::kSkip}) {
                const auto bit = z5map::FlagPosition(area, flag, number);
                record += static_cast<char>('0' + image.GetBit(bit->address, bit->bit));
            }
            records.push_back(record);
        }
        return records;
    }

    // The names of the channels in use, in channel order, then "-" for each
    // cleared channel.
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int number = 0; number < kChannels; ++number) {
            const bool cleared = GetNodeValue(&Channel(number), z5leaf::kClear) != 0;
            names.push_back(cleared ? "-" : GetNodeString(&Channel(number), z5leaf::kName));
        }
        return names;
    }

    // A mixed set of channels with gaps.
    void ProgramMixed() {
        Program(3, "146.52000", "bravo", {{z5leaf::kToneSet, "TSQL"}, {z5leaf::kTsqlCode, "88.5"}});
        Program(10, "145.50000", "ALPHA", {{z5leaf::kToneSet, "DTCS"}, {z5leaf::kDtcsCode, "023"}});
        Program(11, "144.80000", "", {{z5leaf::kToneSet, "TONE"}, {z5leaf::kToneCode, "100.0"}});
        Program(40, "145.50000", "DELTA", {{z5leaf::kDuplex, "-"}, {z5leaf::kFreqOw, "0.60000"}});
        Program(41, "147.00500", "CHAR", {{z5leaf::kToneSet, "TONE"}, {z5leaf::kToneCode, "67.0"}});
        Program(99, "136.00000", "ECHO",
                {{z5leaf::kToneSet, "DTCS"},
                 {z5leaf::kDtcsCode, "023"},
                 {z5leaf::kDtcsInv, "1"},
                 {z5leaf::kSkip, "ON"}});
    }

    static std::vector<std::string> InUseThenCleared(std::vector<std::string> inUse) {
        inUse.resize(kChannels, "-");
        return inUse;
    }
};

TEST_F(Z5ChannelOrderTest, EachKeyGivesItsOrderWithClearedChannelsLastAndRecordsWhole) {
    struct SCase {
        ESortKey key;
        std::vector<std::string> names;
    };
    const SCase cases[] = {
        // 145.50000 twice: ALPHA stood before DELTA and stays so.
        {ESortKey::Frequency, {"ECHO", "", "ALPHA", "DELTA", "bravo", "CHAR"}},
        // Case ignored; the unnamed channel after the named ones.
        {ESortKey::Name, {"ALPHA", "bravo", "CHAR", "DELTA", "ECHO", ""}},
        // No tone, TONE 67.0 before 100.0, TSQL, DTCS normal before inverse.
        {ESortKey::Tone, {"DELTA", "CHAR", "", "bravo", "ALPHA", "ECHO"}},
    };
    for (const SCase& test : cases) {
        SCOPED_TRACE(z5channel::SortName(test.key));
        for (int number = 0; number < kChannels; ++number) {
            SetNodeText(&Channel(number), z5leaf::kClear, "ON");
        }
        ProgramMixed();
        std::vector<std::string> before = Records();
        ASSERT_TRUE(Sort(test.key));
        EXPECT_EQ(Names(), InUseThenCleared(test.names));
        std::vector<std::string> after = Records();
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before);
    }
}

TEST_F(Z5ChannelOrderTest, SortingTwiceChangesNothingTheSecondTime) {
    ProgramMixed();
    for (const ESortKey key : {ESortKey::Frequency, ESortKey::Name, ESortKey::Tone}) {
        ASSERT_TRUE(Sort(key));
        const std::vector<CNode*> channels = Channels();
        const std::vector<const CNode*> shown(channels.begin(), channels.end());
        EXPECT_TRUE(z5channel::KeepsEveryPlace(z5channel::SortedOrder(shown, key)));
    }
}

TEST_F(Z5ChannelOrderTest, MovedOrderShiftsTheRowsInBetween) {
    struct SCase {
        std::vector<int> rows;
        int before;
        std::vector<int> order;
    };
    const SCase cases[] = {
        {{1}, 4, {0, 2, 3, 1, 4, 5}},        // down: the rows in between move up
        {{4}, 1, {0, 4, 1, 2, 3, 5}},        // up
        {{2, 3}, 6, {0, 1, 4, 5, 2, 3}},     // a block to the end
        {{3, 2, 2}, 0, {2, 3, 0, 1, 4, 5}},  // any order, twice counts once
        {{1, 4}, 3, {0, 2, 1, 4, 3, 5}},     // rows apart come together
        {{2}, 2, {0, 1, 2, 3, 4, 5}},        // onto itself
        {{2}, 3, {0, 1, 2, 3, 4, 5}},        // just below itself
        {{}, 1, {}},                         // nothing to move
        {{6}, 0, {}},                        // out of range
        {{-1}, 0, {}},
        {{1}, 7, {}},
        {{1}, -1, {}},
    };
    for (const SCase& test : cases) {
        EXPECT_EQ(z5channel::MovedOrder(6, test.rows, test.before), test.order)
            << "before " << test.before;
    }
    EXPECT_TRUE(z5channel::KeepsEveryPlace(z5channel::MovedOrder(6, std::vector<int>{2}, 3)));
    const z5channel::SPlaces places =
        z5channel::ChangedPlaces(z5channel::MovedOrder(6, std::vector<int>{1}, 4));
    EXPECT_EQ(places.first, 1);
    EXPECT_EQ(places.last, 3);
}

TEST_F(Z5ChannelOrderTest, ReorderMovesWholeChannelsAndRefusesWhatIsNoOrder) {
    ProgramMixed();
    const std::vector<std::string> records = Records();
    const std::vector<CNode*> channels = Channels();
    // Channel 99 (skipped, DTCS inverse) up to place 3, 3..98 one down.
    ASSERT_TRUE(
        z5channel::Reorder(channels, z5channel::MovedOrder(kChannels, std::vector<int>{99}, 3)));
    const std::vector<std::string> moved = Records();
    EXPECT_EQ(moved[3], records[99]);
    EXPECT_EQ(moved[4], records[3]);
    EXPECT_EQ(moved[99], records[98]);
    EXPECT_EQ(moved[2], records[2]);

    const std::vector<z5channel::ChannelOrder> refused = {
        {}, {0, 1}, std::vector<int>(kChannels, 0), std::vector<int>(kChannels, kChannels)};
    for (const z5channel::ChannelOrder& order : refused) {
        EXPECT_FALSE(z5channel::Reorder(channels, order));
    }
    std::vector<CNode*> withMissing = channels;
    withMissing[5] = nullptr;
    z5channel::ChannelOrder reversed(kChannels);
    for (int place = 0; place < kChannels; ++place) {
        reversed[static_cast<std::size_t>(place)] = kChannels - 1 - place;
    }
    EXPECT_FALSE(z5channel::Reorder(withMissing, reversed));
    EXPECT_EQ(Records(), moved);
}

TEST_F(Z5ChannelOrderTest, FindMatchesNamePartsAndFrequencyStartsAndWraps) {
    ProgramMixed();
    const std::vector<CNode*> channels = Channels();
    const std::vector<const CNode*> shown(channels.begin(), channels.end());
    struct SCase {
        const char* text;
        int start;
        int step;
        int found;
    };
    const SCase cases[] = {
        {"bra", -1, +1, 3},          // part of a name, case ignored
        {"  alpha ", -1, +1, 10},    // blanks around ignored
        {"145.5", -1, +1, 10},       // the start of the frequency
        {"145.5", 10, +1, 40},       // the next one
        {"145.5", 40, +1, 10},       // wraps around
        {"145.5", 10, -1, 40},       // backwards, wrapping
        {"145.500000", -1, +1, 10},  // zeros past the shown digits
        {"147.005", -1, +1, 41},     // fewer digits than shown
        {"136", 50, +1, 99},         // the whole megahertz
        {"14", -1, +1, 3},           // the first of many
        {"145.6", -1, +1, -1},       // no such frequency
        {"5.5", -1, +1, -1},         // a frequency matches from its start only
        {"", -1, +1, -1},            // nothing typed
        {"   ", -1, +1, -1},         // blanks only
        {"ZULU", -1, +1, -1},        // no such name
        {"ECHO", 99, +1, 99},        // the only match is the start itself
    };
    for (const SCase& test : cases) {
        EXPECT_EQ(z5channel::FindChannel(shown, test.start, test.step, test.text), test.found)
            << '"' << test.text << "\" from " << test.start;
    }
    // A cleared channel keeps its old name but is never found.
    SetNodeText(&Channel(3), z5leaf::kClear, "ON");
    EXPECT_EQ(z5channel::FindChannel(shown, -1, +1, "bravo"), -1);
}

}  // namespace
