// Whatever bytes a channel list holds, the import neither crashes nor half
// imports: without skipping, every row arrives or nothing changes; with
// skipping, no channel changes that the result does not name.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "CsvTestSupport.h"

namespace {

using EStatus = SChannelCsvImport::EStatus;
using Texts = std::map<std::string, std::string>;

// texts without those of the channels named.
Texts WithoutChannels(Texts texts, const std::vector<int>& named) {
    for (int location : named) {
        const std::string prefix = "CH" + std::to_string(location) + ".";
        std::erase_if(texts,
                      [&prefix](const auto& entry) { return entry.first.starts_with(prefix); });
    }
    return texts;
}

// Imports text both ways into the rig's channels, filled anew from the seed
// each time, and checks the all-or-nothing and only-what-is-named rules.
void ExpectWholeOrNothing(CZ5CloneRig& rig, const std::string& text, int version,
                          std::uint32_t seed) {
    for (CChannelCsv::EBadRows badRows :
         {CChannelCsv::EBadRows::kRefuseAll, CChannelCsv::EBadRows::kSkip}) {
        CRandomChannels(seed).FillMemoryChannels(rig.Root(), version);
        const Texts before = MemoryChannelTexts(rig.Root());
        const SChannelCsvImport result = CChannelCsv(rig.manager).Import(text, badRows);
        if (result.status != EStatus::kImported) {
            EXPECT_EQ(MemoryChannelTexts(rig.Root()), before);
            EXPECT_FALSE(result.problems.empty());
            continue;
        }
        if (badRows == CChannelCsv::EBadRows::kRefuseAll) {
            EXPECT_TRUE(result.problems.empty());
        }
        EXPECT_EQ(WithoutChannels(MemoryChannelTexts(rig.Root()), result.imported),
                  WithoutChannels(before, result.imported));
        for (int location : result.imported) {
            EXPECT_EQ(MemoryChannel(rig.Root(), location).GetChild("Clear")->GetText(), "OFF");
        }
    }
}

std::string Mutate(std::string text, std::mt19937& random) {
    constexpr std::string_view kTroublemakers = ",\"\r\n ;.-+0123456789SRNT";
    for (unsigned n = 1 + random() % 6; n > 0 && !text.empty(); --n) {
        const std::size_t at = random() % text.size();
        const char c = random() % 3 == 0 ? static_cast<char>(random())
                                         : kTroublemakers[random() % kTroublemakers.size()];
        switch (random() % 4) {
            case 0:
                text[at] = c;
                break;
            case 1:
                text.insert(at, 1, c);
                break;
            case 2:
                text.erase(at, 1 + random() % 8);
                break;
            default:
                text.insert(at, text.substr(random() % text.size(), random() % 40));
                break;
        }
    }
    return text;
}

TEST(ChannelCsvRandomInput, MutatedListsImportWholeOrNotAtAll) {
    std::mt19937 random(77);
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        const int version = static_cast<int>(seed % 4);
        CZ5CloneRig source(version);
        CRandomChannels(seed).FillMemoryChannels(source.Root(), version);
        const std::string valid = CChannelCsv(source.manager).Export();
        for (int round = 0; round < 40; ++round) {
            const std::string text = Mutate(valid, random);
            SCOPED_TRACE(text);
            ExpectWholeOrNothing(source, text, version, seed + 50);
        }
    }
}

TEST(ChannelCsvRandomInput, RandomBytesAreRefusedWithoutHarm) {
    std::mt19937 random(78);
    const std::string header = "Location,Frequency,Name,Tone,DtcsCode\n";
    CZ5CloneRig rig(0);
    for (int round = 0; round < 40; ++round) {
        std::string text = round % 2 == 0 ? header : std::string();
        for (unsigned n = random() % 400; n > 0; --n) {
            text += static_cast<char>(random());
        }
        ExpectWholeOrNothing(rig, text, 0, static_cast<std::uint32_t>(round));
    }
}

}  // namespace
