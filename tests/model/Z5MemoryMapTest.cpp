#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Z5MapFixture.h"
#include "model/ValueList.h"

namespace {

struct Leaf {
    const char* name;
    const char* node_class;
};

const std::vector<Leaf> kChannelLeaves = {
    {"Clear", "CBitNode"},     {"FreqRx", "CZ5FreqNode"}, {"Ref", "CBitNode"},
    {"FreqOw", "CZ5FreqNode"}, {"RefOw", "CBitNode"},     {"TXInhibit", "CBitNode"},
    {"TXPower", "CBitNode"},   {"Duplex", "CNumNode"},    {"DupRev", "CBitNode"},
    {"Name", "CStringNode"},   {"TONESet", "CNumNode"},   {"TONECode", "CNumNode"},
    {"TSQLCode", "CNumNode"},  {"DTCSCode", "CNumNode"},  {"DTCSInv", "CBitNode"},
    {"ANISet", "CNumNode"},    {"ANICode", "CNumNode"},   {"SCRMSet", "CBitNode"},
    {"SCRMCode", "CNumNode"},  {"Skip", "CBitNode"}};

const std::vector<Leaf> kCommonLeaves = {
    {"Resume", "CNumNode"},    {"Light", "CNumNode"},
    {"Contrast", "CNumNode"},  {"PowSave", "CNumNode"},
    {"MicFunc", "CNumNode"},   {"Repeater", "CNumNode"},
    {"PowOff", "CNumNode"},    {"TOT", "CNumNode"},
    {"Lockout", "CNumNode"},   {"SqlDelay", "CNumNode"},
    {"DialSel", "CNumNode"},   {"MemoDisp", "CNumNode"},
    {"FuncMode", "CNumNode"},  {"ScanEdge", "CNumNode"},
    {"AniFunc", "CBitNode"},   {"AniFuncTmp", "CBitNode"},
    {"AniTOT", "CNumNode"},    {"AniLockout", "CBitNode"},
    {"AniTxCh", "CNumNode"},   {"Type", "CNumNode"},
    {"GCode", "CNumNode"},     {"Synchro", "CNumNode"},
    {"Timing", "CNumNode"},    {"Beep", "CBitNode"},
    {"DialSpeed", "CBitNode"}, {"CloneComment", "CStringNode"}};

const std::vector<Leaf> kDtmfLeaves = {
    {"Speed", "CNumNode"}, {"SelectCh", "CNumNode"}, {"D0", "CStringNode"}, {"D1", "CStringNode"},
    {"D2", "CStringNode"}, {"D3", "CStringNode"},    {"D4", "CStringNode"}};

const std::vector<Leaf> kPagerLeaves = {{"Code", "CStringNode"}, {"Skip", "CBitNode"}};

std::vector<std::string> NamesOf(const CNode& node) {
    std::vector<std::string> names;
    for (const CNode* child : node.GetChildren()) {
        names.push_back(child->GetName());
    }
    return names;
}

// Every leaf is where its path says, with its class, in the listed order.
void ExpectLeaves(const CNode& record, std::string_view path, const std::vector<Leaf>& leaves) {
    ASSERT_EQ(record.GetChildren().size(), leaves.size()) << path;
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        const std::string leafPath = std::string(path) + "." + leaves[i].name;
        const CNode* leaf = CNode::ResolvePath(leafPath);
        ASSERT_NE(leaf, nullptr) << leafPath;
        EXPECT_EQ(leaf, record.GetChildren()[i]) << leafPath;
        EXPECT_STREQ(leaf->GetRuntimeClass().GetClassName(), leaves[i].node_class) << leafPath;
    }
}

TEST_F(Z5MapTest, TreeHoldsEveryAreaRecordAndLeafInOrder) {
    EXPECT_EQ(NamesOf(*map.GetRoot()),
              (std::vector<std::string>{"MCH", "PCH", "CCH", "DTMF", "PGR", "Common"}));
    for (auto [area, count] : {std::pair{"MCH", 100}, {"PCH", 6}, {"CCH", 1}}) {
        ASSERT_EQ(At(area).GetChildren().size(), static_cast<std::size_t>(count)) << area;
        for (int i = 0; i < count; ++i) {
            const std::string channel = std::string(area) + ".CH" + std::to_string(i);
            ExpectLeaves(At(channel), channel, kChannelLeaves);
        }
    }
    ASSERT_EQ(At("PGR").GetChildren().size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const std::string memory = "PGR.C" + std::to_string(i);
        ExpectLeaves(At(memory), memory, kPagerLeaves);
    }
    ExpectLeaves(At("DTMF"), "DTMF", kDtmfLeaves);
    ExpectLeaves(At("Common"), "Common", kCommonLeaves);
    EXPECT_EQ(&At("MCH.CH99.SCRMCode"), At("MCH.CH99").GetChildren()[18]);
}

