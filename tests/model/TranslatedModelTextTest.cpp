// The model's texts for people in another language: labels and step names
// put together from marked texts take the program's lookup, and the radio's
// own names stay as the radio calls them.
#include <gtest/gtest.h>

#include <string>

#include "model/Z5ChannelOrder.h"
#include "model/Z5LeafLabels.h"

namespace {

// A language that writes every text it knows between brackets, with its
// context: "[z5area:Memory CH]".
std::string Bracketed(const char* context, const char* source) {
    return std::string("[") + context + ":" + source + "]";
}

// A translation that lost its placeholder.
std::string WithoutPlaceholder(const char*, const char*) {
    return "sorted";
}

TEST(TranslatedModelTextTest, LabelsTranslateTitlesAndNamesButNotTheRadiosNames) {
    struct SCase {
        const char* path;
        const char* english;
        const char* translated;
    };
    const SCase cases[] = {
        {"MCH.CH1.FreqRx", "Memory CH 01 \u00b7 Frequency",
         "[z5area:Memory CH] 01 \u00b7 [z5label:Frequency]"},
        {"PCH.CH3", "Program scan edge 2B", "[z5area:Program scan edge] 2B"},
        {"CCH.CH0.Skip", "Call \u00b7 Skip", "[z5area:Call] \u00b7 [z5label:Skip]"},
        {"Common.TOT", "Common \u00b7 Time-Out Timer",
         "[z5area:Common] \u00b7 [z5label:Time-Out Timer]"},
        // A memory's own name and a record's name stay.
        {"DTMF.D3", "DTMF D3", "[z5area:DTMF] D3"},
        {"PGR.C4.Code", "PGR C4 \u00b7 Code", "[z5area:PGR] C4 \u00b7 [z5label:Code]"},
        // A leaf or path the table does not know is shown as it is.
        {"MCH.CH1.Bogus", "Memory CH 01 \u00b7 Bogus", "[z5area:Memory CH] 01 \u00b7 Bogus"},
        {"XYZ.Q", "XYZ.Q", "XYZ.Q"},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(z5label::LabelOf(c.path).Text(), c.english) << c.path;
        const z5label::SLeafLabel label = z5label::LabelOf(c.path, &Bracketed);
        EXPECT_EQ(label.Text(), c.translated) << c.path;
        // What other code reads of a label is not translated.
        EXPECT_EQ(label.area, z5label::LabelOf(c.path).area) << c.path;
        EXPECT_EQ(label.groupPath, z5label::LabelOf(c.path).groupPath) << c.path;
    }
}

TEST(TranslatedModelTextTest, SortNamesAreOneTextWithTheTranslatedKey) {
    using z5channel::ESortKey;
    EXPECT_EQ(z5channel::SortName(ESortKey::Frequency), "Sort by frequency");
    EXPECT_EQ(z5channel::SortName(ESortKey::DtcsCode, true), "Sort by DTCS code, descending");
    EXPECT_EQ(z5channel::SortName(ESortKey::Name, true, &Bracketed),
              "[z5channel:Sort by [z5channel:name], descending]");
    // A translation without its placeholder is shown as it is.
    EXPECT_EQ(z5channel::SortName(ESortKey::Name, false, &WithoutPlaceholder), "sorted");
}

}  // namespace
