// Importing channel lists: every row is checked first; a bad row is named by
// its line and refuses the file unless bad rows are skipped; rows map to the
// channel leaves as the radio can hold them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CsvTestSupport.h"

namespace {

using EStatus = SChannelCsvImport::EStatus;
using EBadRows = CChannelCsv::EBadRows;

const std::string kHeader = std::string(kCommonLayoutHeader) + "\n";

// A good row of the layout for channel location at 145.500 MHz.
std::vector<std::string> GoodRow(int location) {
    return {std::to_string(location),
            "Ch",
            "145.500000",
            "",
            "0.000000",
            "",
            "88.5",
            "88.5",
            "023",
            "NN",
            "023",
            "Tone->Tone",
            "FM",
            "12.50",
            "",
            "High",
            "",
            "",
            "",
            "",
            ""};
}

std::size_t ColumnIndex(const std::string& header) {
    const std::vector<std::string> headers = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return static_cast<std::size_t>(std::find(headers.begin(), headers.end(), header) -
                                    headers.begin());
}

std::string Line(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() ? "" : ",") + field;
    }
    return line + "\n";
}

// A good row of channel 7 with the given columns changed.
std::string RowWith(std::initializer_list<std::pair<std::string, std::string>> changes) {
    std::vector<std::string> fields = GoodRow(7);
    for (const auto& [header, text] : changes) {
        fields[ColumnIndex(header)] = text;
    }
    return Line(fields);
}

class ChannelCsvImport : public ::testing::Test {
  protected:
    SChannelCsvImport Import(const std::string& text, EBadRows badRows = EBadRows::kRefuseAll) {
        return CChannelCsv(rig.manager).Import(text, badRows);
    }
    std::string Text(int location, const char* leaf) {
        return MemoryChannel(rig.Root(), location).GetChild(leaf)->GetText();
    }

    CZ5CloneRig rig{0};  // "GEN": 144 to 146 MHz
};

TEST_F(ChannelCsvImport, ABadRowRefusesTheFileAndNamesItsLine) {
    const std::string csv = kHeader + Line(GoodRow(1)) + Line(GoodRow(2)) +
                            RowWith({{"Location", "3"}, {"Frequency", "147.000000"}});
    const auto before = MemoryChannelTexts(rig.Root());

    const SChannelCsvImport refused = Import(csv);
    EXPECT_EQ(refused.status, EStatus::kRefused);
    ASSERT_EQ(refused.problems.size(), 1u);
    EXPECT_EQ(refused.problems[0].line, 4);
    EXPECT_NE(refused.problems[0].reason.find("receive range"), std::string::npos);
    EXPECT_EQ(refused.problems[0].Describe().rfind("line 4: ", 0), 0u);
    EXPECT_TRUE(refused.imported.empty());
    EXPECT_EQ(MemoryChannelTexts(rig.Root()), before);

    const SChannelCsvImport skipped = Import(csv, EBadRows::kSkip);
    EXPECT_EQ(skipped.status, EStatus::kImported);
    EXPECT_EQ(skipped.imported, (std::vector<int>{1, 2}));
    ASSERT_EQ(skipped.problems.size(), 1u);
    EXPECT_EQ(skipped.problems[0].line, 4);
    for (int location : {1, 2}) {
        EXPECT_EQ(Text(location, "Clear"), "OFF");
        EXPECT_EQ(Text(location, "FreqRx"), "145.50000");
        EXPECT_EQ(Text(location, "Name"), "CH");
    }
    EXPECT_EQ(Text(3, "Clear"), "ON");
}

struct SBadCase {
    std::initializer_list<std::pair<std::string, std::string>> changes;
    const char* reason;
};

