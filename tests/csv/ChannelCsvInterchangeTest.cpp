// Channel lists between this program and others: the common layout's
// columns first and as other programs expect them, this program's own
// columns after them; separators of spreadsheets of other countries; values
// stored otherwise than written are reported; files that are no files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CsvTestSupport.h"
#include "interchange/CsvReader.h"

namespace {

using EStatus = SChannelCsvImport::EStatus;
using EBadRows = CChannelCsv::EBadRows;
const std::string kOwnHeader = "TXInhibit,InhibitedDuplex,DupRev,ANISet,ANICode,SCRMSet,SCRMCode";

std::vector<SCsvRecord> Records(const std::string& text) {
    CCsvReader reader(text);
    std::vector<SCsvRecord> records;
    for (SCsvRecord record; reader.Next(record);) {
        records.push_back(record);
    }
    return records;
}

class ChannelCsvInterchange : public ::testing::Test {
  protected:
    SChannelCsvImport Import(const std::string& text) {
        return CChannelCsv(rig.manager).Import(text, EBadRows::kRefuseAll);
    }
    std::string Text(int location, const char* leaf) {
        return MemoryChannel(rig.Root(), location).GetChild(leaf)->GetText();
    }
    void Set(int location, const char* leaf, const char* text) {
        MemoryChannel(rig.Root(), location).GetChild(leaf)->SetText(text);
    }

