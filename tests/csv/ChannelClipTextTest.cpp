// Channels as clipboard text and as a block of records: how a pasted text's
// layout is recognised (header or not, which separator), which rows are
// cleared channels, the cheap guess that decides whether Paste is offered,
// and which blocks are taken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interchange/ChannelClipRecord.h"
#include "interchange/ChannelClipText.h"
#include "model/Node.h"
#include "model/NodeAccess.h"
#include "model/Z5RadioDataManager.h"

namespace {

class ChannelClipTextTest : public testing::Test {
  protected:
    void SetUp() override { map.Initialize(); }

    SChannelClipTextRead Read(const std::string& text, int maxRows = 100) {
        return ChannelClipText::Read(
            text, ChannelCsvColumns::LimitsOf(*map.GetRoot()->GetChild("MCH"), 0, false), maxRows);
    }

    CZ5RadioDataManager map;
};

// text -> (good rows as "offset:frequency" or "offset:cleared", bad lines,
// data rows).
TEST_F(ChannelClipTextTest, RowsAreFoundWithOrWithoutAHeaderAndAnySeparator) {
    struct SCase {
        const char* what;
        std::string text;
        std::vector<std::string> good;
        std::vector<int> badLines;
        int rowCount;
        int maxRows = 100;
    };
    const std::string cleared = "7" + std::string(27, ',');
    const SCase cases[] = {
        {"header by name, in any order",
         "frequency,NAME\n145.5,A\n144.0,B\n",
         {"0:145500000", "1:144000000"},
         {},
         2},
        {"no header: the export's order",
         "9,A,145.5\n\n3,B,144.0\n",
         {"0:145500000", "1:144000000"},
         {},
         2},
        {"tabs win over commas in names", "1\tA,B\t145.5\n", {"0:145500000"}, {}, 1},
        {"semicolons with decimal commas", "1;A;145,5;+;0,6\n", {"0:145500000"}, {}, 1},
        {"a bad row keeps its place",
         "Frequency\n145.5\n999\n144.0\n",
         {"0:145500000", "2:144000000"},
         {3},
         3},
        {"the row of a cleared channel",
         "1,A,145.5\n" + cleared + "\n",
         {"0:145500000", "1:cleared"},
         {},
         2},
        {"a Location alone is no cleared channel", "7\n", {}, {1}, 1},
        {"rows past maxRows are counted, not checked",
         "1,A,145.5\n2,B,999\n3,C,999\n",
         {"0:145500000"},
         {},
         3,
         1},
        {"an unclosed quote is a bad row", "1,\"A,145.5\n2,B,145.0\n", {}, {1}, 1},
    };
    for (const SCase& c : cases) {
        const SChannelClipTextRead read = Read(c.text, c.maxRows);
        std::vector<std::string> good;
        for (const SChannelClipRow& row : read.rows) {
            std::string value = "cleared";
            for (const auto& [leaf, number] : row.plan.values) {
                if (leaf == "FreqRx") {
                    value = std::to_string(number);
                }
            }
            good.push_back(std::to_string(row.offset) + ":" + value);
        }
        std::vector<int> badLines;
        for (const SCsvProblem& problem : read.problems) {
            badLines.push_back(problem.line);
        }
        EXPECT_FALSE(read.refused) << c.what;
        EXPECT_EQ(good, c.good) << c.what;
        EXPECT_EQ(badLines, c.badLines) << c.what;
        EXPECT_EQ(read.rowCount, c.rowCount) << c.what;
    }
}

TEST_F(ChannelClipTextTest, TextWithoutRowsOrTooLargeIsRefusedWhole) {
    for (const std::string& text :
         {std::string(), std::string("\n\n,,\n"), std::string("Frequency\n\n"),
          std::string(ChannelClipText::kMaxSize + 1, '1')}) {
        const SChannelClipTextRead read = Read(text);
        EXPECT_TRUE(read.refused) << text.size();
        EXPECT_TRUE(read.rows.empty());
        ASSERT_EQ(read.problems.size(), 1u);
        EXPECT_EQ(read.problems.front().line, 0);
    }
}

TEST_F(ChannelClipTextTest, OnlyTextThatLooksLikeChannelsOffersPaste) {
    const std::pair<std::string, bool> cases[] = {
        {"Location,Name,Frequency\n", true},
        {"NAME\tfrequency\n", true},
        {"3\tA\t145.5\tmore\n", true},
        {"3;A;145,5\n", true},
        {"145.00000", false},
        {"not a channel", false},
        {"a,b,c\n", false},
        {"", false},
        {std::string(ChannelClipText::kMaxSize + 1, ','), false},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ChannelClipText::MightBeChannels(text), expected) << text.substr(0, 40);
    }
}

TEST_F(ChannelClipTextTest, WrittenRowsReadBackOntoTheSameValues) {
    CNode* memory = map.GetRoot()->GetChild("MCH");
    CNode* channel = memory->GetChild("CH5");
    SetNodeText(channel, "Clear", "OFF");
    channel->GetChild("FreqRx")->SetValue(145'006'250);
    SetNodeText(channel, "SCRMCode", "3C");
    SetNodeString(channel, "Name", "ABC");
    SetNodeText(memory->GetChild("CH6"), "Clear", "ON");
    const std::string text = ChannelClipText::Write({{5, channel}, {6, memory->GetChild("CH6")}});
    const SChannelClipTextRead read = Read(text);
    ASSERT_EQ(read.rows.size(), 2u) << text;
    EXPECT_TRUE(read.rows[1].cleared);
    CNode* target = memory->GetChild("CH40");
    ChannelClipText::WriteRow(read.rows[0], *target, true);
    for (const CNode* leaf : channel->GetChildren()) {
        EXPECT_EQ(target->GetChild(leaf->GetName())->GetText(), leaf->GetText()) << leaf->GetName();
    }
}

