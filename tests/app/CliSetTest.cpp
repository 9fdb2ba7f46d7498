// cpz5-cli set does exactly what was typed or says what it did instead: a
// frequency as a person writes it (point or comma), a text that is no value
// of its leaf refused with nothing written, a value the file keeps
// otherwise named with what was stored; the texts it quotes are escaped.
#ifdef CPZ5_CLI_PATH

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "../support/CliRun.h"
#include "DocumentTestSupport.h"
#include "model/FreqNode.h"
#include "model/LeafComparison.h"
#include "model/MessageText.h"
#include "model/ValueList.h"

namespace {

class CliSet : public CDocumentTest {
  protected:
    void SetUp() override { ASSERT_EQ(Run("new --market USA -o base.cz5").status, 0); }

    SCliRun Run(const std::string& arguments) { return RunCli(dir.Path(), arguments); }
};

bool HasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\n'; });
}

TEST_F(CliSet, AFrequencyIsTakenAsTypedWithAPointOrACommaOrRefused) {
    struct STaken {
        const char* text;
        const char* shown;  // by get
    };
    const STaken taken[] = {
        {"146,52", "146.52000"},
        {"146.52", "146.52000"},
        {" +146,5 ", "146.50000"},
        {"145,0037", "145.00000"},  // off the raster: said below
    };
    std::string arguments = "set base.cz5 -o f.cz5 MCH.CH9.FreqOw=0,6";
    std::string paths;
    std::string shown;
    for (std::size_t i = 0; i < std::size(taken); ++i) {
        const std::string path = "MCH.CH" + std::to_string(i) + ".FreqRx";
        arguments += " '" + path + "=" + taken[i].text + "'";
        paths += " " + path;
        shown += std::string(taken[i].shown) + "\n";
    }
    const SCliRun set = Run(arguments);
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.err,
              "cpz5-cli: warning: MCH.CH3.FreqRx \"145,0037\" is stored as \"145.00000\"\n");
    EXPECT_EQ(Run("get f.cz5" + paths + " MCH.CH9.FreqOw").out, shown + "0.60000\n");

    // text -> the reason; nothing is written
    const std::pair<const char*, const char*> refused[] = {
        {"146.5x", "MCH.CH5.FreqRx: \"146.5x\" is not a frequency in MHz"},
        {"abc", "\"abc\" is not a frequency in MHz"},
        {"1e3", "\"1e3\" is not a frequency in MHz"},
        {"146,52 MHz", "is not a frequency in MHz"},
        {"-146.52", "is below zero"},
        {"", "\"\" holds no frequency"},
        {"250", "\"250\" is outside the range of this leaf, 0 to 199.99 MHz"},
    };
    const std::string original = ReadFile(dir.File("base.cz5"));
    for (const auto& [text, reason] : refused) {
        const SCliRun run =
            Run("set base.cz5 Common.Beep=OFF 'MCH.CH5.FreqRx=" + std::string(text) + "'");
        EXPECT_EQ(run.status, 64) << text;
        EXPECT_NE(run.err.find(reason), std::string::npos) << text << ": " << run.err;
        EXPECT_EQ(ReadFile(dir.File("base.cz5")), original) << text;
    }
}

// Texts of every kind for the leaves without choices.
std::vector<std::string> FreeTexts(const std::string& leaf) {
    const std::map<std::string, std::vector<std::string>> texts = {
        {"FreqRx", {"146,52", "146.52", "145.0037", "145.00625", "0"}},
        {"FreqOw", {"0,6", "0.6", "0.0063", "99.995"}},
        {"Name", {"ABC", "abc", "ABCDEFG", "-----", "=1+1", "A B", "a\tb"}},
        {"CloneComment", {"HELLO RADIO", "0123456789ABCDEFGH", "Zürich"}},
        {"Code", {"123", "12", "1234", "abc"}},
    };
    const auto found = texts.find(leaf);
    if (found != texts.end()) {
        return found->second;
    }
    return {"0123456789ABCDEF", " 12 34*", "abc", std::string(30, '1'), ""};  // DTMF memories
}

// Every text a person may give the leaf: its choices, or free texts.
std::vector<std::string> TextsOf(const CNode& leaf) {
    const CValueList* values = leaf.GetValuePart();
    if (values == nullptr || dynamic_cast<const CFreqNode*>(&leaf) != nullptr) {
        return FreeTexts(leaf.GetName());
    }
    std::vector<std::string> texts;
    for (const auto& [text, value] : values->GetNames()) {
        if (!text.empty()) {
            texts.push_back(text);
        }
    }
    return texts;
}

std::string WithoutTrailingBlanks(const std::string& text) {
    return text.substr(0, text.find_last_not_of(" \t") + 1);
}

// What get shows when the leaf holds what text asks for (white space at
// the end aside).
std::string ShownAsTyped(const CNode& leaf, std::string text) {
    if (dynamic_cast<const CFreqNode*>(&leaf) == nullptr) {
        return WithoutTrailingBlanks(text);
    }
    std::replace(text.begin(), text.end(), ',', '.');
    const std::size_t point = text.find('.');
    const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
    return (point == std::string::npos ? text + "." : text) +
           std::string(decimals < 5 ? 5 - decimals : 0, '0');
}

struct SAssignment {
    std::string path;
    std::string text;
};

// The texts of a long numbered series ("1m00s" to "30m00s", "0" to "99")
// differ only in their number: its ends and a few between stand for it.
std::vector<std::string> SeriesSample(const std::vector<std::string>& texts) {
    constexpr std::size_t kWhole = 8;
    if (texts.size() <= kWhole) {
        return texts;
    }
    std::vector<std::string> sample;
    const std::size_t step = texts.size() / 4;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i < 2 || i + 2 >= texts.size() || i % step == 0) {
            sample.push_back(texts[i]);
        }
    }
    return sample;
}

