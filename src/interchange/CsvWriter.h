// CCsvWriter: builds comma-separated text that CCsvReader and spreadsheets
// read back field for field. Records end with CR LF. A field is quoted when
// it holds a comma, a quote, a line end or begins or ends with a space;
// quotes inside are doubled.
#pragma once

#include <span>
#include <string>
#include <string_view>

class CCsvWriter {
  public:
    void WriteRecord(std::span<const std::string> fields);

    // Everything written so far.
    const std::string& Text() const { return m_text; }

    // field as it appears in a record.
    static std::string Quote(std::string_view field);

  private:
    std::string m_text;
};
