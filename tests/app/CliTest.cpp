// cpz5-cli as a user runs it: the built program, with its own configuration
// directory, on files in a scratch directory.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <sstream>
#include <thread>

#include "../support/CliRun.h"
#include "DocumentTestSupport.h"
#include "clone/Z5DefaultDataManager.h"
#include "model/ValueList.h"
#include "transport/SettingsKeys.h"

namespace {

class Cli : public CDocumentTest {
  protected:
    SCliRun Run(const std::string& arguments) { return RunCli(dir.Path(), arguments); }
    std::string Config() { return ReadFile(dir.File("config/Brel/CP-Z5.conf")); }

    // Starts "cpz5-cli set old.cz5 Common.CloneComment=NEW -o target" and
    // kills it with SIGKILL after delay unless it ended before; true when it
    // ended by itself.
    bool SaveKilledAfter(const std::string& target, std::chrono::microseconds delay) {
        const std::string config = dir.File("config");
        const std::string source = dir.File("old.cz5");
        pid_t child = ::fork();
        if (child == 0) {
            ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
            int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execl(CPZ5_CLI_PATH, CPZ5_CLI_PATH, "set", source.c_str(), "Common.CloneComment=NEW",
                    "-o", target.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        int status = 0;
        const auto end = std::chrono::steady_clock::now() + delay;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= end) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                return false;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    std::map<std::string, std::string> Dump(const std::string& file) {
        SCliRun run = Run("dump " + file);
        EXPECT_EQ(run.status, 0) << run.err;
        std::map<std::string, std::string> texts;
        for (const std::string& line : SplitLines(run.out, "\n")) {
            std::size_t equals = line.find('=');
            texts[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return texts;
    }
};

std::vector<std::uint8_t> BytesOfDataLines(const std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        for (std::size_t at = 6; at + 1 < lines[i].size(); at += 2) {
            bytes.push_back(
                static_cast<std::uint8_t>(std::stoul(lines[i].substr(at, 2), nullptr, 16)));
        }
    }
    return bytes;
}

TEST_F(Cli, NewWritesTheFactoryImageOfTheVersion) {
    SCliRun run = Run("new --version USA -o " + dir.File("f.cz5"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = ReadFile(dir.File("f.cz5"));
    const std::vector<std::string> lines = SplitLines(text, "\r\n");
    ASSERT_EQ(lines.size(), 124u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "24680001");
    EXPECT_EQ(lines[1], "#");
    for (std::size_t i = 2; i < lines.size(); ++i) {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "%04zX10", 16 * (i - 2));
        EXPECT_EQ(lines[i].substr(0, 6), prefix);
        EXPECT_EQ(lines[i].size(), 38u);
    }
    const auto& usa = CZ5DefaultDataManager::FactoryImage(2);
    EXPECT_EQ(BytesOfDataLines(lines), std::vector<std::uint8_t>(usa.begin(), usa.end()));
}

TEST_F(Cli, DumpShowsEveryEmptyRecordAndTheFactorySettings) {
    ASSERT_EQ(Run("new --version USA -o " + dir.File("f.cz5")).status, 0);
    const auto texts = Dump(dir.File("f.cz5"));
    int records = 0;
    for (const auto& [path, text] : texts) {
        if (path.size() > 7 && path.substr(path.size() - 7) == ".FreqRx") {
            EXPECT_EQ(text, "146.01000") << path;
            EXPECT_EQ(texts.at(path.substr(0, path.size() - 6) + "FreqOw"), "0.60000") << path;
            ++records;
        }
    }
    EXPECT_EQ(records, 107);
    const std::pair<const char*, const char*> settingsTexts[] = {
        {"Common.Beep", "ON"},        {"Common.Resume", "15 sec"},    {"Common.Repeater", "Dup"},
        {"Common.PowSave", "Auto"},   {"Common.MicFunc", "Normal 1"}, {"Common.DialSel", "VOL"},
        {"Common.AniTxCh", "OFF"},    {"Common.TOT", "OFF "},         {"DTMF.Speed", "100 msec"},
        {"MCH.CH0.Clear", "OFF"},     {"MCH.CH1.Clear", "ON"},        {"MCH.CH0.Name", "-----"},
        {"MCH.CH0.TONECode", "88.5"}, {"Common.CloneComment", ""},
    };
    for (const auto& [path, text] : settingsTexts) {
        EXPECT_EQ(texts.at(path), text) << path;
    }
}

TEST_F(Cli, DumpGetAndSetAgreeWithTheMemoryMap) {
    const std::vector<std::uint8_t> bytes = RandomBytes(0x7A0, 41);
    WriteFile(dir.File("r.cz5"), CloneText(bytes, "\n"));
    CZ5Doc reference(settings, ui);
    ASSERT_TRUE(reference.OpenFile(dir.File("r.cz5")).ok);
    const auto expected = LeafTexts(reference);
    EXPECT_EQ(Dump(dir.File("r.cz5")), expected);

    // New values for a sample of leaves: choices drawn from the leaf's own
    // texts, a frequency and texts for the others.
    std::mt19937 random(5);
    std::vector<std::pair<std::string, std::string>> assignments = {
        {"MCH.CH12.FreqRx", "145.12500"},
        {"MCH.CH12.Name", "ABC"},
        {"DTMF.D3", "0123456789ABCDEF"},
        {"Common.CloneComment", "hello radio"}};
    for (const auto& [path, text] : expected) {
        const CValueList* values = RootOf(reference).FindPath(path)->GetValuePart();
        if (values != nullptr && !values->GetNames().empty() && random() % 40 == 0) {
            auto name = values->GetNames().begin();
            std::advance(name, random() % values->GetNames().size());
            if (!name->first.empty()) {
                assignments.emplace_back(path, name->first);
            }
        }
    }
    std::string arguments = "set " + dir.File("r.cz5");
    std::string paths;
    for (const auto& [path, text] : assignments) {
        arguments += " '" + path + "=" + text + "'";
        paths += " " + path;
    }
    SCliRun set = Run(arguments + " -o " + dir.File("s.cz5"));
    ASSERT_EQ(set.status, 0) << set.err;

    // What the document itself makes of the same edits (some leaves are
    // normalised or not stored at all).
    for (const auto& [path, text] : assignments) {
        ASSERT_TRUE(RootOf(reference).FindPath(path)->SetText(text)) << path;
    }
    ASSERT_TRUE(reference.SaveFile(dir.File("t.cz5")).ok);
    EXPECT_EQ(ReadFile(dir.File("s.cz5")), ReadFile(dir.File("t.cz5")));
    CZ5Doc saved(settings, ui);
    ASSERT_TRUE(saved.OpenFile(dir.File("t.cz5")).ok);
    const auto savedTexts = LeafTexts(saved);
    EXPECT_EQ(Dump(dir.File("s.cz5")), savedTexts);

    SCliRun get = Run("get " + dir.File("s.cz5") + paths);
    ASSERT_EQ(get.status, 0) << get.err;
    const std::vector<std::string> got = SplitLines(get.out, "\n");
    ASSERT_EQ(got.size(), assignments.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i], savedTexts.at(assignments[i].first)) << assignments[i].first;
    }
    EXPECT_EQ(got[0], "145.12500");
    EXPECT_EQ(got[3], "hello radio");
    EXPECT_EQ(ReadFile(dir.File("r.cz5")), CloneText(bytes, "\n"));  // -o: input untouched
}

TEST_F(Cli, SetWithoutOutputSavesOverTheFile) {
    ASSERT_EQ(Run("new -o " + dir.File("f.cz5")).status, 0);
    ASSERT_EQ(Run("set " + dir.File("f.cz5") + " Common.Beep=OFF").status, 0);
    EXPECT_EQ(Run("get " + dir.File("f.cz5") + " Common.Beep").out, "OFF\n");
}

struct SFailure {
    const char* arguments;  // {F}, {DIR}, ... stand for scratch paths
    int status;
    const char* message;  // part of standard error
};

TEST_F(Cli, FailuresExitWithTheirStatusAndLeaveFilesAlone) {
    ASSERT_EQ(Run("new -o " + dir.File("f.cz5")).status, 0);
    WriteFile(dir.File("other.cz5"), "24690001\r\n#\r\n");
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    WriteFile(dir.File("ro.cz5"), "protected");
    ASSERT_EQ(::chmod(dir.File("ro.cz5").c_str(), 0444), 0);
    const std::string good = ReadFile(dir.File("f.cz5"));
    const SFailure failures[] = {
        {"", 64, "usage"},
        {"frobnicate", 64, "unknown command"},
        {"dump", 64, "usage"},
        {"dump {F} --port COM1", 64, "unknown option \"--port\""},
        {"new", 64, "-o"},
        {"new --version JPN -o {F}", 64, "unknown version \"JPN\""},
        {"get {F}", 64, "usage"},
        {"get {F} MCH.CH100.FreqRx", 64, "no leaf \"MCH.CH100.FreqRx\""},
        {"get {F} MCH.CH1", 64, "no leaf \"MCH.CH1\""},
        {"set {F} Common.Beep", 64, "usage"},
        {"set {F} Common.Beep=on", 64,
         "Common.Beep: \"on\" is not a value of this leaf: one of \"OFF\", \"ON\""},
        {"set {F} Common.Nothing=1", 64, "no leaf \"Common.Nothing\""},
        {"dump {MISSING}", 2, "missing.cz5\": CANNOT_OPEN_FILE: No such file or directory"},
        {"dump {OTHER}", 2, "MISMATCH_MODEL"},
        {"get {DIR} Common.Beep", 2, "CANNOT_OPEN_FILE: is a directory"},
        {"dump {FIFO}", 2, "fifo\": CANNOT_OPEN_FILE: is a FIFO, not a regular file"},
        {"set {F} Common.Beep=OFF -o {DIR}/no/such.cz5", 2, "No such file or directory"},
        {"set {F} Common.Beep=OFF -o {FIFO}", 2, "fifo is a FIFO, not a regular file"},
        {"set {F} Common.Beep=OFF -o {RO}", 2, "ro.cz5 is read-only"},
    };
    for (const SFailure& failure : failures) {
        std::string arguments = failure.arguments;
        const std::pair<const char*, std::string> names[] = {{"{MISSING}", dir.File("missing.cz5")},
                                                             {"{OTHER}", dir.File("other.cz5")},
                                                             {"{FIFO}", dir.File("fifo")},
                                                             {"{RO}", dir.File("ro.cz5")},
                                                             {"{DIR}", dir.Path()},
                                                             {"{F}", dir.File("f.cz5")}};
        for (const auto& [name, path] : names) {
            for (std::size_t at; (at = arguments.find(name)) != std::string::npos;) {
                arguments.replace(at, std::string(name).size(), path);
            }
        }
        SCliRun run = Run(arguments);
        EXPECT_EQ(run.status, failure.status) << failure.arguments;
        EXPECT_NE(run.err.find(failure.message), std::string::npos)
            << failure.arguments << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << failure.arguments;
        EXPECT_EQ(ReadFile(dir.File("f.cz5")), good) << failure.arguments;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo")));
    EXPECT_EQ(ReadFile(dir.File("ro.cz5")), "protected");
}

TEST_F(Cli, AFileCutShortIsReadWithAWarningOnStandardError) {
    ASSERT_EQ(Run("new -o " + dir.File("f.cz5")).status, 0);
    const std::vector<std::string> lines = SplitLines(ReadFile(dir.File("f.cz5")), "\r\n");
    std::string text;
    for (std::size_t i = 0; i < 2 + 60; ++i) {
        text += lines[i] + "\r\n";
    }
    WriteFile(dir.File("short.cz5"), text);
    SCliRun run = Run("get " + dir.File("short.cz5") + " Common.Beep");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ON\n");
    EXPECT_NE(run.err.find("warning: " + dir.File("short.cz5") +
                           " holds only 60 of the 122 data lines of a full clone file; the rest "
                           "is factory data."),
              std::string::npos)
        << run.err;
}

// cpz5-cli killed with SIGKILL at any moment of a save: the target holds the
// old or the new file, never a mix, and the next start and save leave no
// temporary or half-made file of ours behind.
TEST_F(Cli, SavesKilledAtAnyMomentLeaveTheOldOrTheNewFileAndNoDebris) {
    const std::string target = dir.File("t.cz5");
    ASSERT_EQ(Run("new -o " + dir.File("old.cz5")).status, 0);
    ASSERT_EQ(
        Run("set " + dir.File("old.cz5") + " Common.CloneComment=NEW -o " + dir.File("new.cz5"))
            .status,
        0);
    const std::string oldText = ReadFile(dir.File("old.cz5"));
    const std::string newText = ReadFile(dir.File("new.cz5"));
    ASSERT_NE(oldText, newText);

    const auto start = std::chrono::steady_clock::now();
    SaveKilledAfter(target, std::chrono::hours(1));
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    ASSERT_EQ(ReadFile(target), newText);

    std::mt19937 random(2026);
    std::uniform_int_distribution<long> moment(0, whole.count() * 6 / 5);
    int whole_runs = 0;
    for (int run = 0; run < 120; ++run) {
        WriteFile(target, oldText);
        whole_runs += SaveKilledAfter(target, std::chrono::microseconds(moment(random))) ? 1 : 0;
        const std::string text = ReadFile(target);
        ASSERT_TRUE(text == oldText || text == newText) << "run " << run;
    }
    std::cout << whole_runs << " of 120 saves ended before the kill\n";

    ASSERT_EQ(Run("set " + dir.File("old.cz5") + " Common.CloneComment=NEW -o " + target).status,
              0);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_FALSE(name.rfind("~CP", 0) == 0 || name.rfind("cl", 0) == 0 ||
                     name.find(".~") != std::string::npos)
            << name;
    }
}

TEST_F(Cli, TheVersionOptionIsForThisRunOnly) {
    ASSERT_EQ(Run("new --version EUR -o " + dir.File("e.cz5")).status, 0);
    EXPECT_EQ(Config().find("ModelVer"), std::string::npos);
    EXPECT_NE(Config().find("Rxexp=0"), std::string::npos);

    std::filesystem::create_directories(dir.File("config/Brel"));
    WriteFile(dir.File("config/Brel/CP-Z5.conf"), "[Model]\nModelVer=1\nRxexp=1\n");
    ASSERT_EQ(Run("new -o " + dir.File("s.cz5")).status, 0);
    EXPECT_EQ(Run("get " + dir.File("s.cz5") + " MCH.CH0.FreqRx").out, "146.52000\n");
    ASSERT_EQ(Run("new --version USA -o " + dir.File("u.cz5")).status, 0);
    EXPECT_EQ(Run("get " + dir.File("u.cz5") + " MCH.CH0.FreqRx").out, "146.01000\n");
    EXPECT_NE(Config().find("ModelVer=1"), std::string::npos);
    EXPECT_NE(Config().find("Rxexp=1"), std::string::npos);
}

}  // namespace

#endif  // CPZ5_CLI_PATH
