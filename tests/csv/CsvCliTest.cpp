// cpz5-cli export-csv, import-csv and diff, run as a user runs them.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "../app/DocumentTestSupport.h"
#include "../support/CliRun.h"
#include "CsvTestSupport.h"

namespace {

class CsvCli : public CDocumentTest {
  protected:
    SCliRun Run(const std::string& arguments) { return RunCli(dir.Path(), arguments); }

    // A new file a.cz5 for a USA radio, and the channel list in.csv.
    bool NewUsaFileAndList(const std::string& csv) {
        WriteFile(dir.File("in.csv"), csv);
        return Run("new --version USA -o a.cz5").status == 0;
    }
};

const char* const kVersions[] = {"GEN", "SEA", "USA", "EUR"};
const char* const kInBand[] = {"145.55", "149.1", "147.125", "144.0125"};

TEST_F(CsvCli, ExportThenImportGivesBackTheSameFile) {
    for (int version = 0; version < 4; ++version) {
        SCOPED_TRACE(kVersions[version]);
        const std::string v = std::string(" --version ") + kVersions[version];
        ASSERT_EQ(Run("new" + v + " -o a.cz5").status, 0);
        ASSERT_EQ(Run("export-csv a.cz5 -o a.csv").status, 0);
        EXPECT_EQ(Run("export-csv a.cz5").out, ReadFile(dir.File("a.csv")));
        ASSERT_EQ(Run(std::string("set a.cz5 MCH.CH0.FreqRx=") + kInBand[version] +
                      " MCH.CH0.Name=XY MCH.CH0.TONESet=TSQL -o b.cz5")
                      .status,
                  0);

        const SCliRun before = Run("diff a.cz5 b.cz5");
        EXPECT_EQ(before.status, 1);
        EXPECT_NE(before.out.find("MCH.CH0.Name: ----- -> XY\n"), std::string::npos) << before.out;
        EXPECT_NE(before.out.find("MCH.CH0.TONESet: OFF -> TSQL\n"), std::string::npos);

        const SCliRun import = Run("import-csv" + v + " b.cz5 a.csv");
        EXPECT_EQ(import.status, 0) << import.err;
        const SCliRun after = Run("diff a.cz5 b.cz5");
        EXPECT_EQ(after.status, 0);
        EXPECT_EQ(after.out, "");
    }
}

TEST_F(CsvCli, ABadRowStopsTheImportUnlessSkipped) {
    ASSERT_TRUE(
        NewUsaFileAndList("Location,Frequency,Name\n"
                          "10,147.0,GOOD\n"
                          "11,430.0,FAR\n"));
    const std::string original = ReadFile(dir.File("a.cz5"));

    const SCliRun refused = Run("import-csv --version USA a.cz5 in.csv");
    EXPECT_EQ(refused.status, 65);
    EXPECT_NE(refused.err.find("\"in.csv\": line 3: Frequency 430.000000 MHz"), std::string::npos)
        << refused.err;
    EXPECT_EQ(ReadFile(dir.File("a.cz5")), original);

    const SCliRun skipped = Run("import-csv --version USA a.cz5 in.csv -o b.cz5 --skip-bad");
    EXPECT_EQ(skipped.status, 0) << skipped.err;
    EXPECT_NE(skipped.err.find("skipped line 3"), std::string::npos);
    EXPECT_EQ(Run("get b.cz5 MCH.CH10.Name MCH.CH10.FreqRx MCH.CH11.Clear").out,
              "GOOD\n147.00000\nON\n");
}

TEST_F(CsvCli, FilesThatCannotBeReadAndBadCommandLines) {
    ASSERT_EQ(Run("new -o a.cz5").status, 0);
    WriteFile(dir.File("broken.cz5"), "not a clone file\n");
    const std::pair<std::string, int> cases[] = {
        {"diff a.cz5 missing.cz5", 2},
        {"diff broken.cz5 a.cz5", 2},
        {"diff a.cz5", 64},
        {"import-csv a.cz5 missing.csv", 2},
        {"import-csv a.cz5", 64},
        {"export-csv missing.cz5", 2},
        {"export-csv a.cz5 -o no/such/dir/x.csv", 2},
    };
    for (const auto& [arguments, status] : cases) {
        EXPECT_EQ(Run(arguments).status, status) << arguments;
    }
}

// Files with random channels in every leaf, 6.25 kHz frequencies anywhere
// the radio receives included, go through export-csv and import-csv into a
// fresh file, with settings that never saw the setup: diff finds nothing.
// The random file began as the fresh file, so the channels it does not use
// are alike in both.
TEST_F(CsvCli, ARoundTripIntoAFreshFileLosesNothing) {
    ASSERT_EQ(Run("new -o fresh.cz5").status, 0);
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(seed);
        CMemorySettingsStore fresh;
        CZ5Doc source(fresh, ui);
        ASSERT_TRUE(source.OpenFile(dir.File("fresh.cz5")).ok);
        CRandomChannels random(seed);
        for (int location = 0; location < kMemoryChannels; ++location) {
            if (random.Between(0, 3) != 0) {
                CNode& channel = MemoryChannel(RootOf(source), location);
                random.FillLayoutLeaves(channel, {136'000'000, 174'000'000});
                random.FillOtherLeaves(channel);
                channel.GetChild("Clear")->SetValue(0);
            }
        }
        ASSERT_TRUE(source.SaveFile(dir.File("a.cz5")).ok);

        ASSERT_EQ(Run("export-csv a.cz5 -o a.csv").status, 0);
        const SCliRun import = Run("import-csv fresh.cz5 a.csv -o b.cz5");
        EXPECT_EQ(import.status, 0) << import.err;
        EXPECT_EQ(import.err, "");
        const SCliRun diff = Run("diff a.cz5 b.cz5");
        EXPECT_EQ(diff.status, 0);
        EXPECT_EQ(diff.out.substr(0, 1000), "");
    }
}

