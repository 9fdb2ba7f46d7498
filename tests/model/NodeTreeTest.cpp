#include "model/Node.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ChoiceList.h"
#include "model/NodeAccess.h"
#include "model/NumNode.h"
#include "model/StringNode.h"
#include "model/TextFilter.h"
#include "model/Z5FreqNode.h"

namespace {

TEST(NodeTree, APlainNodeShowsItsNameAndData) {
    CNode node;
    EXPECT_EQ(node.GetName(), "");
    EXPECT_EQ(node.GetText(), "");
    EXPECT_EQ(node.GetValue(), 0);
    EXPECT_EQ(node.GetTag(), -1);
    EXPECT_FALSE(node.SetText("x"));
    node.SetValue(5);
    node.SetName("Area");
    node.SetData(7);
    EXPECT_EQ(node.GetText(), "Area");
    EXPECT_EQ(node.GetValue(), 7);
}

TEST(NodeTree, OnlyDataChangesMarkANodeModified) {
    CNumNode number;
    number.AddName("ON", 1);
    number.SetValue(3);
    number.SetText("ON");
    CStringNode text;
    text.SetText("AB");
    EXPECT_FALSE(number.IsModified());
    EXPECT_FALSE(text.IsModified());
    number.SetData(0);
    EXPECT_TRUE(number.IsModified());
}

TEST(NodeTree, ModifiedTreeLooksAtEveryNodeBelow) {
    CNode root, area, leaf;
    root.AddChild(&area);
    area.AddChild(&leaf);
    EXPECT_FALSE(root.IsModifiedTree());
    leaf.MarkModified();
    EXPECT_TRUE(root.IsModifiedTree());
    EXPECT_FALSE(root.IsModified());

    CNode other, below;
    other.AddChild(&below);
    other.MarkModifiedTree();
    EXPECT_TRUE(below.IsModified());
}

TEST(NodeTree, SharedChildrenThatLeadBackUpDoNotLoop) {
    CNode top, middle;
    top.AddChild(&middle);
    middle.CopyFrom(top);  // middle now lists itself among its children
    EXPECT_FALSE(top.AddChild(&top));
    EXPECT_TRUE(top.IsModifiedTree());  // middle took top's data
    top.MarkModifiedTree();
    EXPECT_TRUE(top.IsModified());
}

TEST(NodeTree, ChildrenAreFoundByExactName) {
    CNode parent, channel, other;
    channel.SetName("CH1");
    other.SetName("CH1");
    parent.AddChild(&channel);
    parent.AddChild(&other);
    EXPECT_EQ(parent.GetChild("CH1"), &channel);
    EXPECT_EQ(parent.GetChild("ch1"), nullptr);
    EXPECT_EQ(parent.GetChild("CH1 "), nullptr);
    EXPECT_EQ(parent.GetChild(""), nullptr);
    EXPECT_EQ(parent.AddChild(nullptr), nullptr);
    EXPECT_EQ(parent.GetChildren().size(), 2u);
    EXPECT_TRUE(channel.IsSameName(other));
}

TEST(NodeTree, CopyFromSharesChildrenAndCountsTheGeneration) {
    CNode source, target, a, b, c;
    source.AddChild(&a);
    source.AddChild(&b);
    target.AddChild(&c);
    source.SetName("Src");
    source.SetTag(4);
    source.SetData(9);
    const std::int64_t before = CNodeBase::GetConstructionCount();
    CNode temporary;
    EXPECT_EQ(CNodeBase::GetConstructionCount(), before + 1);
    target = source;
    EXPECT_EQ(target.GetChildren(), (std::vector<CNode*>{&c, &a, &b}));
    EXPECT_EQ(target.GetName(), "Src");
    EXPECT_EQ(target.GetTag(), 4);
    EXPECT_EQ(target.GetData(), 9);
    EXPECT_EQ(target.GetGeneration(), 1);
    EXPECT_EQ(target.GetStamp(), before + 1);
    EXPECT_TRUE(target.IsModified());
    target.CopyFrom(target);
    EXPECT_EQ(target.GetChildren().size(), 3u);
    EXPECT_EQ(target.GetGeneration(), 1);
}

class ActiveTree : public ::testing::Test {
  protected:
    ActiveTree() {
        area.SetName("Common");
        leaf.SetName("Beep");
        root.AddChild(&area);
        area.AddChild(&leaf);
        CNode::SetActiveRoot(&root);
    }
    ~ActiveTree() override { CNode::SetActiveRoot(nullptr); }

