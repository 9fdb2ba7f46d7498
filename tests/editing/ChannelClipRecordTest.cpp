// The clipboard record: its byte layout, what a damaged record reads as,
// and what writing a record onto a channel may change.
#include <array>
#include <cstring>
#include <vector>

#include "EditingTestSupport.h"
#include "interchange/ChannelClipRecord.h"

namespace {

using Record = ChannelClipRecord;

std::int32_t IntAt(const std::array<std::uint8_t, Record::kSize>& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                     bytes[offset + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

std::string TextAt(const std::array<std::uint8_t, Record::kSize>& bytes, std::size_t offset) {
    return reinterpret_cast<const char*>(bytes.data() + offset);
}

Record Sample() {
    Record record;
    for (std::size_t i = 0; i < Record::kValueCount; ++i) {
        record.values[i] = static_cast<std::int32_t>(i + 1);
    }
    record.values[Record::kScrmCode] = -2;  // all four bytes matter
    record.freqRx = "145.50000";
    record.freqOw = "0.60000";
    record.name = "RPT1";
    return record;
}

TEST(ChannelClipRecordLayout, FieldsLieWhereEveryCopyOfTheProgramReadsThem) {
    const auto bytes = Sample().Encode();
    const std::pair<std::size_t, Record::EValue> ints[] = {
        {0, Record::kClear},      {56, Record::kRef},        {60, Record::kDuplex},
        {64, Record::kDupRev},    {120, Record::kRefOw},     {176, Record::kToneSet},
        {180, Record::kToneCode}, {184, Record::kTsqlCode},  {188, Record::kDtcsCode},
        {192, Record::kDtcsInv},  {196, Record::kAniSet},    {200, Record::kAniCode},
        {204, Record::kSkip},     {208, Record::kTxInhibit}, {212, Record::kTxPower},
        {216, Record::kScrmSet},  {220, Record::kScrmCode},
    };
    const Record sample = Sample();
    for (const auto& [offset, field] : ints) {
        EXPECT_EQ(IntAt(bytes, offset), sample.values[field]) << Record::LeafOf(field);
    }
    EXPECT_EQ(bytes[220], 0xFE);
    EXPECT_EQ(bytes[223], 0xFF);
    EXPECT_EQ(TextAt(bytes, 4), "145.50000");
    EXPECT_EQ(TextAt(bytes, 68), "0.60000");
    EXPECT_EQ(TextAt(bytes, 124), "RPT1");

    const Record back = Record::Decode(bytes);
    EXPECT_EQ(back.values, sample.values);
    EXPECT_EQ(back.freqRx, sample.freqRx);
    EXPECT_EQ(back.name, sample.name);
}

TEST(ChannelClipRecordLayout, ALongTextKeepsItsTerminatorInsideItsField) {
    Record record;
    record.name = std::string(80, 'N');
    record.values[Record::kTxPower] = 0x01020304;
    const auto bytes = record.Encode();
    EXPECT_EQ(TextAt(bytes, 124).size(), Record::kTextField - 1);
    EXPECT_EQ(IntAt(bytes, 212), 0x01020304);
}

// (bytes given) -> what the record reads as.
TEST(ChannelClipRecordLayout, DamagedRecordsReadOnlyWhatIsThere) {
    const auto full = Sample().Encode();
    // Cut inside "Duplex" (60..63) and inside "FreqRx".
    const Record shortRecord = Record::Decode(std::span(full).first(62));
    EXPECT_EQ(shortRecord.values[Record::kClear], 1);
    EXPECT_EQ(shortRecord.values[Record::kRef], Sample().values[Record::kRef]);
    EXPECT_EQ(shortRecord.values[Record::kDuplex], Sample().values[Record::kDuplex] & 0xFFFF);
    EXPECT_EQ(shortRecord.values[Record::kSkip], 0);
    EXPECT_EQ(shortRecord.freqRx, "145.50000");
    EXPECT_EQ(shortRecord.name, "");
    EXPECT_EQ(Record::Decode(std::span(full).first(8)).freqRx, "145.");

    const Record empty = Record::Decode({});
    EXPECT_EQ(empty.values, Record().values);
    EXPECT_EQ(empty.freqRx, "");

    std::vector<std::uint8_t> longer(full.begin(), full.end());
    longer.resize(400, 'X');
    EXPECT_EQ(Record::Decode(longer).values, Sample().values);

    // No terminator anywhere: every text stops at its field's end.
    std::vector<std::uint8_t> noZero(Record::kSize, 'A');
    const Record unterminated = Record::Decode(noZero);
    EXPECT_EQ(unterminated.freqRx, std::string(Record::kTextField, 'A'));
    EXPECT_EQ(unterminated.name, std::string(Record::kTextField, 'A'));
    const Record tail = Record::Decode(std::span(noZero).first(130));
    EXPECT_EQ(tail.name, std::string(6, 'A'));
}

class ChannelClipRecordWriteTest : public EditingTest {};

TEST_F(ChannelClipRecordWriteTest, ACopiedChannelArrivesUnchanged) {
    Program("MCH.CH4", "145.00625",
            {{"Duplex", "+Dup"},
             {"FreqOw", "0.6"},
             {"Name", "ABC"},
             {"TONESet", "TSQL"},
             {"TSQLCode", "88.5"},
             {"DupRev", "ON"},
             {"Skip", "ON"},
             {"SCRMCode", "7F"}});
    // A 6.25 kHz channel as a clone read brings it.
    Node("MCH.CH4.FreqRx")->SetValue(145'006'250);
    const auto before = Leaves("MCH.CH4");
    Record::Decode(Record::FromChannel(*Node("MCH.CH4")).Encode()).WriteTo(*Node("MCH.CH9"), true);
    EXPECT_EQ(Leaves("MCH.CH9"), before);
    EXPECT_EQ(Text("MCH.CH9.FreqRx"), "145.00625");
}

TEST_F(ChannelClipRecordWriteTest, ForeignValuesNeverLeaveTheLeavesChoices) {
    Record record = Record::FromChannel(*Program("MCH.CH1", "145.0", {{"Duplex", "-Dup"}}));
    record.values[Record::kDuplex] = 7;       // no such choice
    record.values[Record::kToneCode] = 1000;  // beyond the tone table
    record.values[Record::kSkip] = -5;
    record.values[Record::kAniCode] = 3;  // a real choice
    record.freqRx = "146.0037";           // off the radio's steps
    record.freqOw = "9999";               // beyond the offset range
    record.name = std::string("ab\x01\xE9xyz", 7);
    record.WriteTo(*Node("MCH.CH1"), true);
    ExpectTexts("MCH.CH1.", {{"Duplex", "-Dup"},
                             {"TONECode", "67.0"},
                             {"Skip", "OFF"},
                             {"ANICode", "C3"},
                             {"FreqRx", "146.00000"},
                             {"FreqOw", "99.99500"},
                             {"Name", "AB  X"}});
}

TEST_F(ChannelClipRecordWriteTest, SkipIsTakenOnlyWhereTheCallerAllowsIt) {
    Record record = Record::FromChannel(*Program("MCH.CH1", "145.0", {{"Skip", "ON"}}));
    record.WriteTo(*Node("PCH.CH0"), false);
    record.WriteTo(*Node("MCH.CH2"), true);
    EXPECT_EQ(Text("PCH.CH0.Skip"), "OFF");
    EXPECT_EQ(Text("MCH.CH2.Skip"), "ON");
}

}  // namespace
