#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "model/BitNode.h"
#include "model/FreqNode.h"
#include "model/NumNode.h"
#include "model/StringNode.h"
#include "model/Value.h"
#include "model/ValueList.h"
#include "model/Z5FreqNode.h"

namespace {

TEST(Value, StaysInsideItsRange) {
    CValue port(1, 16, 1);
    EXPECT_EQ(port.GetValue(), 1);
    port.SetValue(40);
    EXPECT_EQ(port.GetValue(), 16);
    port.SetValue(std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(port.GetValue(), 1);
    EXPECT_EQ(port.GetText(), "1");
    port.SetValue(9);
    port.Reset();
    EXPECT_EQ(port.GetValue(), 1);
    port.SetRange(5, 2);  // an inverted range collapses to its minimum
    EXPECT_EQ(port.GetMaximum(), 5);
    EXPECT_EQ(port.GetValue(), 5);
}

TEST(Value, FindValidSkipsExcludedValues) {
    CValueList list(0, 5, 2);
    list.AddExcluded(2);
    list.AddExcluded(0);
    EXPECT_TRUE(list.IsValid(5));
    EXPECT_FALSE(list.IsValid(2));
    EXPECT_EQ(list.FindValid(4), 4);
    EXPECT_EQ(list.FindValid(2), 1);  // the initial value 2 is excluded too
    CValueList none(0, 1);
    none.AddExcluded(0);
    none.AddExcluded(1);
    EXPECT_EQ(none.FindValid(7), 0);
    none.SetValue(0);  // SetValue clamps to the range only
    EXPECT_EQ(none.GetValue(), 0);
}

TEST(NumNode, TakesOnlyKnownChoiceTextsAndClampsValues) {
    CNumNode node;
    EXPECT_EQ(node.GetName(), "NumNode");
    node.AddName("OFF", 0);
    node.AddName("ON", 1);
    EXPECT_TRUE(node.SetText("ON"));
    EXPECT_EQ(node.GetValue(), 1);
    EXPECT_FALSE(node.SetText("on"));
    EXPECT_EQ(node.GetValue(), 1);
    node.SetValue(300);
    EXPECT_EQ(node.GetValue(), 255);
    EXPECT_EQ(node.GetText(), "");
    node.SetValue(-3);
    EXPECT_EQ(node.GetText(), "OFF");

    CBitNode bit;
    EXPECT_EQ(bit.GetName(), "BitNode");
    bit.SetValue(2);
    EXPECT_EQ(bit.GetValue(), 1);
}

TEST(NumNode, CopyFromMergesChoicesButNotTheValue) {
    CNumNode source, target;
    source.AddName("A", 1);
    source.AddName("B", 2);
    source.AddExcluded(7);
    source.SetValue(2);
    target.AddName("A", 9);
    target.AddName("Z", 3);
    target.SetValue(5);
    target = source;
    EXPECT_EQ(target.GetValue(), 5);
    EXPECT_EQ(target.ValueOf("A"), 1);
    EXPECT_EQ(target.ValueOf("Z"), 3);
    EXPECT_FALSE(target.IsValid(7));
    EXPECT_EQ(target.GetValuePart(), &target);
    EXPECT_EQ(target.GetNodePart(), &target);
}

// Lists that share their choices (as the leaves of one memory map row do)
// stay apart once one of them changes its own.
TEST(ValueList, SharedChoicesChangeOnlyTheListThatChangesThem) {
    CValueList row(0, 9);
    row.AddName("OFF", 0);
    row.AddName("ON", 1);
    row.AddExcluded(5);
    CValueList first(0, 9), second(0, 9);
    first.ShareChoices(row);
    second.ShareChoices(row);
    EXPECT_EQ(&first.GetNames(), &second.GetNames());

    const struct {
        const char* change;
        void (*apply)(CValueList&);
    } changes[] = {
        {"AddName", [](CValueList& list) { list.AddName("ON", 7); }},
        {"AddExcluded", [](CValueList& list) { list.AddExcluded(1); }},
        {"MergeChoices",
         [](CValueList& list) {
             CValueList other(0, 9);
             other.AddName("ON", 7);
             other.AddExcluded(1);
             list.MergeChoices(other);
         }},
    };
    for (const auto& change : changes) {
        CValueList changed(0, 9);
        changed.ShareChoices(row);
        change.apply(changed);
        EXPECT_EQ(first.ValueOf("ON"), 1) << change.change;
        EXPECT_TRUE(first.IsValid(1)) << change.change;
        EXPECT_FALSE(first.IsValid(5)) << change.change;
        EXPECT_EQ(row.GetNames().size(), 2u) << change.change;
        EXPECT_EQ(changed.TextOf(0), "OFF") << change.change;
    }
}

TEST(FreqNode, ShowsMegahertzWithFiveDecimals) {
    CFreqNode node;
    EXPECT_EQ(node.GetName(), "NumNode");
    node.SetValue(145'000'000);
    EXPECT_EQ(node.GetText(), "145.00000");
    node.SetValue(999'999'999);
    EXPECT_EQ(node.GetText(), "999.00000");
    CZ5FreqNode z5;
    EXPECT_EQ(z5.GetName(), "Z5FreqNode");
    EXPECT_EQ(z5.GetText(), "0.00000");
    z5.SetValue(146'006'250);
    EXPECT_EQ(z5.GetText(), "146.00625");
}

TEST(FreqNode, ReadsTheLeadingNumberAndReportsClamping) {
    struct Case {
        const char* text;
        std::int32_t value;
        bool valid;
    };
    const Case cases[] = {
        {"  145.5", 145'500'000, true},
        {"\t146", 146'000'000, true},
        {"+146.1MHz", 146'100'000, true},
        {"-3", 100'000'000, false},
        {"", 100'000'000, false},
        {"abc", 100'000'000, false},
        {"inf", 100'000'000, false},
        {"nan", 100'000'000, false},
        {"1e300", 999'000'000, false},
        {"99999999999999", 999'000'000, false},
        {"        145.123456789", 145'123'000, true},  // only 15 characters count
        {"145,5", 145'000'000, true},                  // the comma ends the number
    };
    for (const Case& c : cases) {
        CFreqNode node;
        EXPECT_EQ(node.SetText(c.text), c.valid) << c.text;
        EXPECT_EQ(node.GetValue(), c.value) << c.text;
    }
}

TEST(Z5FreqNode, MovesTypedFrequenciesDownToTheChannelRaster) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"145.0125", 145'012'500},
        {"145.0037", 145'000'000},
        {"145.00625", 145'005'000},
        {"145.01", 145'010'000},
        {"0", 0},
        {"0.004", 0},
        {"250", 199'990'000},
        {"", 0},
        {"0.0125", 12'500},
    };
    for (const Case& c : cases) {
        CZ5FreqNode node;
        node.SetText(c.text);
        EXPECT_EQ(node.GetValue(), c.value) << c.text;
    }
}

TEST(StringNode, StoresAnyTextWithoutTrailingWhiteSpace) {
    CStringNode node;
    EXPECT_EQ(node.GetName(), "StringNode");
    EXPECT_TRUE(node.SetText("AB  "));
    EXPECT_EQ(node.GetText(), "AB");
    node.SetString(" A\tB \t\r\n");
    EXPECT_EQ(node.GetString(), " A\tB");
    node.SetString("   ");
    EXPECT_EQ(node.GetString(), "");
    const std::string longText(5000, 'x');
    node.SetString(longText);
    EXPECT_EQ(node.GetString(), longText);
    EXPECT_EQ(node.GetValue(), 0);

    CStringNode copy;
    copy.SetName("Name");
    node.SetName("Comment");
    copy.CopyFrom(node);
    EXPECT_EQ(copy.GetString(), longText);
    EXPECT_EQ(copy.GetName(), "Comment");
}

}  // namespace
