// Undo and Redo of the document: the history's own bookkeeping, and many
// random edits taken back and done again, compared as saved files.
#include <gtest/gtest.h>

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
