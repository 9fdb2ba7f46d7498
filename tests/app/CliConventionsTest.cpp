// cpz5-cli's command-line conventions: --version is the program's version,
// --market the radio's market version (--version VALUE its old name, with a
// notice), COMMAND --help the help of one command.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>

#include "../support/CliRun.h"
#include "DocumentTestSupport.h"

namespace {

class CliConventions : public CDocumentTest {
  protected:
    SCliRun Run(const std::string& arguments) { return RunCli(dir.Path(), arguments); }
};

TEST_F(CliConventions, StatusesAndWhereTheTextGoes) {
    struct SCase {
        std::string arguments;
        int status;
        std::string out;  // what standard output starts with
        std::string err;  // what standard error contains ("" for nothing at all)
    };
    const SCase cases[] = {
        {"--version", 0, "cpz5-cli 1.", ""},
        {"--help", 0, "Usage: cpz5-cli COMMAND", ""},
        {"new --help", 0, "Usage: cpz5-cli new [--market GEN|SEA|USA|EUR] -o FILE\nWrites", ""},
        {"set a.cz5 -h", 0, "Usage: cpz5-cli set", ""},
        {"diff --help", 0, "Usage: cpz5-cli diff A B", ""},
        {"new --market USA -o m.cz5", 0, "", ""},
        {"new --version USA -o v.cz5", 0, "", "--version VALUE is now --market VALUE"},
        {"new --market=EUR -o e.cz5", 0, "", ""},
        {"new --market USA --version EUR -o x.cz5", 64, "", "option --version given twice"},
        {"new --market JPN -o x.cz5", 64, "", "unknown version \"JPN\""},
        {"new -o x.cz5 --market", 64, "", "option --market needs a value"},
        {"setup --market USA --port COM1", 64, "", "unknown option \"--market\""},
        {"new --version", 64, "", "option --version needs a value"},
    };
    for (const SCase& c : cases) {
        const SCliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << c.arguments;
        if (c.err.empty()) {
            EXPECT_EQ(run.err, "") << c.arguments;
        } else {
            EXPECT_NE(run.err.find(c.err), std::string::npos) << c.arguments << ": " << run.err;
        }
    }
    // Both names give the same file.
    EXPECT_EQ(ReadFile(dir.File("m.cz5")), ReadFile(dir.File("v.cz5")));
    EXPECT_NE(ReadFile(dir.File("m.cz5")), ReadFile(dir.File("e.cz5")));
}

}  // namespace

#endif
