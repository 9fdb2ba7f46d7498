// The CSV reader and writer: what spreadsheets write reads back field for
// field, with the line each record starts on.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "interchange/CsvReader.h"
#include "interchange/CsvWriter.h"

namespace {

using Fields = std::vector<std::string>;

struct SExpected {
    int line;
    Fields fields;
    bool malformed = false;
};

std::vector<SExpected> ReadAll(const std::string& text) {
    CCsvReader reader(text);
    std::vector<SExpected> records;
    for (SCsvRecord record; reader.Next(record);) {
        records.push_back({record.line, record.fields, !record.error.empty()});
    }
    return records;
}

void ExpectRecords(const std::string& text, const std::vector<SExpected>& expected) {
    const std::vector<SExpected> records = ReadAll(text);
    ASSERT_EQ(records.size(), expected.size()) << text;
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(records[i].line, expected[i].line) << text << " record " << i;
        EXPECT_EQ(records[i].fields, expected[i].fields) << text << " record " << i;
        EXPECT_EQ(records[i].malformed, expected[i].malformed) << text << " record " << i;
    }
}

struct SReaderCase {
    const char* what;
    std::string text;
    std::vector<SExpected> records;
};

TEST(CsvReader, SplitsRecordsAsSpreadsheetsWriteThem) {
    const SReaderCase cases[] = {
        {"plain LF", "a,b\nc,d\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"CR LF and no final line end", "a,b\r\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"lone CR", "a\rb\r", {{1, {"a"}}, {2, {"b"}}}},
        {"byte-order mark", "\xEF\xBB\xBFLocation,Name\n", {{1, {"Location", "Name"}}}},
        {"empty fields", ",a,,\n", {{1, {"", "a", "", ""}}}},
        {"empty line", "a\n\nb\n", {{1, {"a"}}, {2, {""}}, {3, {"b"}}}},
        {"quoted comma", "\"a,b\",c\n", {{1, {"a,b", "c"}}}},
        {"doubled quote", "\"say \"\"hi\"\"\",x\n", {{1, {"say \"hi\"", "x"}}}},
        {"line ends inside quotes count as lines",
         "\"one\r\ntwo\nthree\",x\nnext\n",
         {{1, {"one\ntwo\nthree", "x"}}, {4, {"next"}}}},
        {"quote inside an unquoted field", "ab\"c,d\n", {{1, {"ab\"c", "d"}}}},
        {"empty quoted field", "\"\",x\n", {{1, {"", "x"}}}},
        {"text after a closing quote", "\"ab\"cd,e\nf\n", {{1, {"abcd", "e"}, true}, {2, {"f"}}}},
        {"quote never closed", "a\n\"open,\nrest\n", {{1, {"a"}}, {2, {"open,\nrest\n"}, true}}},
        {"nothing", "", {}},
        {"only a mark", "\xEF\xBB\xBF", {}},
    };
    for (const SReaderCase& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRecords(c.text, c.records);
    }
}

TEST(CsvWriter, QuotesOnlyWhereTheReaderNeedsIt) {
    EXPECT_EQ(CCsvWriter::Quote("145.000000"), "145.000000");
    EXPECT_EQ(CCsvWriter::Quote("A,B"), "\"A,B\"");
    EXPECT_EQ(CCsvWriter::Quote("5\" dish"), "\"5\"\" dish\"");
    EXPECT_EQ(CCsvWriter::Quote(" AB"), "\" AB\"");
    EXPECT_EQ(CCsvWriter::Quote("a\nb"), "\"a\nb\"");
    CCsvWriter writer;
    writer.WriteRecord(Fields{"1", "A,B", ""});
    EXPECT_EQ(writer.Text(), "1,\"A,B\",\r\n");
}

// Random fields of every byte but CR (a line end inside a field reads back
// as LF) come back from the reader exactly as written.
TEST(CsvWriter, WhatItWritesReadsBackFieldForField) {
    std::mt19937 random(20261208);
    const std::string alphabet = std::string("ab ,\"\n\t;'\xC3\xA9", 12) + std::string(1, '\0');
    for (int round = 0; round < 300; ++round) {
        std::vector<Fields> records(1 + random() % 5);
        CCsvWriter writer;
        for (Fields& fields : records) {
            fields.resize(1 + random() % 6);
            for (std::string& field : fields) {
                for (unsigned n = random() % 8; n > 0; --n) {
                    field += alphabet[random() % alphabet.size()];
                }
            }
            writer.WriteRecord(fields);
        }
        CCsvReader reader(writer.Text());
        SCsvRecord record;
        for (const Fields& fields : records) {
            ASSERT_TRUE(reader.Next(record));
            EXPECT_EQ(record.fields, fields);
            EXPECT_EQ(record.error, "");
        }
        EXPECT_FALSE(reader.Next(record));
    }
}

}  // namespace
