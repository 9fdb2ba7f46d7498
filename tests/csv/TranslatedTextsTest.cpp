// The texts people read go through the translation lookup as one text each,
// with the file's words put into its placeholders; what files and scripts
// read (CSV headers, column names, values) never does.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "CsvTestSupport.h"
#include "interchange/ChannelClipText.h"
#include "platform/ReplacingFile.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"

namespace {

// A "translation" that shows which texts were looked up: each in brackets.
std::string Bracketed(const char*, const char* source) {
    return "[" + std::string(source) + "]";
}

class TranslatedTexts : public ::testing::Test {
  protected:
    void SetUp() override { CTranslation::Install(&Bracketed); }
    void TearDown() override { CTranslation::Install(nullptr); }

    // The problems of an import of text, each as a person reads it.
    std::string ImportProblems(const std::string& text) {
        std::string described;
        for (const SCsvProblem& problem : CChannelCsv(rig.manager).Import(text, kRefuse).problems) {
            described += problem.Describe() + "\n";
        }
        return described;
    }

    static constexpr CChannelCsv::EBadRows kRefuse = CChannelCsv::EBadRows::kRefuseAll;
    CZ5CloneRig rig{0};
};

TEST_F(TranslatedTexts, CsvProblemsAreOneTextWithTheFilesWordsInIt) {
    const std::string header = "Location,Frequency,Tone,Name\n";
    struct SCase {
        std::string csv;
        std::string problems;
    };
    const SCase cases[] = {
        {"", "[the file is empty: no header row]\n"},
        {"Location,Name\n1,A\n", "[line 1: [the header row has no Frequency column]]\n"},
        {header + "100,145.5,,\n",
         "[line 2: [Location \"100\" is not a channel number from 0 to 99]]\n"},
        // The column's complaint is a text of its own in "%1 %2 %3".
        {header + "1,145.5,Cross,\n",
         "[line 2: [Tone \"Cross\" [is not a tone mode of the radio (\"\", Tone, TSQL or "
         "DTCS)]]]\n"},
        {header + "1,145.5,,\n1,145.5,,\n", "[line 3: [Location 1 is also on line 2]]\n"},
        {header + "1,145.5,,\"A\"B\n", "[line 2: [text after the closing quote of a field]]\n"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.csv);
        EXPECT_EQ(ImportProblems(c.csv), c.problems);
    }
}

TEST_F(TranslatedTexts, WhatFilesAndScriptsReadStaysAsWritten) {
    const std::string exported = CChannelCsv(rig.manager).Export();
    CTranslation::Install(nullptr);
    EXPECT_EQ(exported, CChannelCsv(rig.manager).Export());
    CTranslation::Install(&Bracketed);
    EXPECT_EQ(exported.rfind(std::string(kCommonLayoutHeader) + ",", 0), 0u);

    const SChannelClipTextRead read = ChannelClipText::Read(
        "", ChannelCsvColumns::LimitsOf(*rig.Root().GetChild("MCH"), 0, false), 10);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].reason, "[the text holds no rows]");
}

TEST_F(TranslatedTexts, FileRefusalsNameThePathInTheirText) {
    const std::filesystem::path folder = ::testing::TempDir() + "translated-texts";
    std::filesystem::create_directories(folder);
    const std::function<std::string()> cases[] = {
        [] { return CTextFile::NotRegularReason(S_IFIFO); },
        [&] { return CReplacingFile::CheckTarget(folder.string()).reason; },
    };
    const std::string expected[] = {
        "[is a FIFO, not a regular file]",
        folder.string() + " [is a directory]",
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i](), expected[i]);
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
