// One comparison for everything that compares: the leaves it finds are the
// lines of cpz5-cli diff; the labels a person reads for them; taking another
// file's values over; and the radio fault the write check is tried with.
#include <filesystem>
#include <fstream>

#include "../support/CliRun.h"
#include "../support/ScratchFiles.h"
#include "HistoryBench.h"
#include "document/FileTakeOver.h"
#include "document/NodeChanges.h"
#include "document/OtherFileDoc.h"
#include "model/LeafComparison.h"
#include "model/RadioDataManager.h"
#include "model/Z5ChannelRules.h"
#include "model/Z5LeafLabels.h"

namespace history_test {
namespace {

class CompareTest : public HistoryBench {
  protected:
    LeafComparison::LeafTexts Texts() {
        return LeafComparison::TextsOf(*m_document->GetCloneManager().GetRadioData()->GetRoot());
    }
};

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
    EXPECT_EQ(SplitLines(run.out, "\n"), expected);
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

TEST(LeafLabelTest, PathsReadAsTheWindowsNameThem) {
    const struct {
        const char* path;
        const char* text;
        const char* group;
    } cases[] = {
        {"MCH.CH1.FreqRx", "Memory CH 01 \u00b7 Frequency", "MCH.CH1"},
        {"PCH.CH3.Name", "Program scan edge 2B \u00b7 Name", "PCH.CH3"},
        {"CCH.CH0.TSQLCode", "Call \u00b7 CTCSS", "CCH.CH0"},
        {"Common.TOT", "Common \u00b7 Time-Out Timer", "Common"},
        {"Common.AniTOT", "Common \u00b7 ANI Time-Out Timer", "Common"},
        {"DTMF.D3", "DTMF D3", "DTMF.D3"},
        {"DTMF.SelectCh", "DTMF \u00b7 Channel Selection", "DTMF"},
        {"PGR.C4.Code", "PGR C4 \u00b7 Code", "PGR.C4"},
        {"MCH.CH12", "Memory CH 12", "MCH.CH12"},
        {"Common", "Common", "Common"},
        // What the map does not know is shown as it is.
        {"MCH.CH1.Volume", "Memory CH 01 \u00b7 Volume", "MCH.CH1"},
        {"MCH.CH100.FreqRx", "MCH.CH100.FreqRx", "MCH.CH100.FreqRx"},
        {"MCH.CH01.FreqRx", "MCH.CH01.FreqRx", "MCH.CH01.FreqRx"},
        {"Common.TOT.More", "Common.TOT.More", "Common.TOT.More"},
        {"Other.Leaf", "Other.Leaf", "Other.Leaf"},
    };
    for (const auto& c : cases) {
        const z5label::SLeafLabel label = z5label::LabelOf(c.path);
        EXPECT_EQ(label.Text(), c.text) << c.path;
        EXPECT_EQ(label.groupPath, c.group) << c.path;
    }
}

// Every leaf of the data tree has a name of its own in the table: only the
// leaves whose node name already reads well keep it, and no two leaves read
// the same.
TEST_F(CompareTest, EveryLeafHasItsOwnReadableLabel) {
    const std::set<std::string> keptNames = {"Duplex", "Name", "Skip", "Lockout", "Code", "Speed"};
    std::set<std::string> texts;
    for (const auto& [path, text] : Texts()) {
        const z5label::SLeafLabel label = z5label::LabelOf(path);
        const std::string leaf = path.substr(path.rfind('.') + 1);
        EXPECT_FALSE(label.area.empty()) << path;
        EXPECT_TRUE(label.field != leaf || keptNames.count(leaf) != 0) << path << " has no name";
        EXPECT_TRUE(texts.insert(label.Text()).second) << label.Text() << " twice";
    }
    EXPECT_EQ(texts.size(), Texts().size());
}

// The document holds file A; file B differs from it in channels, settings
// and memories.
class TakeOverTest : public CompareTest {
  protected:
    void SetUp() override {
        SetText("MCH.CH7.Clear", "OFF");
        SetText("MCH.CH7.FreqRx", "145.50000");
        SetText("MCH.CH7.Name", "HOME");
        ASSERT_TRUE(m_document->SaveFile(m_a).ok);
        SetText("MCH.CH3.Clear", "OFF");
        SetText("MCH.CH3.FreqRx", "146.52000");
        SetText("MCH.CH3.Name", "SIMPL");
        SetText("MCH.CH3.TONESet", "TONE");
        z5channel::ClearChannel(*CNode::ResolvePath("MCH.CH7"));
        SetText("PCH.CH1.Clear", "OFF");
        SetText("PCH.CH1.FreqRx", "147.00625");
        SetText("Common.Beep", "OFF");
        SetText("Common.TOT", "3m00s");
        SetText("DTMF.D2", "12345");
        SetText("PGR.C4.Code", "123");
        ASSERT_TRUE(m_document->SaveFile(m_b).ok);
        ASSERT_TRUE(m_document->OpenFile(m_a).ok);
        m_fileB = COtherFileDoc::Read(m_settings, m_ui, m_b).texts;
        const CDocument::SFileResult opened = m_takeOver.Open(m_b, "b.cz5");
        ASSERT_TRUE(opened.ok) << opened.message;
        m_subscription = m_document->NodeChanges().Subscribe(
            [this](const SNodeChange& change) { m_changes.push_back(change); });
    }

