// One comparison for everything that compares: the leaves it finds are the
// lines of cpz5-cli diff; and the radio fault the write check is tried with.
#include <filesystem>
#include <sstream>

#include "../support/CliRun.h"
#include "HistoryBench.h"
#include "model/LeafComparison.h"
#include "model/RadioDataManager.h"

namespace history_test {
namespace {

class CompareTest : public HistoryBench {
  protected:
    LeafComparison::LeafTexts Texts() {
        return LeafComparison::TextsOf(*m_document->GetCloneManager().GetRadioData()->GetRoot());
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

#ifdef CPZ5_CLI_PATH
TEST_F(CompareTest, TheComparisonFindsExactlyTheLeavesThatTheCommandLineDiffLists) {
    const std::string first = m_dir + "/a.cz5", second = m_dir + "/b.cz5";
    ASSERT_TRUE(m_document->SaveFile(first).ok);
    const LeafComparison::LeafTexts before = Texts();
    SetText("MCH.CH3.Clear", "OFF");
    SetText("MCH.CH3.FreqRx", "146.52000");
    SetText("MCH.CH3.Name", "SIMPLX");
    SetText("Common.Beep", "OFF");
    SetText("DTMF.D2", "12345");
    ASSERT_TRUE(m_document->SaveFile(second).ok);

    const std::vector<LeafComparison::SDifference> differences =
        LeafComparison::Compare(before, Texts());
    std::vector<std::string> expected;
    for (const auto& difference : differences) {
        expected.push_back(difference.path + ": " + *difference.first + " -> " +
                           *difference.second);
    }
    const SCliRun run = RunCli(m_dir, "diff a.cz5 b.cz5");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(Lines(run.out), expected);
    EXPECT_GE(differences.size(), 4u);
}
#endif

TEST(LeafComparisonTest, LeavesOnlyOneSideHasAreDifferencesInOrder) {
    const LeafComparison::LeafTexts first = {{"A.x", "1"}, {"A.y", "2"}, {"B.z", "3"}};
    const LeafComparison::LeafTexts second = {{"A.y", "2"}, {"B.z", "4"}, {"C.w", "5"}};
    const auto differences = LeafComparison::Compare(first, second);
    ASSERT_EQ(differences.size(), 3u);
    EXPECT_EQ(differences[0].path, "A.x");
    EXPECT_FALSE(differences[0].second.has_value());
    EXPECT_EQ(differences[1].path, "B.z");
    EXPECT_EQ(*differences[1].second, "4");
    EXPECT_EQ(differences[2].path, "C.w");
    EXPECT_FALSE(differences[2].first.has_value());
    EXPECT_EQ(LeafComparison::AreaOf("MCH.CH12.FreqRx"), "MCH");
    EXPECT_TRUE(LeafComparison::Compare(first, first).empty());
}

TEST(RadioFaultTest, TheWrongByteFaultNamesAnAddressOfTheMemory) {
    const struct {
        const char* text;
        bool valid;
        unsigned address;
    } cases[] = {
        {"wrong-byte=192", true, 192},     {"wrong-byte=0xC0", true, 192},
        {"wrong-byte=0x79F", true, 0x79F}, {"wrong-byte=0x7A0", false, 0},
        {"wrong-byte=", false, 0},         {"wrong-byte=0x", false, 0},
        {"wrong-byte=12a", false, 0},      {"wrong-byte=-1", false, 0},
    };
    for (const auto& c : cases) {
        const std::optional<CRadioFault> fault = CRadioFault::Parse(c.text);
        ASSERT_EQ(fault.has_value(), c.valid) << c.text;
        if (fault) {
            EXPECT_TRUE(fault->Is(CRadioFault::EKind::WrongByte));
            EXPECT_EQ(fault->WrongByteAddress(), c.address);
            EXPECT_EQ(CRadioFault::Parse(fault->ToText())->WrongByteAddress(), c.address);
        }
    }
    EXPECT_EQ(CRadioFault::Parse("stall-after=0x10"), std::nullopt) << "counts stay decimal";
}

}  // namespace
}  // namespace history_test
