// CCsvReader: splits comma-separated text into records, as spreadsheets
// write it.
//
// Fields are separated by "," or the separator given (spreadsheets in
// countries with a decimal comma write ";", others a tab); a record ends at
// a line end (LF, CR LF or a lone CR) outside quotes. A field that starts
// with '"' is quoted: it runs to the next '"' that is not doubled, may hold
// separators and line ends, and "" in it stands for one '"'. A '"' inside an
// unquoted field is an ordinary character. A line end inside a quoted field
// reads as LF, whatever it was. A UTF-8 byte-order mark at the start of the
// text is skipped. Bytes are passed through as they are (no character set
// conversion).
//
// Malformed quoting does not stop the reader: the record gets an error text
// and reading goes on after it. A quoted field that is never closed takes the
// rest of the text into its record.
//
// The reader keeps a view of the text it was given; the text must outlive it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct SCsvRecord {
    int line = 0;  // line number (from 1) where the record starts
    std::vector<std::string> fields;
    std::string error;  // "" when the record is well formed

    // True when every field is empty (an empty line reads as one empty field).
    bool IsBlank() const;
};

class CCsvReader {
  public:
    explicit CCsvReader(std::string_view text, char separator = ',');

    // Reads the next record into record; false (record unchanged) at the end
    // of the text. Text after the last line end that holds no character makes
    // no record.
    bool Next(SCsvRecord& record);
    // The same, passing over blank records (an empty line, only separators)
    // unless they are malformed.
    bool NextFilled(SCsvRecord& record);

  private:
    bool AtEnd() const { return m_at >= m_text.size(); }
    // Consumes a line end at the current position; false when there is none.
    bool SkipLineEnd();
    void ReadQuoted(std::string& field, SCsvRecord& record);
    void ReadUnquoted(std::string& field);

    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
    int m_line = 1;
};