    // The text of path in file B.
    std::string TextInB(const std::string& path) const {
        for (const auto& [leaf, text] : m_fileB) {
            if (leaf == path) {
                return text;
            }
        }
        return "<missing " + path + ">";
    }

    const std::string m_a = m_dir + "/a.cz5", m_b = m_dir + "/b.cz5";
    LeafComparison::LeafTexts m_fileB;
    CFileTakeOver m_takeOver{*m_document, m_settings};
    std::vector<SNodeChange> m_changes;
    CNodeChanges::CSubscription m_subscription;
};

// A channel, memory or value taken over comes as it is in B, whole (a cleared
// channel comes over cleared), and nothing else changes; one Undo step takes
// it back.
TEST_F(TakeOverTest, WhatIsTakenComesOverWholeAndAloneAsOneUndoStep) {
    const struct {
        std::vector<std::string> paths;
        const char* step;
        bool everything;
        int area;
        int channel;
    } cases[] = {
        {{"MCH.CH3"}, "Take over Memory CH 03 from b.cz5", false, kAreaMemory, 3},
        {{"MCH.CH7"}, "Take over Memory CH 07 from b.cz5", false, kAreaMemory, 7},
        {{"PCH.CH1.FreqRx"},
         "Take over Program scan edge 1B \u00b7 Frequency from b.cz5",
         false,
         kAreaScanEdge,
         1},
        {{"DTMF.D2"}, "Take over DTMF D2 from b.cz5", true, kAreaNone, 0},
        {{"MCH.CH3.Name", "Common.Beep"}, "Take over 2 values from b.cz5", true, kAreaNone, 0},
    };
    const LeafComparison::LeafTexts fileA = Texts();
    for (const auto& c : cases) {
        m_changes.clear();
        EXPECT_GT(m_takeOver.Take(c.paths), 0) << c.step;
        const auto taken = [&c](const std::string& path) {
            for (const std::string& chosen : c.paths) {
                if (path == chosen || path.starts_with(chosen + ".")) {
                    return true;
                }
            }
            return false;
        };
        const LeafComparison::LeafTexts after = Texts();
        ASSERT_EQ(after.size(), fileA.size());
        for (std::size_t i = 0; i < fileA.size(); ++i) {
            const auto& [path, text] = fileA[i];
            EXPECT_EQ(after[i].second, taken(path) ? TextInB(path) : text)
                << c.step << ": " << path;
        }
        ASSERT_EQ(m_changes.size(), 1u) << c.step;
        EXPECT_EQ(m_changes[0].everything, c.everything) << c.step;
        EXPECT_TRUE(m_changes[0].edit);
        if (!c.everything) {
            EXPECT_EQ(m_changes[0].area, c.area) << c.step;
            EXPECT_EQ(m_changes[0].firstChannel, c.channel) << c.step;
            EXPECT_EQ(m_changes[0].lastChannel, c.channel) << c.step;
        }
        EXPECT_TRUE(m_document->IsModified());
        EXPECT_EQ(m_document->UndoName(), c.step);
        ASSERT_TRUE(m_document->Undo());
        EXPECT_EQ(Texts(), fileA) << c.step;
        EXPECT_FALSE(m_document->IsModified()) << c.step;
    }
    EXPECT_EQ(Text("MCH.CH7.Clear"), "OFF");
    EXPECT_EQ(TextInB("MCH.CH7.Clear"), "ON") << "B's channel 7 is cleared";
}

#ifdef CPZ5_CLI_PATH
// After Take All the document saves as a file in which cpz5-cli diff finds
// nothing different from B; Undo gives back A byte for byte.
TEST_F(TakeOverTest, AfterTakeAllNothingDiffersAndUndoGivesTheFileBack) {
    ASSERT_GE(m_takeOver.Differences().size(), 10u);
    EXPECT_GE(m_takeOver.TakeAll(), 10);
    EXPECT_TRUE(m_takeOver.Differences().empty());
    EXPECT_EQ(m_document->UndoName(), "Take over all from b.cz5");
    ASSERT_TRUE(m_document->SaveFile(m_dir + "/taken.cz5").ok);
    const SCliRun run = RunCli(m_dir, "diff taken.cz5 b.cz5");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");

    ASSERT_TRUE(m_document->Undo());
    EXPECT_FALSE(m_document->CanUndo()) << "Take All is one step";
    ASSERT_TRUE(m_document->SaveFile(m_dir + "/undone.cz5").ok);
    EXPECT_EQ(ReadWholeFile(m_dir + "/undone.cz5"), ReadWholeFile(m_a));
    ASSERT_TRUE(m_document->Redo());
    EXPECT_TRUE(m_takeOver.Differences().empty());
}
#endif

// Taking what is already the same, or what neither tree has, changes nothing
// and is no step.
TEST_F(TakeOverTest, TakingWhatIsAlreadyTheSameIsNoStep) {
    const std::vector<std::string> nothing[] = {
        {"MCH.CH50"}, {"MCH.CH3.DTCSInv"}, {"MCH.CH100"}, {"Bogus.Leaf"}, {""}, {}};
    for (const auto& paths : nothing) {
        EXPECT_EQ(m_takeOver.Take(paths), 0) << (paths.empty() ? "none" : paths.front());
    }
    EXPECT_TRUE(m_changes.empty());
    EXPECT_FALSE(m_document->CanUndo());
    EXPECT_FALSE(m_document->IsModified());
}

// A damaged or foreign file is refused with its reason and nothing of it can
// be taken over, even after a good file was compared.
TEST_F(TakeOverTest, ADamagedOrForeignFileIsRefusedAndNothingIsTaken) {
    const std::vector<std::string> lines = SplitLines(ReadFile(m_b), "\n");
    const auto write = [this](const std::string& name, const std::vector<std::string>& content) {
        std::ofstream out(m_dir + "/" + name, std::ios::binary);
        for (const std::string& line : content) {
            out << line << "\n";
        }
        return m_dir + "/" + name;
    };
    std::vector<std::string> otherModel = lines;
    otherModel[0] = "13570001";
    const std::vector<std::string> cutShort(lines.begin(), lines.begin() + 5);
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {write("text.cz5", {"Dear club members,", "the next meeting"}), "FORMAT_ERROR"},
        {write("model.cz5", otherModel), "MISMATCH_MODEL"},
        {write("short.cz5", cutShort), "NOT_ENOUGH_DATA: "},
        {write("empty.cz5", {}), "FORMAT_ERROR"},
        {m_dir + "/missing.cz5", "CANNOT_OPEN_FILE"},
        {m_dir, "CANNOT_OPEN_FILE"},
    };
    const LeafComparison::LeafTexts fileA = Texts();
    for (const auto& c : cases) {
        const CDocument::SFileResult result = m_takeOver.Open(c.path, "bad.cz5");
        EXPECT_FALSE(result.ok) << c.path;
        EXPECT_TRUE(result.message.starts_with(c.reason)) << c.path << ": " << result.message;
        EXPECT_TRUE(m_takeOver.Differences().empty()) << c.path;
        EXPECT_EQ(m_takeOver.TakeAll(), 0) << c.path;
        EXPECT_EQ(m_takeOver.Take({"MCH.CH3"}), 0) << c.path;
    }
    EXPECT_EQ(Texts(), fileA);
    EXPECT_TRUE(m_changes.empty());
    EXPECT_FALSE(m_document->CanUndo());
    EXPECT_FALSE(m_document->IsModified());
    EXPECT_TRUE(m_ui.m_messages.empty()) << "the other file is read in silence";
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