TEST_F(Z5MapTest, PathsOutsideTheTreeFindNothing) {
    for (const char* path :
         {"MCH.CH100", "mch.CH1", "Common..Beep", "MCH.CH01", "PCH.CH6", "CCH.CH1", "PGR.C7",
          "DTMF.D5", "MCH.CH0.FreqRx.Ref", "Common.beep", "PGR.CH0", "MCH.CH-1", "MCH.CH0.",
          "Common.CloneComment ", "Root", "MCH.Clear"}) {
        EXPECT_EQ(CNode::ResolvePath(path), nullptr) << path;
    }
}

TEST_F(Z5MapTest, InitializeBuildsTheTreeOnce) {
    CNode* leaf = &At("Common.Beep");
    map.Initialize();
    EXPECT_EQ(map.GetRoot()->GetChildren().size(), 6u);
    EXPECT_EQ(&At("Common.Beep"), leaf);
}

TEST_F(Z5MapTest, LeavesOfferTheirChoiceTextsExactly) {
    struct Case {
        const char* path;
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {"MCH.CH0.Clear", 1, "ON"},
        {"MCH.CH0.Ref", 1, "6.25k"},
        {"MCH.CH0.RefOw", 0, "5.00k"},
        {"MCH.CH0.TXPower", 1, "Low"},
        {"MCH.CH0.Duplex", 1, "-Dup"},
        {"MCH.CH0.Duplex", 3, ""},
        {"MCH.CH0.TONESet", 3, "DTCS"},
        {"MCH.CH0.TONECode", 0, "67.0"},
        {"MCH.CH0.TONECode", 49, "254.1"},
        {"MCH.CH0.TSQLCode", 50, ""},
        {"MCH.CH0.DTCSCode", 0, "023"},
        {"MCH.CH0.DTCSCode", 103, "754"},
        {"MCH.CH0.DTCSCode", 104, ""},
        {"MCH.CH0.DTCSInv", 1, "Inverse"},
        {"MCH.CH0.ANISet", 3, "ANI"},
        {"MCH.CH0.ANICode", 7, "CP"},
        {"MCH.CH0.SCRMCode", 0, "00"},
        {"MCH.CH0.SCRMCode", 171, "AB"},
        {"MCH.CH0.SCRMCode", 255, "FF"},
        {"Common.Resume", 0, " 5 sec"},
        {"Common.TOT", 0, "OFF "},
        {"Common.TOT", 1, "1m00s"},
        {"Common.TOT", 30, "30m00s"},
        {"Common.TOT", 31, ""},
        {"Common.AniTOT", 0, "OFF "},
        {"Common.AniTOT", 1, "0m30s"},
        {"Common.AniTOT", 3, "1m30s"},
        {"Common.AniTOT", 30, "15m00s"},
        {"Common.AniTxCh", 0, "OFF"},
        {"Common.AniTxCh", 1, "0"},
        {"Common.AniTxCh", 100, "99"},
        {"Common.AniTxCh", 101, ""},
        {"Common.Repeater", 2, "Dup & Tone"},
        {"Common.PowSave", 3, "1:16"},
        {"Common.Timing", 3, "1.100 sec"},
        {"Common.GCode", 0, "1"},
        {"Common.Type", 1, "Non-Rolling"},
        {"Common.MicFunc", 1, "Normal 1"},
        {"Common.Lockout", 1, "Rpt."},
        {"Common.MemoDisp", 0, "Freq."},
        {"Common.FuncMode", 4, "Always"},
        {"Common.AniLockout", 1, "Busy"},
        {"Common.DialSel", 1, "VOL"},
        {"Common.Contrast", 0, "Low"},
        {"DTMF.Speed", 3, "500 msec"},
        {"DTMF.SelectCh", 4, "D4"},
        {"PGR.C6.Skip", 1, "ON"},
    };
    for (const Case& c : cases) {
        CNode& leaf = At(c.path);
        leaf.SetValue(c.value);
        EXPECT_EQ(leaf.GetText(), c.text) << c.path << " " << c.value;
    }
    for (auto [path, count] : {std::pair{"MCH.CH0.TONECode", 50},
                               {"MCH.CH0.DTCSCode", 104},
                               {"MCH.CH0.SCRMCode", 256},
                               {"Common.TOT", 31},
                               {"Common.AniTxCh", 101},
                               {"Common.PowSave", 6}}) {
        EXPECT_EQ(At(path).GetValuePart()->GetNames().size(), static_cast<std::size_t>(count))
            << path;
    }
    EXPECT_EQ(At("MCH.CH0.FreqRx").GetValuePart()->GetMaximum(), 199'990'000);
    EXPECT_EQ(At("MCH.CH0.FreqOw").GetValuePart()->GetMaximum(), 99'995'000);
    EXPECT_EQ(At("MCH.CH0.Duplex").GetValuePart()->GetMaximum(), 255);
}

}  // namespace