    CZ5CloneRig rig{0};  // "GEN": 144 to 146 MHz
};

TEST_F(ChannelCsvInterchange, TransmitInhibitIsDuplexOffAndTheOwnColumnsFollowTheLayout) {
    const std::pair<const char*, const char*> leaves[] = {
        {"Clear", "OFF"},    {"FreqRx", "145.5"}, {"Duplex", "+Dup"}, {"FreqOw", "0.6"},
        {"TXInhibit", "ON"}, {"DupRev", "ON"},    {"ANISet", "PGR"},  {"ANICode", "CP"},
        {"SCRMSet", "ON"},   {"SCRMCode", "4D"}};
    for (const auto& [leaf, text] : leaves) {
        Set(4, leaf, text);
    }
    Set(5, "Clear", "OFF");
    Set(5, "FreqRx", "145.0");
    Set(5, "Duplex", "-Dup");

    const std::vector<SCsvRecord> records = Records(CChannelCsv(rig.manager).Export());
    ASSERT_GE(records.size(), 3u);
    std::string header;
    for (const std::string& field : records[0].fields) {
        header += (header.empty() ? "" : ",") + field;
    }
    EXPECT_EQ(header, std::string(kCommonLayoutHeader) + "," + kOwnHeader);

    const auto row = [&records](const char* location) {
        return *std::find_if(records.begin(), records.end(),
                             [location](const SCsvRecord& r) { return r.fields[0] == location; });
    };
    const std::vector<std::string> inhibited = row("4").fields;
    EXPECT_EQ(inhibited[3], "off");
    EXPECT_EQ(std::vector<std::string>(inhibited.begin() + 21, inhibited.end()),
              (std::vector<std::string>{"ON", "+", "ON", "PGR", "CP", "ON", "4D"}));
    const std::vector<std::string> sending = row("5").fields;
    EXPECT_EQ(sending[3], "-");
    EXPECT_EQ(sending[21], "OFF");
    EXPECT_EQ(sending[22], "");
}

struct SOwnCase {
    const char* fields;  // Duplex and the own columns, after "7,145.5,"
    const char* leaf;
    const char* text;
};

TEST_F(ChannelCsvInterchange, TheOwnColumnsSetTheirLeaves) {
    const std::string header = "Location,Frequency,Duplex," + kOwnHeader + "\n7,145.5,";
    const SOwnCase cases[] = {
        {"off,OFF,+", "TXInhibit", "ON"}, {"off,,+", "Duplex", "+Dup"},
        {"off,,-", "Duplex", "-Dup"},     {"off,,", "Duplex", "OFF"},
        {"+,on", "TXInhibit", "ON"},      {"+,on", "Duplex", "+Dup"},
        {"-,OFF", "TXInhibit", "OFF"},    {",,,ON", "DupRev", "ON"},
        {",,,,csql", "ANISet", "CSQL"},   {",,,,,C6", "ANICode", "C6"},
        {",,,,,cp", "ANICode", "CP"},     {",,,,,,ON", "SCRMSet", "ON"},
        {",,,,,,,ff", "SCRMCode", "FF"},  {",,,,,,,7", "SCRMCode", "07"},
    };
    for (const SOwnCase& c : cases) {
        SCOPED_TRACE(c.fields);
        const SChannelCsvImport result = Import(header + c.fields + "\n");
        ASSERT_EQ(result.status, EStatus::kImported) << result.problems[0].Describe();
        EXPECT_EQ(Text(7, c.leaf), c.text);
    }
    const std::pair<const char*, const char*> bad[] = {
        {"off,,x", "InhibitedDuplex \"x\""}, {"+,maybe", "TXInhibit \"maybe\" is not ON or OFF"},
        {",,,,ANI", "ANISet \"ANI\""},       {",,,,,C7", "ANICode \"C7\""},
        {",,,,,,,00", "SCRMCode \"00\""},    {",,,,,,,100", "SCRMCode"},
    };
    for (const auto& [fields, reason] : bad) {
        SCOPED_TRACE(fields);
        const SChannelCsvImport result = Import(header + fields + "\n");
        ASSERT_EQ(result.status, EStatus::kRefused);
        EXPECT_NE(result.problems[0].reason.find(reason), std::string::npos)
            << result.problems[0].reason;
    }
}

// A spreadsheet in a country with a decimal comma separates with ";"; one
// saving "text" separates with tabs. Both give the channels a comma list gives.
TEST_F(ChannelCsvInterchange, TheSeparatorIsFoundFromTheHeaderRow) {
    const std::string lists[] = {
        "Location,Name,Frequency,Duplex,Offset,rToneFreq\r\n"
        "12,\"RPT;N\",145.6,-,0.6,88.5\r\n"
        "13,SIMPL,145.5,,,100\r\n",
        "\xEF\xBB\xBF"
        "Location;Name;Frequency;Duplex;Offset;rToneFreq\r\n"
        "12;\"RPT;N\";145,6;-;0,6;88,5\r\n"
        "13;SIMPL;145,500000;;;100,0\r\n"
        ";;;;;\r\n",
        "Location\tName\tFrequency\tDuplex\tOffset\trToneFreq\n"
        "12\tRPT;N\t145.6\t-\t0.6\t88.5\n"
        "13\t\"SIMPL\"\t145.5\t\t\t100\n",
    };
    std::map<std::string, std::string> first;
    for (const std::string& list : lists) {
        SCOPED_TRACE(list);
        CZ5CloneRig fresh(0);
        const SChannelCsvImport result =
            CChannelCsv(fresh.manager).Import(list, EBadRows::kRefuseAll);
        ASSERT_EQ(result.status, EStatus::kImported) << result.problems[0].Describe();
        EXPECT_EQ(result.imported, (std::vector<int>{12, 13}));
        EXPECT_TRUE(result.warnings.empty());
        EXPECT_EQ(MemoryChannel(fresh.Root(), 12).GetChild("Name")->GetText(), "RPT;N");
        EXPECT_EQ(MemoryChannel(fresh.Root(), 12).GetChild("FreqOw")->GetText(), "0.60000");
        if (first.empty()) {
            first = MemoryChannelTexts(fresh.Root());
        }
        EXPECT_EQ(MemoryChannelTexts(fresh.Root()), first);
    }
}

struct SWarningCase {
    std::string row;  // Location,Name,Frequency,Offset,Skip
    const char* leaf;
    const char* stored;
    const char* warning;  // "" for none
};

TEST_F(ChannelCsvInterchange, ValuesStoredOtherwiseAreWarnedOfWithTheirLine) {
    const SWarningCase cases[] = {
        {"7,ZÜRICH,145.5,0", "Name", "ZRICH", "Name \"ZÜRICH\" is stored as \"ZRICH\""},
        {"7,LONGNAME,145.5,0", "Name", "LONGN", "Name \"LONGNAME\" is stored as \"LONGN\""},
        {"7,\"A\tB\",145.5,0", "Name", "AB", "Name \"A\\tB\" is stored as \"AB\""},
        {"7,\"A,\"\"B\",145.5,0", "Name", "A,\"B", ""},
        {"7,abc  ,145.5,0", "Name", "ABC", ""},
        {"7,A,145.503,0", "FreqRx", "145.50500",
         "Frequency 145.503000 MHz is stored as 145.505000 MHz"},
        {"7,A,145.0063,0", "FreqRx", "145.00625",
         "Frequency 145.006300 MHz is stored as 145.006250 MHz"},
        {"7,A,145.5,0.6001", "FreqOw", "0.60000", "Offset 0.600100 MHz is stored as 0.600000 MHz"},
        {"7,A,145.00625,0", "FreqRx", "145.00625", ""},
        {"7,A,145.5,0,P", "Skip", "OFF", "Skip \"P\" is stored as \"\""},
        {"7,A,145.5,0,s", "Skip", "ON", ""},
    };
    for (const SWarningCase& c : cases) {
        SCOPED_TRACE(c.row);
        const SChannelCsvImport result =
            Import("Location,Name,Frequency,Offset,Skip\n\n6,SIX,145.0,0\n" + c.row + "\n");
        ASSERT_EQ(result.status, EStatus::kImported) << result.problems[0].Describe();
        EXPECT_EQ(result.imported, (std::vector<int>{6, 7}));
        EXPECT_EQ(Text(7, c.leaf), c.stored);
        if (*c.warning == '\0') {
            EXPECT_TRUE(result.warnings.empty()) << result.warnings[0].Describe();
            continue;
        }
        ASSERT_EQ(result.warnings.size(), 1u);
        EXPECT_EQ(result.warnings[0].line, 4);
        EXPECT_NE(result.warnings[0].reason.find(c.warning), std::string::npos)
            << result.warnings[0].reason;
    }
}

// A name a spreadsheet would take for a formula is exported behind an
// apostrophe and imported back as it was; a list of another program that
// wrote such a name bare imports it as written.
TEST_F(ChannelCsvInterchange, FormulaLikeNamesAreProtectedAndComeBack) {
    const std::pair<const char*, const char*> names[] = {
        {"=1+1", "'=1+1"}, {"+CMD", "'+CMD"}, {"-----", "'-----"}, {"@SUM", "'@SUM"},
        {"'=AB", "''=AB"}, {"'AB", "'AB"},    {"A=B", "A=B"},      {"", ""}};
    for (int i = 0; i < 8; ++i) {
        Set(i, "Clear", "OFF");
        Set(i, "FreqRx", "145.5");
        MemoryChannel(rig.Root(), i).GetChild("Name")->SetText(names[i].first);
    }
    const std::string csv = CChannelCsv(rig.manager).Export();
    const std::vector<SCsvRecord> records = Records(csv);
    ASSERT_EQ(records.size(), 9u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(records[static_cast<std::size_t>(i) + 1].fields[1], names[i].second);
        Set(i, "Name", "X");
    }
    const SChannelCsvImport result = Import(csv);
    ASSERT_EQ(result.status, EStatus::kImported);
    EXPECT_TRUE(result.warnings.empty()) << result.warnings[0].Describe();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Text(i, "Name"), names[i].first);
    }

    ASSERT_EQ(Import("Location,Name,Frequency\n3,-----,145.5\n4,=1+1,145.5\n").status,
              EStatus::kImported);
    EXPECT_EQ(Text(3, "Name"), "-----");
    EXPECT_EQ(Text(4, "Name"), "=1+1");
}

