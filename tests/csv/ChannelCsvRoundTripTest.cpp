// A channel list exported and imported back gives the same clone file: the
// factory images of the four versions and files with random channels, each
// imported into a copy whose channels in use were changed.
#include <gtest/gtest.h>

#include <memory>

#include "../app/DocumentTestSupport.h"
#include "CsvTestSupport.h"
#include "transport/SettingsKeys.h"

namespace {

class ChannelCsvRoundTrip : public CDocumentTest {
  protected:
    std::unique_ptr<CZ5Doc> NewDocument(int version) {
        settings.SetInt(SettingsKey::kModelSection, SettingsKey::kModelVer.name, version);
        return std::make_unique<CZ5Doc>(settings, ui);
    }
    std::unique_ptr<CZ5Doc> Open(const std::string& path, int version) {
        std::unique_ptr<CZ5Doc> document = NewDocument(version);
        EXPECT_TRUE(document->OpenFile(path).ok) << path;
        return document;
    }

    // Exports the list of file a, imports it into a copy of a whose channels
    // in use got other random values, saves that as file b and expects b to
    // read as a, leaf for leaf.
    void ExpectRoundTrip(const std::string& a, int version, std::uint32_t seed) {
        std::unique_ptr<CZ5Doc> source = Open(a, version);
        const std::string csv = CChannelCsv(source->GetCloneManager()).Export();

        std::unique_ptr<CZ5Doc> target = Open(a, version);
        CRandomChannels random(seed);
        int inUse = 0;
        for (int location = 0; location < kMemoryChannels; ++location) {
            CNode& channel = MemoryChannel(RootOf(*target), location);
            if (channel.GetChild("Clear")->GetValue() == 0) {
                random.FillLayoutLeaves(channel, kBandOfVersion[version]);
                ++inUse;
            }
        }
        const SChannelCsvImport result =
            CChannelCsv(target->GetCloneManager()).Import(csv, CChannelCsv::EBadRows::kRefuseAll);
        ASSERT_EQ(result.status, SChannelCsvImport::EStatus::kImported)
            << (result.problems.empty() ? "" : result.problems[0].Describe());
        EXPECT_EQ(static_cast<int>(result.imported.size()), inUse);
        ASSERT_TRUE(target->SaveFile(dir.File("b.cz5")).ok);

        EXPECT_EQ(LeafTexts(*Open(dir.File("b.cz5"), version)), LeafTexts(*source));
    }
};

TEST_F(ChannelCsvRoundTrip, FactoryImagesOfEveryVersion) {
    for (int version = 0; version < 4; ++version) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(NewDocument(version)->SaveFile(dir.File("a.cz5")).ok);
        ExpectRoundTrip(dir.File("a.cz5"), version, 100 + version);
    }
}

TEST_F(ChannelCsvRoundTrip, RandomChannelsOfEveryVersion) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        const int version = static_cast<int>(seed % 4);
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::unique_ptr<CZ5Doc> document = NewDocument(version);
        CRandomChannels(seed).FillMemoryChannels(RootOf(*document), version);
        ASSERT_TRUE(document->SaveFile(dir.File("a.cz5")).ok);
        ExpectRoundTrip(dir.File("a.cz5"), version, seed + 1000);
    }
}

// Into a fresh file with fresh settings (no version known): every leaf of
// every channel comes back, those only this program's columns carry and
// 6.25 kHz frequencies anywhere in 136 to 174 MHz included. The list's
// channels are put into a file that began as the same fresh file, so the
// two files must read alike leaf for leaf.
TEST_F(ChannelCsvRoundTrip, RandomChannelsIntoAFreshFileWithFreshSettings) {
    constexpr SBand kWholeRange = {136'000'000, 174'000'000};
    for (std::uint32_t seed = 21; seed <= 28; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CMemorySettingsStore fresh;
        CZ5Doc source(fresh, ui);
        CRandomChannels random(seed);
        for (int location = 0; location < kMemoryChannels; ++location) {
            if (random.Between(0, 3) != 0) {
                CNode& channel = MemoryChannel(RootOf(source), location);
                random.FillLayoutLeaves(channel, kWholeRange);
                random.FillOtherLeaves(channel);
                channel.GetChild("Clear")->SetValue(0);
            }
        }
        ASSERT_TRUE(source.SaveFile(dir.File("a.cz5")).ok);
        CZ5Doc exported(fresh, ui);
        ASSERT_TRUE(exported.OpenFile(dir.File("a.cz5")).ok);
        const std::string csv = CChannelCsv(exported.GetCloneManager()).Export();

        CZ5Doc target(fresh, ui);
        CChannelCsv channels(target.GetCloneManager());
        channels.SetVersionUnknown(true);
        const SChannelCsvImport result = channels.Import(csv, CChannelCsv::EBadRows::kRefuseAll);
        ASSERT_EQ(result.status, SChannelCsvImport::EStatus::kImported)
            << (result.problems.empty() ? "" : result.problems[0].Describe());
        EXPECT_TRUE(result.warnings.empty()) << result.warnings[0].Describe();
        ASSERT_TRUE(target.SaveFile(dir.File("b.cz5")).ok);

        CZ5Doc reread(fresh, ui);
        ASSERT_TRUE(reread.OpenFile(dir.File("b.cz5")).ok);
        EXPECT_EQ(LeafTexts(reread), LeafTexts(exported));
    }
}

}  // namespace
