// Undo and Redo of the document: the history's own bookkeeping, and many
// random edits taken back and done again, compared as saved files.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "DocumentTestSupport.h"
#include "document/UndoHistory.h"
#include "model/Z5ChannelRules.h"

namespace {

CUndoHistory::State StateOf(std::uint8_t byte) {
    return CUndoHistory::State(4, byte);
}

TEST(UndoHistory, StepsAreUndoneRedoneAndDroppedByANewStep) {
    CUndoHistory history;
    history.Reset(StateOf(0));
    EXPECT_FALSE(history.Record("same", StateOf(0)));
    EXPECT_TRUE(history.Record("one", StateOf(1)));
    EXPECT_TRUE(history.Record("two", StateOf(2)));
    EXPECT_EQ(history.UndoName(), "two");
    EXPECT_EQ(*history.Undo(), StateOf(1));
    EXPECT_EQ(history.RedoName(), "two");
    EXPECT_EQ(*history.Undo(), StateOf(0));
    EXPECT_EQ(history.Undo(), nullptr);
    EXPECT_TRUE(history.IsClean());
    EXPECT_EQ(*history.Redo(), StateOf(1));
    EXPECT_FALSE(history.IsClean());
    EXPECT_TRUE(history.Record("three", StateOf(3)));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.StepCount(), 2U);
    EXPECT_EQ(*history.Undo(), StateOf(1));
}

TEST(UndoHistory, ACleanStateDroppedOrOverwrittenIsNeverCleanAgain) {
    CUndoHistory limited(2);
    limited.Reset(StateOf(0));
    for (std::uint8_t byte = 1; byte <= 3; ++byte) {
        limited.Record("step", StateOf(byte));
    }
    EXPECT_EQ(limited.StepCount(), 2U);
    while (limited.Undo() != nullptr) {
        EXPECT_FALSE(limited.IsClean());
    }
    EXPECT_EQ(limited.Current(), StateOf(1));

    CUndoHistory branched;
    branched.Reset(StateOf(0));
    branched.Record("one", StateOf(1));
    branched.MarkClean();
    branched.Undo();
    branched.Record("other", StateOf(2));
    branched.Undo();
    EXPECT_FALSE(branched.IsClean());
    EXPECT_FALSE(branched.Redo() == nullptr);
    EXPECT_FALSE(branched.IsClean());
}

// Random steps of every kind (a few bytes, everything, a state of another
// size) undone and redone in random order give back the very states
// recorded, also once the oldest have gone.
TEST(UndoHistory, StepsKeptAsDifferencesGiveBackTheStatesRecorded) {
    std::mt19937 random(5);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto changed = [&](CUndoHistory::State state) {
        switch (pick(0, 3)) {
            case 0:  // one byte
                state[static_cast<std::size_t>(pick(0, static_cast<int>(state.size()) - 1))] ^= 1;
                break;
            case 1:  // bytes apart, with equal ones between
                for (std::size_t at = 0; at < state.size();
                     at += static_cast<std::size_t>(pick(1, 20))) {
                    state[at] = static_cast<std::uint8_t>(pick(0, 255));
                }
                break;
            case 2:  // everything
                for (std::uint8_t& byte : state) {
                    byte = static_cast<std::uint8_t>(~byte);
                }
                break;
            default:  // longer or shorter
                state.resize(static_cast<std::size_t>(pick(1, 80)), 0x5A);
                break;
        }
        return state;
    };
    constexpr std::size_t kLimit = 30;
    CUndoHistory history(kLimit);
    std::vector<CUndoHistory::State> states = {CUndoHistory::State(64, 0xFF)};
    std::size_t done = 0;  // the index of the current state in states
    history.Reset(states[0]);
    for (int action = 0; action < 2000; ++action) {
        const int kind = pick(0, 2);
        if (kind == 0) {
            CUndoHistory::State next = changed(history.Current());
            if (history.Record("step", next)) {
                states.resize(done + 1);
                states.push_back(std::move(next));
                ++done;
            }
        } else if (kind == 1 && history.CanUndo()) {
            ASSERT_EQ(*history.Undo(), states[--done]) << action;
        } else if (history.CanRedo()) {
            ASSERT_EQ(*history.Redo(), states[++done]) << action;
        }
        ASSERT_LE(history.StepCount(), kLimit);
        ASSERT_EQ(history.Current(), states[done]);
    }
}