// Settings that never saw the setup name no version: the USA factory
// channel at 146.01 MHz goes into a fresh file; --version GEN refuses it.
TEST_F(CsvCli, WithNoVersionKnownTheWholeRangeCounts) {
    ASSERT_EQ(Run("new --version USA -o usa.cz5").status, 0);
    ASSERT_EQ(Run("export-csv usa.cz5 -o usa.csv").status, 0);
    ASSERT_NE(ReadFile(dir.File("usa.csv")).find("\r\n0,'-----,146.010000,"), std::string::npos);
    ASSERT_EQ(Run("new -o fresh.cz5").status, 0);

    EXPECT_EQ(Run("import-csv --version GEN fresh.cz5 usa.csv").status, 65);
    const SCliRun import = Run("import-csv fresh.cz5 usa.csv -o b.cz5");
    EXPECT_EQ(import.status, 0) << import.err;
    EXPECT_EQ(Run("get b.cz5 MCH.CH0.FreqRx").out, "146.01000\n");
}

TEST_F(CsvCli, ASpreadsheetListImportsAndWhatItLosesIsSaid) {
    ASSERT_TRUE(
        NewUsaFileAndList("Location;Name;Frequency;Duplex;Offset\r\n"
                          "10;Zürich;147,0;+;0,6\r\n"
                          "11;HOME;146,5031;;\r\n"));
    const SCliRun import = Run("import-csv a.cz5 in.csv -o b.cz5");
    EXPECT_EQ(import.status, 0) << import.err;
    EXPECT_NE(
        import.err.find("\"in.csv\": warning: line 2: Name \"Zürich\" is stored as \"ZRICH\""),
        std::string::npos)
        << import.err;
    EXPECT_NE(import.err.find("\"in.csv\": warning: line 3: Frequency 146.503100 MHz is stored as "
                              "146.505000 MHz"),
              std::string::npos);
    EXPECT_EQ(Run("get b.cz5 MCH.CH10.Name MCH.CH10.FreqRx MCH.CH10.FreqOw MCH.CH11.FreqRx").out,
              "ZRICH\n147.00000\n0.60000\n146.50500\n");
}

TEST_F(CsvCli, AFifoAsTheListEndsAtOnceAndChangesNothing) {
    ASSERT_EQ(Run("new -o a.cz5").status, 0);
    ASSERT_EQ(::mkfifo(dir.File("list.csv").c_str(), 0600), 0);
    const std::string original = ReadFile(dir.File("a.cz5"));
    const SCliRun import = Run("import-csv a.cz5 list.csv");
    EXPECT_EQ(import.status, 2);
    EXPECT_EQ(import.err, "cpz5-cli: \"list.csv\" is a FIFO, not a regular file\n");
    EXPECT_EQ(ReadFile(dir.File("a.cz5")), original);
}

// Set from the command line, a short pager code gets the leading zeros the
// PGR dialog gives it.
TEST_F(CsvCli, AShortPagerCodeIsStoredWithLeadingZeros) {
    ASSERT_EQ(Run("new -o a.cz5").status, 0);
    ASSERT_EQ(Run("set a.cz5 PGR.C2.Code=12 PGR.C3.Code=5").status, 0);
    EXPECT_EQ(Run("get a.cz5 PGR.C2.Code PGR.C3.Code").out, "012\n005\n");
}

}  // namespace

#endif  // CPZ5_CLI_PATH