TEST_F(ChannelCsvImport, ValuesTheRadioCannotHoldAreBadRows) {
    const SBadCase cases[] = {
        {{{"Location", "100"}}, "channel number from 0 to 99"},
        {{{"Location", "-1"}}, "channel number"},
        {{{"Location", ""}}, "channel number"},
        {{{"Frequency", "145.0.0"}}, "Frequency \"145.0.0\" is not a frequency in MHz"},
        {{{"Frequency", ""}}, "Frequency \"\" holds no frequency"},
        {{{"Frequency", "147.000000"}}, "outside the receive range of the radio (version GEN)"},
        {{{"Frequency", "0"}}, "receive range"},
        {{{"Frequency", "446.00625"}}, "receive range"},
        {{{"Frequency", "1e2"}}, "not a frequency in MHz"},
        {{{"Frequency", "146.5x"}}, "not a frequency in MHz"},
        {{{"Frequency", "1234567890"}}, "far more than any frequency"},
        {{{"Offset", "100.000000"}}, "more than the radio can set"},
        {{{"Offset", "-0.6"}}, "Offset \"-0.6\" is below zero"},
        {{{"Duplex", "x"}}, "Duplex \"x\""},
        {{{"Duplex", "split"}, {"Offset", "440.000000"}}, "more than the radio can set"},
        {{{"Tone", "Cross"}}, "tone mode"},
        {{{"Tone", "TSQL-R"}}, "tone mode"},
        {{{"rToneFreq", "69.4"}}, "rToneFreq \"69.4\" is not a tone"},
        {{{"cToneFreq", "300"}}, "cToneFreq"},
        {{{"rToneFreq", "88.55"}}, "not a tone"},
        {{{"DtcsCode", "024"}}, "not a DTCS code"},
        {{{"DtcsCode", "0023"}}, "not a DTCS code"},
        {{{"DtcsPolarity", "NR"}}, "NN or RR"},
        {{{"Tone", "DTCS"}, {"RxDtcsCode", "025"}}, "one DTCS code for both directions"},
        {{{"CrossMode", "Tone->DTCS"}}, "cross mode"},
        {{{"Mode", "AM"}}, "FM only"},
        {{{"Mode", "NFM"}}, "FM only"},
        {{{"Skip", "X"}}, "Skip \"X\""},
    };
    for (const SBadCase& c : cases) {
        const std::string row = RowWith(c.changes);
        SCOPED_TRACE(row);
        const SChannelCsvImport result = Import(kHeader + row);
        EXPECT_EQ(result.status, EStatus::kRefused);
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_EQ(result.problems[0].line, 2);
        EXPECT_NE(result.problems[0].reason.find(c.reason), std::string::npos)
            << result.problems[0].reason;
        EXPECT_EQ(Text(7, "Clear"), "ON");
    }
}

TEST_F(ChannelCsvImport, EveryReasonOfARowIsGiven) {
    const SChannelCsvImport result =
        Import(kHeader + RowWith({{"Frequency", "147.0"}, {"Mode", "AM"}, {"Skip", "?"}}));
    ASSERT_EQ(result.problems.size(), 1u);
    for (const char* reason : {"Frequency", "Mode", "Skip"}) {
        EXPECT_NE(result.problems[0].reason.find(reason), std::string::npos) << reason;
    }
}

TEST_F(ChannelCsvImport, ARepeatedLocationIsBadOnItsLaterLines) {
    const std::string csv = kHeader + Line(GoodRow(4)) + RowWith({{"Location", "4"}}) +
                            Line(GoodRow(5)) + RowWith({{"Location", "4"}});
    const SChannelCsvImport result = Import(csv, EBadRows::kSkip);
    EXPECT_EQ(result.imported, (std::vector<int>{4, 5}));
    ASSERT_EQ(result.problems.size(), 2u);
    EXPECT_EQ(result.problems[0].line, 3);
    EXPECT_EQ(result.problems[1].line, 5);
    EXPECT_NE(result.problems[1].reason.find("Location 4 is also on line 2"), std::string::npos);
}

struct SValueCase {
    std::initializer_list<std::pair<std::string, std::string>> changes;
    const char* leaf;
    const char* text;
};

TEST_F(ChannelCsvImport, ColumnsSetTheLeavesTheRadioHas) {
    const SValueCase cases[] = {
        {{{"Duplex", "+"}, {"Offset", "0.6"}}, "Duplex", "+Dup"},
        {{{"Duplex", "-"}, {"Offset", "0.6"}}, "FreqOw", "0.60000"},
        {{{"Duplex", ""}}, "Duplex", "OFF"},
        {{{"Duplex", "off"}}, "TXInhibit", "ON"},
        {{{"Duplex", "split"}, {"Offset", "144.900000"}}, "Duplex", "-Dup"},
        {{{"Duplex", "Split"}, {"Offset", "144.900000"}}, "FreqOw", "0.60000"},
        {{{"Duplex", "split"}, {"Offset", "146.0125"}}, "Duplex", "+Dup"},
        {{{"Frequency", "145.0125"}}, "FreqRx", "145.01250"},
        {{{"Frequency", "145.00625"}}, "FreqRx", "145.00625"},
        {{{"Frequency", " 144.5 "}}, "FreqRx", "144.50000"},
        {{{"Tone", "tsql"}}, "TONESet", "TSQL"},
        {{{"Tone", "DTCS"}, {"DtcsCode", "754"}, {"RxDtcsCode", "754"}}, "DTCSCode", "754"},
        {{{"Tone", "Tone"}, {"RxDtcsCode", "025"}}, "TONESet", "TONE"},
        {{{"DtcsCode", "23"}}, "DTCSCode", "023"},
        {{{"DtcsCode", ""}}, "DTCSCode", "023"},
        {{{"rToneFreq", "100"}}, "TONECode", "100.0"},
        {{{"cToneFreq", "254.10"}}, "TSQLCode", "254.1"},
        {{{"rToneFreq", ""}}, "TONECode", "88.5"},
        {{{"DtcsPolarity", "RR"}}, "DTCSInv", "Inverse"},
        {{{"DtcsPolarity", ""}}, "DTCSInv", "Normal"},
        {{{"Skip", "S"}}, "Skip", "ON"},
        {{{"Skip", "P"}}, "Skip", "OFF"},
        {{{"Power", "Low"}}, "TXPower", "Low"},
        {{{"Power", "5.0W"}}, "TXPower", "High"},
        {{{"Name", "ab.c-defg"}}, "Name", "AB.C-"},
        {{{"Name", "a\"b"}}, "Name", "A\"B"},
        {{{"Name", ""}}, "Name", ""},
        {{{"Mode", "fm"}, {"CrossMode", "DTCS->DTCS"}}, "Clear", "OFF"},
        {{{"TStep", "nonsense"}}, "Clear", "OFF"},
    };
    for (const SValueCase& c : cases) {
        const std::string row = RowWith(c.changes);
        SCOPED_TRACE(row);
        const SChannelCsvImport result = Import(kHeader + row);
        ASSERT_EQ(result.status, EStatus::kImported)
            << (result.problems.empty() ? "" : result.problems[0].reason);
        EXPECT_EQ(Text(7, c.leaf), c.text);
    }
}

