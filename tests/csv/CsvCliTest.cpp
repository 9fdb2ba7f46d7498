// cpz5-cli export-csv, import-csv and diff, run as a user runs them.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>

#include "../app/DocumentTestSupport.h"
#include "../support/CliRun.h"

namespace {

class CsvCli : public CDocumentTest {
  protected:
    SCliRun Run(const std::string& arguments) { return RunCli(dir.Path(), arguments); }
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
    ASSERT_EQ(Run("new --version USA -o a.cz5").status, 0);
    WriteFile(dir.File("in.csv"),
              "Location,Frequency,Name\n"
              "10,147.0,GOOD\n"
              "11,430.0,FAR\n");
    const std::string original = ReadFile(dir.File("a.cz5"));

    const SCliRun refused = Run("import-csv --version USA a.cz5 in.csv");
    EXPECT_EQ(refused.status, 65);
    EXPECT_NE(refused.err.find("in.csv: line 3: Frequency 430.000000 MHz"), std::string::npos)
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

}  // namespace

#endif  // CPZ5_CLI_PATH