// A text of the file quoted in a warning or a reason cannot drive the
// terminal or fill the screen, whatever it holds.
TEST_F(ChannelCsvInterchange, TextsOfTheFileAreQuotedEscapedAndShort) {
    const std::string escape = "\x1B]0;pwned\x07\x1B[2J";
    const std::string megabyte(1'000'000, 'N');
    struct SCase {
        std::string row;  // Location,Name,Frequency,Duplex
        std::string said;
    };
    const SCase cases[] = {
        {"7," + escape + ",145.5,", "Name \"\\x1B]0;pwned\\x07\\x1B[2J\" is stored as"},
        {"7," + megabyte + ",145.5,", "Name \"NNNN"},
        {"7,A,145.5," + escape, "Duplex \"\\x1B]0;pwned\\x07\\x1B[2J\" is not"},
        {"7,A," + megabyte + "x,", "(1000001 bytes) is not a frequency"},
    };
    for (const SCase& c : cases) {
        const SChannelCsvImport result =
            CChannelCsv(rig.manager)
                .Import("Location,Name,Frequency,Duplex\n" + c.row + "\n", EBadRows::kSkip);
        std::vector<SCsvProblem> said = result.problems;
        said.insert(said.end(), result.warnings.begin(), result.warnings.end());
        ASSERT_EQ(said.size(), 1u) << c.said;
        const std::string& text = said[0].reason;
        EXPECT_NE(text.find(c.said), std::string::npos) << text.substr(0, 300);
        EXPECT_LT(text.size(), 400u) << c.said;
        EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](char ch) {
            return static_cast<unsigned char>(ch) < 0x20;
        })) << text;
    }
}

// A list that is no regular file is refused before anything is read from
// it: a FIFO nobody writes to would otherwise wait for ever.
TEST_F(ChannelCsvInterchange, AFifoOrAFolderIsRefusedAtOnce) {
    CScratchDir dir;
    const std::string fifo = dir.File("list.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto before = MemoryChannelTexts(rig.Root());
    const std::pair<std::string, const char*> cases[] = {{fifo, "is a FIFO"},
                                                         {dir.Path(), "is a directory"}};
    for (const auto& [path, kind] : cases) {
        const SChannelCsvImport result = CChannelCsv(rig.manager).ImportFile(path, EBadRows::kSkip);
        EXPECT_EQ(result.status, EStatus::kCannotRead);
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_EQ(result.problems[0].reason.rfind("\"" + path + "\" " + kind, 0), 0u)
            << result.problems[0].reason;
    }
    EXPECT_EQ(MemoryChannelTexts(rig.Root()), before);
}

}  // namespace
