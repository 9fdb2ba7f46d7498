#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/TypedFrequency.h"
#include "model/Z5FreqNode.h"

namespace {

struct STypedCase {
    const char* typed;
    std::optional<std::string> canonical;
};

TEST(TypedFrequency, ReadsWhatEitherDecimalMarkWritesAndNothingElse) {
    const STypedCase cases[] = {
        {"146.52", "146.52"},
        {"146,52", "146.52"},
        {"  146,52\t", "146.52"},
        {"+145", "145"},
        {".5", "0.5"},
        {"5.", "5"},
        {"000000000000146.52", "146.52"},
        {"146.5200000000000001", "146.520000000"},
        {"", ""},
        {"   ", ""},
        {"146.5x", std::nullopt},
        {"abc", std::nullopt},
        {"1e3", std::nullopt},
        {"-3", std::nullopt},
        {"146.52.1", std::nullopt},
        {"146,520.5", std::nullopt},
        {"1 46", std::nullopt},
        {"146.52 MHz", std::nullopt},
        {".", std::nullopt},
        {"+", std::nullopt},
        {"0x90", std::nullopt},
        {"\xef\xbc\x91\xef\xbc\x94\xef\xbc\x96", std::nullopt},  // full-width digits
    };
    for (const STypedCase& c : cases) {
        std::string reason;
        EXPECT_EQ(TypedFrequency::Canonical(c.typed, &reason), c.canonical) << c.typed;
        EXPECT_EQ(reason.empty(), c.canonical.has_value()) << c.typed;
    }
}

TEST(TypedFrequency, CanonicalTextIsReadByTheLeafAsTyped) {
    CZ5FreqNode leaf;
    for (const char* typed : {"146,52", "0000000000000000145.0125", "145,00625"}) {
        const std::optional<std::string> text = TypedFrequency::Canonical(typed);
        ASSERT_TRUE(text) << typed;
        EXPECT_TRUE(leaf.SetText(*text)) << typed;
    }
    EXPECT_EQ(leaf.GetValue(), 145'005'000);  // the leaf's raster still applies
    leaf.SetText(*TypedFrequency::Canonical("0000000000000000145.0125"));
    EXPECT_EQ(leaf.GetValue(), 145'012'500);
}

}  // namespace