// What a person types as a frequency, pasted from a spreadsheet of any
// country: a point or a comma as the decimal mark, nothing else; what is
// off the raster is rounded with a warning, what is no frequency is refused
// with its text, never read as the number it starts with.
TEST_F(ChannelClipTextTest, PastedFrequenciesAreReadAsTypedOrRefused) {
    struct SCase {
        const char* frequency;
        const char* offset;
        std::int32_t hertz;  // FreqRx; 0: the row is refused
        const char* said;    // part of the warning or reason; "" for none
    };
    const SCase cases[] = {
        {"146,52", "0,6", 146'520'000, ""},
        {"146.52", "0.6", 146'520'000, ""},
        {" 146,52 ", "", 146'520'000, ""},
        {"+146.52", "", 146'520'000, ""},
        {"0000000000146.52", "", 146'520'000, ""},
        {"146,5031", "", 146'505'000, "Frequency 146.503100 MHz is stored as 146.505000 MHz"},
        {"146.5200001", "", 146'520'000, "Frequency 146.5200001 MHz is stored as 146.520000 MHz"},
        {"146.5x", "", 0, "Frequency \"146.5x\" is not a frequency in MHz"},
        {"abc", "", 0, "Frequency \"abc\" is not a frequency"},
        {"1e3", "", 0, "Frequency \"1e3\" is not a frequency"},
        {"146,52 MHz", "", 0, "is not a frequency"},
        {"146.52", "0,6x", 0, "Offset \"0,6x\" is not a frequency"},
        {"-146.52", "", 0, "is below zero"},
    };
    const SChannelCsvLimits usa =
        ChannelCsvColumns::LimitsOf(*map.GetRoot()->GetChild("MCH"), 2, false);
    for (const SCase& c : cases) {
        const std::string text = std::string("1\tA\t") + c.frequency + "\t+\t" + c.offset + "\n";
        SCOPED_TRACE(text);
        const SChannelClipTextRead read = ChannelClipText::Read(text, usa, 10);
        if (c.hertz == 0) {
            ASSERT_EQ(read.problems.size(), 1u);
            EXPECT_NE(read.problems[0].reason.find(c.said), std::string::npos)
                << read.problems[0].reason;
            continue;
        }
        ASSERT_EQ(read.rows.size(), 1u) << read.problems[0].reason;
        const SChannelPlan& plan = read.rows[0].plan;
        CNode& target = *map.GetRoot()->FindPath("MCH.CH9");
        ChannelClipText::WriteRow(read.rows[0], target, true);
        EXPECT_EQ(target.GetChild("FreqRx")->GetValue(), c.hertz);
        if (*c.offset != '\0') {
            EXPECT_EQ(target.GetChild("FreqOw")->GetValue(), 600'000);
        }
        EXPECT_EQ(plan.warnings.empty(), *c.said == '\0');
        if (!plan.warnings.empty()) {
            EXPECT_NE(plan.warnings[0].find(c.said), std::string::npos) << plan.warnings[0];
        }
    }
}

// Names a spreadsheet would take for formulas travel with an apostrophe
// before them and paste back as they were.
TEST_F(ChannelClipTextTest, FormulaLikeNamesArePastedBackUnchanged) {
    CNode* memory = map.GetRoot()->GetChild("MCH");
    const char* const names[] = {"=1+1", "+CMD", "-----", "@SUM", "'=AB", "'AB", "A=B", "-"};
    std::vector<ChannelClipText::SNumberedChannel> copied;
    for (int i = 0; i < 8; ++i) {
        CNode* channel = memory->GetChild("CH" + std::to_string(i));
        SetNodeText(channel, "Clear", "OFF");
        SetNodeText(channel, "FreqRx", "145.5");
        SetNodeText(channel, "SCRMCode", "01");
        SetNodeString(channel, "Name", names[i]);
        copied.push_back({i, channel});
    }
    const std::string text = ChannelClipText::Write(copied);
    for (const char* cell : {"\r\n0,'=1+1,", "\r\n2,'-----,", "\r\n4,''=AB,", "\r\n5,'AB,"}) {
        EXPECT_NE(text.find(cell), std::string::npos) << cell;
    }
    const SChannelClipTextRead read = Read(text);
    ASSERT_EQ(read.rows.size(), 8u) << text;
    for (int i = 0; i < 8; ++i) {
        CNode* target = memory->GetChild("CH" + std::to_string(50 + i));
        ChannelClipText::WriteRow(read.rows[static_cast<std::size_t>(i)], *target, true);
        EXPECT_EQ(target->GetChild("Name")->GetText(), names[i]);
        EXPECT_TRUE(read.rows[static_cast<std::size_t>(i)].plan.warnings.empty()) << names[i];
    }
}

// bytes -> records taken (none: refused).
TEST(ChannelClipBlock, OnlyWholeRecordsAreTaken) {
    ChannelClipRecord record;
    record.name = "A";
    const std::vector<std::uint8_t> three =
        ChannelClipRecord::EncodeBlock(std::vector<ChannelClipRecord>(3, record));
    ASSERT_EQ(three.size(), 3 * ChannelClipRecord::kSize);
    const auto decoded = ChannelClipRecord::DecodeBlock(three);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->size(), 3u);
    EXPECT_EQ(decoded->back().name, "A");

    const std::size_t refusedSizes[] = {
        0, 1, 223, 225, 3 * 224 - 1, (ChannelClipRecord::kMaxBlockRecords + 1) * 224};
    for (std::size_t size : refusedSizes) {
        const std::vector<std::uint8_t> bytes(size, 0);
        EXPECT_FALSE(ChannelClipRecord::DecodeBlock(bytes).has_value()) << size;
    }
}

}  // namespace