// Every leaf of the memory channels (one text a channel and run, so that
// the hundred channels take each of a leaf's texts in a few runs), of the
// common settings, of the DTMF memories, of a pager memory, and the flags
// of a scan edge and the call channel: each of its texts (of a numbered
// series a sample), in as few runs of set as the leaf with the most needs.
std::vector<std::vector<SAssignment>> EveryLeafTextInRuns(CNode& root) {
    std::vector<std::vector<SAssignment>> runs;
    const auto add = [&runs](std::size_t run, std::string path, std::string text) {
        runs.resize(std::max(runs.size(), run + 1));
        runs[run].push_back({std::move(path), std::move(text)});
    };
    CNode& memory = *root.GetChild("MCH");
    const std::size_t channels = memory.GetChildren().size();
    for (const CNode* leaf : memory.GetChildren().front()->GetChildren()) {
        const std::vector<std::string> texts = TextsOf(*leaf);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            add(i / channels, "MCH.CH" + std::to_string(i % channels) + "." + leaf->GetName(),
                texts[i]);
        }
    }
    std::vector<std::string> others;
    LeafComparison::ForEachLeaf(root, [&others](const std::string& path, CNode&) {
        if (path.rfind("Common.", 0) == 0 || path.rfind("DTMF.", 0) == 0 ||
            path.rfind("PGR.C3.", 0) == 0) {
            others.push_back(path);
        }
    });
    for (const char* path : {"PCH.CH2.Skip", "PCH.CH2.Clear", "CCH.CH0.Skip", "CCH.CH0.Clear"}) {
        others.emplace_back(path);
    }
    for (const std::string& path : others) {
        const std::vector<std::string> texts = SeriesSample(TextsOf(*root.FindPath(path)));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            add(i, path, texts[i]);
        }
    }
    return runs;
}

// Whatever a leaf is set to, get shows it, or set said what it stored
// instead; set never warns of a value that was stored as typed.
TEST_F(CliSet, EveryTextOfEveryLeafIsStoredOrWhatWasStoredIsSaid) {
    CZ5Doc base(settings, ui);
    ASSERT_TRUE(base.OpenFile(dir.File("base.cz5")).ok);
    const std::vector<std::vector<SAssignment>> runs = EveryLeafTextInRuns(RootOf(base));
    int warned = 0;
    int assignments = 0;
    for (std::size_t run = 0; run < runs.size(); ++run) {
        const std::string out = "run" + std::to_string(run) + ".cz5";
        std::string arguments = "set base.cz5 -o " + out;
        for (const SAssignment& a : runs[run]) {
            arguments += " '" + a.path + "=" + a.text + "'";
        }
        const SCliRun set = Run(arguments);
        ASSERT_EQ(set.status, 0) << set.err;
        CZ5Doc saved(settings, ui);  // what get reads
        ASSERT_TRUE(saved.OpenFile(dir.File(out)).ok);
        for (const SAssignment& a : runs[run]) {
            const CNode& leaf = *RootOf(saved).FindPath(a.path);
            const std::string warning = "warning: " + a.path + " " + MessageText::Quoted(a.text);
            ++assignments;
            if (WithoutTrailingBlanks(leaf.GetText()) == ShownAsTyped(leaf, a.text)) {
                EXPECT_EQ(set.err.find(warning), std::string::npos) << a.path << "=" << a.text;
                continue;
            }
            ++warned;
            EXPECT_NE(
                set.err.find(warning + " is stored as " + MessageText::Quoted(leaf.GetText())),
                std::string::npos)
                << a.path << "=" << a.text << " shows " << leaf.GetText() << "\n"
                << set.err;
        }
    }
    EXPECT_GT(assignments, 600);
    EXPECT_GT(warned, 20);  // Ref, the scan edge's skip, "ANI", names, codes ...
}

TEST_F(CliSet, TextsQuotedInMessagesAreEscapedAndShort) {
    const std::string escape = "\x1B]0;pwned\x07\x1B[2J";
    const std::string longName(100'000, 'N');
    const std::string cases[] = {
        "set base.cz5 'MCH.CH5.Name=" + escape + "'",
        "set base.cz5 'MCH.CH5.Name=" + longName + "'",
        "set base.cz5 'MCH.CH5.Duplex=" + escape + "'",
        "set base.cz5 'MCH.CH5.FreqRx=" + longName + "'",
        "get base.cz5 'MCH.CH5." + escape + "'",
        "get base.cz5 'MCH.CH5." + longName + "'",
        "dump 'missing" + escape + ".cz5'",
        "set base.cz5 Common.Beep=OFF -o 'no" + escape + "/x.cz5'",
        "new --market '" + escape + "' -o x.cz5",
        "dump base.cz5 '--" + escape + "'",
    };
    for (const std::string& arguments : cases) {
        const SCliRun run = Run(arguments);
        EXPECT_NE(run.err, "") << arguments.substr(0, 60);
        EXPECT_FALSE(HasControlCharacter(run.err)) << run.err;
        EXPECT_LT(run.err.size(), 600u) << arguments.substr(0, 60);
    }
    EXPECT_NE(Run("set base.cz5 'MCH.CH5.Name=" + escape + "'")
                  .err.find("warning: MCH.CH5.Name \"\\x1B]0;pwned\\x07\\x1B[2J\" is stored as"),
              std::string::npos);
    EXPECT_NE(Run("dump 'missing" + escape + ".cz5'")
                  .err.find("\"missing\\x1B]0;pwned\\x07\\x1B[2J.cz5\": CANNOT_OPEN_FILE"),
              std::string::npos);
}

}  // namespace

#endif  // CPZ5_CLI_PATH