    CNode root, area, leaf;
};

TEST_F(ActiveTree, PathsResolveOneNamePerLevel) {
    EXPECT_EQ(CNode::ResolvePath(""), &root);
    EXPECT_EQ(CNode::ResolvePath("Common"), &area);
    EXPECT_EQ(CNode::ResolvePath("Common.Beep"), &leaf);
    for (const char* missing : {"Common..Beep", "Common.", ".Common", ".", "common.Beep",
                                "Common.Beep.X", "Beep", "Common.Beep "}) {
        EXPECT_EQ(CNode::ResolvePath(missing), nullptr) << missing;
    }
    CNode::SetActiveRoot(nullptr);
    EXPECT_EQ(CNode::ResolvePath(""), nullptr);
    EXPECT_EQ(CNode::ResolvePath("Common"), nullptr);
}

TEST_F(ActiveTree, ByNameAccessIgnoresMissingNodes) {
    EXPECT_FALSE(SetNodeValue(nullptr, "Beep", 1));
    EXPECT_FALSE(SetNodeValue(&area, "Nope", 1));
    EXPECT_FALSE(SetNodeText(&area, "Nope", "ON"));
    EXPECT_EQ(GetNodeValue(&area, "Nope"), 0);
    EXPECT_EQ(GetNodeText(nullptr, "Beep"), "");
    EXPECT_EQ(GetNodeText(&area, "Beep"), "Beep");
    // The plain leaf is neither a text nor a frequency leaf.
    EXPECT_FALSE(SetNodeString(&area, "Beep", "x"));
    EXPECT_EQ(GetNodeString(&area, "Beep"), "");
    EXPECT_FALSE(SetNodeFreq(&area, "Beep", "145"));
    EXPECT_EQ(GetNodeFreq(&area, "Beep"), "");
}

TEST(NodeAccess, ActsOnTheNamedLeaf) {
    CNode channel;
    CZ5FreqNode freq;
    CStringNode name;
    CNumNode duplex;
    freq.SetName("FreqRx");
    name.SetName("Name");
    duplex.SetName("Duplex");
    duplex.AddName("+Dup", 2);
    for (CNode* leaf : std::initializer_list<CNode*>{&freq, &name, &duplex}) {
        channel.AddChild(leaf);
    }
    EXPECT_TRUE(SetNodeFreq(&channel, "FreqRx", "145.0125"));
    EXPECT_EQ(GetNodeFreq(&channel, "FreqRx"), "145.01250");
    EXPECT_FALSE(SetNodeFreq(&channel, "FreqRx", "250"));
    EXPECT_EQ(GetNodeValue(&channel, "FreqRx"), 199'990'000);
    EXPECT_TRUE(SetNodeString(&channel, "Name", "ABC  "));
    EXPECT_EQ(GetNodeString(&channel, "Name"), "ABC");
    EXPECT_TRUE(SetNodeText(&channel, "Duplex", "+Dup"));
    EXPECT_EQ(GetNodeText(&channel, "Duplex"), "+Dup");
    EXPECT_TRUE(SetNodeValue(&channel, "Duplex", 300));
    EXPECT_EQ(GetNodeValue(&channel, "Duplex"), 255);
    // A value node passed as the parent is used through its tree part.
    CNumNode holder;
    holder.AddChild(&name);
    EXPECT_EQ(GetNodeString(&holder, "Name"), "ABC");
}

class RecordingList : public CChoiceList {
  public:
    void Clear() override { texts.clear(); }
    void AddText(std::string_view text) override { texts.emplace_back(text); }
    int FindTextNoCase(std::string_view text) const override {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (std::equal(texts[i].begin(), texts[i].end(), text.begin(), text.end(),
                           [](char a, char b) { return std::tolower(a) == std::tolower(b); })) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    void Select(int index) override { selected = index; }

    std::vector<std::string> texts;
    int selected = -1;
};

TEST(ChoiceList, OffersTheNamedValuesAndSelectsTheCurrentOne) {
    CNode parent;
    CNumNode set;
    set.SetName("TONESet");
    for (auto [text, value] : {std::pair{"off", 0}, {"TONE", 1}, {"TSQL", 3}}) {
        set.AddName(text, value);
    }
    parent.AddChild(&set);
    set.SetValue(3);

    RecordingList list;
    list.texts = {"old"};
    EXPECT_TRUE(FillChoiceList(&parent, "TONESet", list, 0, 3, true));
    EXPECT_EQ(list.texts, (std::vector<std::string>{"off", "TONE", "TSQL"}));
    EXPECT_EQ(list.selected, 2);
    EXPECT_EQ(set.GetValue(), 3);
    EXPECT_FALSE(set.IsModified());

    // Without clearing the entries are added; beyond the range nothing repeats.
    set.SetValue(0);
    EXPECT_TRUE(FillChoiceList(&parent, "TONESet", list, -5, 1000, false));
    EXPECT_EQ(list.texts.size(), 6u);
    EXPECT_EQ(list.selected, 0);  // "OFF" matches "off" with case ignored

    RecordingList untouched;
    EXPECT_FALSE(FillChoiceList(&parent, "Missing", untouched, 0, 3, true));
    EXPECT_FALSE(FillChoiceList(nullptr, "TONESet", untouched, 0, 3, true));
}

TEST(TextFilter, KeepsAllowedAndReplacesListedCharacters) {
    std::string digits = "1a2 3*";
    EXPECT_TRUE(KeepAllowed(digits, "0123456789"));
    EXPECT_EQ(digits, "123");
    EXPECT_FALSE(KeepAllowed(digits, "0123456789"));
    std::string empty;
    EXPECT_FALSE(KeepAllowed(empty, ""));

    std::string name = "a,b;c";
    ReplaceListed(name, "\\,", ",;");
    EXPECT_EQ(name, "a\\,b\\,c");
    ReplaceListed(name, "", "\\");
    EXPECT_EQ(name, "a,b,c");
}

}  // namespace