TEST_F(ChannelCsvImport, MissingColumnsTakeTheFreshChannelValues) {
    CNode& channel = MemoryChannel(rig.Root(), 9);
    CRandomChannels(9).FillLayoutLeaves(channel, kBandOfVersion[0]);
    channel.GetChild("Clear")->SetValue(0);

    ASSERT_EQ(Import("Frequency,Location\n145.25,9\n").status, EStatus::kImported);
    const std::pair<const char*, const char*> expected[] = {
        {"FreqRx", "145.25000"}, {"FreqOw", "0.00000"}, {"Duplex", "OFF"},    {"Name", "-----"},
        {"TONESet", "OFF"},      {"TONECode", "88.5"},  {"TSQLCode", "88.5"}, {"DTCSCode", "023"},
        {"DTCSInv", "Normal"},   {"Skip", "OFF"},       {"TXPower", "High"},  {"Clear", "OFF"}};
    for (const auto& [leaf, text] : expected) {
        EXPECT_EQ(Text(9, leaf), text) << leaf;
    }
}

TEST_F(ChannelCsvImport, AChannelInUseKeepsWhatTheLayoutCannotSayAClearedOneStartsFresh) {
    for (int location : {5, 6}) {
        CNode& channel = MemoryChannel(rig.Root(), location);
        for (const char* leaf : {"DupRev", "TXInhibit", "SCRMSet"}) {
            channel.GetChild(leaf)->SetValue(1);
        }
        channel.GetChild("ANISet")->SetValue(2);
        channel.GetChild("SCRMCode")->SetValue(77);
    }
    MemoryChannel(rig.Root(), 5).GetChild("Clear")->SetValue(0);
    MemoryChannel(rig.Root(), 6).GetChild("Clear")->SetValue(1);

    ASSERT_EQ(Import(kHeader + Line(GoodRow(5)) + Line(GoodRow(6))).status, EStatus::kImported);
    const std::pair<const char*, const char*> kept[] = {{"DupRev", "ON"},   {"TXInhibit", "ON"},
                                                        {"SCRMSet", "ON"},  {"ANISet", "PGR"},
                                                        {"SCRMCode", "4D"}, {"Clear", "OFF"}};
    const std::pair<const char*, const char*> fresh[] = {{"DupRev", "OFF"},  {"TXInhibit", "OFF"},
                                                         {"SCRMSet", "OFF"}, {"ANISet", "OFF"},
                                                         {"SCRMCode", "01"}, {"Clear", "OFF"}};
    for (std::size_t i = 0; i < std::size(kept); ++i) {
        EXPECT_EQ(Text(5, kept[i].first), kept[i].second) << kept[i].first;
        EXPECT_EQ(Text(6, fresh[i].first), fresh[i].second) << fresh[i].first;
    }
}

TEST_F(ChannelCsvImport, AFileWithoutTheNeededColumnsIsRefusedWhole) {
    const std::pair<std::string, std::string> cases[] = {
        {"Location,Name\n1,A\n", "no Frequency column"},
        {"\n\nName,Frequency\n", "no Location column"},
        {"", "no header row"},
        {"\r\n,,\r\n", "no header row"},
        {"\"Location,Frequency\n1,145\n", "not closed"},
    };
    for (const auto& [csv, reason] : cases) {
        SCOPED_TRACE(csv);
        const SChannelCsvImport result = Import(csv, EBadRows::kSkip);
        EXPECT_EQ(result.status, EStatus::kRefused);
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_NE(result.problems[0].reason.find(reason), std::string::npos)
            << result.problems[0].reason;
    }
}