// Reads that bring other data every time cost up to twice the state each;
// edits a few bytes: the budget holds the reads to a few steps and leaves
// the edits the step limit.
TEST(UndoHistory, TheStepsStayWithinTheBudgetAndTheNewestAlwaysStays) {
    constexpr std::size_t kState = 1952;
    const struct {
        const char* name;
        std::size_t budget;
        std::size_t changedBytes;
        std::size_t steps;  // recorded
        std::size_t fewestKept;
        std::size_t mostKept;
    } cases[] = {
        {"reads of other data", 64 * 1024, kState, 200, 10, 20},
        {"edits of a channel", 64 * 1024, 16, 200, 200, 200},
        {"edits beyond the step limit", 1 << 30, 16, 1200, 1000, 1000},
        {"a step larger than the budget", 100, kState, 3, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CUndoHistory history(CUndoHistory::kDefaultLimit, c.budget);
        CUndoHistory::State state(kState, 0);
        history.Reset(state);
        for (std::size_t step = 1; step <= c.steps; ++step) {
            std::fill_n(state.begin(), c.changedBytes, static_cast<std::uint8_t>(step));
            ASSERT_TRUE(history.Record("step", state));
            ASSERT_TRUE(history.StepBytes() <= c.budget || history.StepCount() == 1);
        }
        EXPECT_GE(history.StepCount(), c.fewestKept);
        EXPECT_LE(history.StepCount(), c.mostKept);
        EXPECT_EQ(history.UndoName(), "step");
        std::fill_n(state.begin(), c.changedBytes, static_cast<std::uint8_t>(c.steps - 1));
        EXPECT_EQ(*history.Undo(), state);
    }
}

// One random edit of the kind the channel grid and the dialogs make: a
// channel cleared, a leaf of a channel taken from another, or a setting.
class CRandomEditor {
  public:
    explicit CRandomEditor(CZ5Doc& document) : m_document(document), m_random(17) {}

    // False when the edit happened to change nothing.
    bool Edit() {
        const CUndoHistory::State before = Image();
        const int kind = Pick(0, 9);
        const int channel = Pick(0, 99);
        CNode& memory = *RootOf(m_document).FindPath("MCH");
        CNode* target = memory.GetChild("CH" + std::to_string(channel));
        if (kind == 0) {
            z5channel::ClearChannel(*target);
        } else {
            const CNode* source = memory.GetChild("CH" + std::to_string(Pick(0, 99)));
            const auto& leaves = source->GetChildren();
            const CNode* leaf = leaves[Pick(0, static_cast<int>(leaves.size()) - 1)];
            target->GetChild(leaf->GetName())->SetValue(leaf->GetValue());
        }
        m_document.AnnounceChange(kind == 1 ? SNodeChange::Everything(true)
                                            : SNodeChange::Channels(kAreaMemory, channel, channel));
        return Image() != before;
    }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    CUndoHistory::State Image() {
        m_document.GetCloneManager().StoreNodes();
        return ImageOf(m_document);
    }

    CZ5Doc& m_document;
    std::mt19937 m_random;
};

TEST_F(CDocumentTest, HundredEditsUndoneAndRedoneGiveTheFilesByteForByte) {
    CZ5Doc document(settings, ui);
    ASSERT_TRUE(document.SaveFile(dir.File("original.cz5")).ok);
    CRandomEditor editor(document);
    int steps = 0;
    while (steps < 100) {
        steps += editor.Edit() ? 1 : 0;
    }
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(document.SaveFile(dir.File("edited.cz5")).ok);
    for (int i = 0; i < steps; ++i) {
        ASSERT_TRUE(document.Undo()) << i;
    }
    EXPECT_FALSE(document.CanUndo());
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(document.SaveFile(dir.File("undone.cz5")).ok);
    EXPECT_EQ(ReadFile(dir.File("undone.cz5")), ReadFile(dir.File("original.cz5")));
    for (int i = 0; i < steps; ++i) {
        ASSERT_TRUE(document.Redo()) << i;
    }
    EXPECT_FALSE(document.CanRedo());
    EXPECT_TRUE(document.IsModified());  // the undone state was saved last
    ASSERT_TRUE(document.SaveFile(dir.File("redone.cz5")).ok);
    EXPECT_EQ(ReadFile(dir.File("redone.cz5")), ReadFile(dir.File("edited.cz5")));
}

TEST_F(CDocumentTest, UndoBackToTheSavedStateClearsTheModifiedFlag) {
    CZ5Doc document(settings, ui);
    CNode& name = *RootOf(document).FindPath("MCH.CH12.FreqRx");
    name.SetValue(name.GetValue() + 1);
    document.AnnounceChange(SNodeChange::Channels(kAreaMemory, 12, 12));
    EXPECT_EQ(document.UndoName(), "Edit CH 12");
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(document.Undo());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.RedoName(), "Edit CH 12");
    ASSERT_TRUE(document.Redo());
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(document.SaveFile(dir.File("saved.cz5")).ok);
    document.SetStepVerb("Clear");
    z5channel::ClearChannel(*RootOf(document).FindPath("MCH.CH3"));
    document.AnnounceChange(SNodeChange::Channels(kAreaMemory, 3, 3));
    EXPECT_EQ(document.UndoName(), "Clear CH 3");
    ASSERT_TRUE(document.Undo());
    EXPECT_FALSE(document.IsModified());
    ASSERT_TRUE(document.Undo());
    EXPECT_TRUE(document.IsModified());
}

TEST_F(CDocumentTest, AChangeThatNamesItselfNamesItsStep) {
    CZ5Doc document(settings, ui);
    document.SetStepVerb("Clear");
    for (int channel = 3; channel <= 5; ++channel) {
        z5channel::ClearChannel(*RootOf(document).FindPath("MCH.CH" + std::to_string(channel)));
    }
    SNodeChange change = SNodeChange::Channels(kAreaMemory, 3, 5);
    change.stepName = "Clear 3 channels";
    document.AnnounceChange(change);
    EXPECT_EQ(document.UndoName(), "Clear 3 channels");
}

TEST_F(CDocumentTest, OpeningAFileOrAModelResetStartsAFreshHistory) {
    CZ5Doc document(settings, ui);
    ASSERT_TRUE(document.SaveFile(dir.File("plain.cz5")).ok);
    z5channel::ClearChannel(*RootOf(document).FindPath("MCH.CH0"));
    document.AnnounceChange(SNodeChange::Channels(kAreaMemory, 0, 0));
    ASSERT_TRUE(document.CanUndo());
    ASSERT_TRUE(document.OpenFile(dir.File("plain.cz5")).ok);
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.CanRedo());
    EXPECT_FALSE(document.Undo());

    z5channel::ClearChannel(*RootOf(document).FindPath("MCH.CH0"));
    document.AnnounceChange(SNodeChange::Channels(kAreaMemory, 0, 0));
    ASSERT_TRUE(document.CanUndo());
    document.OnModelReset();
    EXPECT_FALSE(document.CanUndo());
}

}  // namespace