// What "range" means: the frequencies a write to the radio keeps (136 to
// 174 MHz and the version's band, or all of 136 to 174 MHz with the
// receive-range option); with no version known, all of 136 to 174 MHz.
TEST(ChannelCsvRange, IsWhatAWriteToTheRadioKeeps) {
    struct SCase {
        std::uint8_t options;  // version in bits 0-1, bit 2 the receive-range option
        const char* frequency;
        bool imported;
    };
    const SCase cases[] = {
        {0, "145.000000", true},        {0, "146.000000", true},    {0, "146.005000", false},
        {0, "143.995000", false},       {0x04, "147.000000", true}, {0x04, "136.000000", true},
        {0x04, "135.995000", false},    {0x04, "174.000000", true}, {0x04, "174.005000", false},
        {1, "149.500000", true},        {1, "150.012500", false},   {2, "147.995000", true},
        {2, "148.005000", false},       {3, "146.000000", true},    {3, "147.000000", false},
        {3 | 0x04, "147.000000", true},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::string(c.frequency) + " options " + std::to_string(c.options));
        CZ5CloneRig rig;
        SetOptionByte(rig, c.options);
        const SChannelCsvImport result =
            CChannelCsv(rig.manager)
                .Import("Location,Frequency\n1," + std::string(c.frequency),
                        CChannelCsv::EBadRows::kRefuseAll);
        EXPECT_EQ(result.status == EStatus::kImported, c.imported);
    }
    CZ5CloneRig noVersion(4);
    EXPECT_EQ(CChannelCsv(noVersion.manager)
                  .Import("Location,Frequency\n1,136\n2,174\n", EBadRows::kRefuseAll)
                  .imported,
              (std::vector<int>{1, 2}));
    for (const char* outside : {"135.995", "174.005", "199.99", "0.005"}) {
        EXPECT_EQ(CChannelCsv(noVersion.manager)
                      .Import("Location,Frequency\n1," + std::string(outside), EBadRows::kRefuseAll)
                      .status,
                  EStatus::kRefused)
            << outside;
    }
}

// A list saved by a spreadsheet: byte-order mark, CR LF, its own column
// order, columns of its own, quoted texts, leading zeros dropped.
TEST_F(ChannelCsvImport, ASpreadsheetExportWithItsOwnColumnsImports) {
    const std::string csv =
        "\xEF\xBB\xBF"
        "Bank,Power,Tone,DtcsCode,Name,Location,Notes,Frequency,Duplex,Offset,rToneFreq,Skip\r\n"
        "A,Low,DTCS,23,\"Rpt, North\",12,\"Club \"\"net\"\"\r\nTuesdays\",145.6,-,0.6,88.5,\r\n"
        "A,High,Tone,,Simplex,13,,146.52,,,100,S\r\n"
        ",,,,,,,,,,,\r\n"
        "\r\n";
    CZ5CloneRig sea(1);
    const SChannelCsvImport result = CChannelCsv(sea.manager).Import(csv, EBadRows::kRefuseAll);
    ASSERT_EQ(result.status, EStatus::kImported)
        << (result.problems.empty() ? "" : result.problems[0].Describe());
    EXPECT_EQ(result.imported, (std::vector<int>{12, 13}));
    CNode& north = MemoryChannel(sea.Root(), 12);
    CNode& simplex = MemoryChannel(sea.Root(), 13);
    const std::pair<CNode*, std::pair<const char*, const char*>> expected[] = {
        {&north, {"Name", "RPT,"}},          {&north, {"FreqRx", "145.60000"}},
        {&north, {"Duplex", "-Dup"}},        {&north, {"FreqOw", "0.60000"}},
        {&north, {"TONESet", "DTCS"}},       {&north, {"DTCSCode", "023"}},
        {&north, {"TXPower", "Low"}},        {&simplex, {"Name", "SIMPL"}},
        {&simplex, {"FreqRx", "146.52000"}}, {&simplex, {"TONESet", "TONE"}},
        {&simplex, {"TONECode", "100.0"}},   {&simplex, {"Skip", "ON"}},
        {&simplex, {"FreqOw", "0.00000"}},
    };
    for (const auto& [channel, leafText] : expected) {
        EXPECT_EQ(channel->GetChild(leafText.first)->GetText(), leafText.second) << leafText.first;
    }
}

}  // namespace
