// CChannelCsvRow: the fields of one data row of a channel CSV file, found by
// the names of the header row. Header names are compared with letter case
// ignored and without surrounding spaces; when a name repeats, its first
// column counts.
//
// The row keeps references to the header columns and the record; both must
// outlive it.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

struct SCsvRecord;

class CChannelCsvRow {
  public:
    // Column index by header name (in lower case, trimmed).
    using Columns = std::map<std::string, std::size_t, std::less<>>;

    // The columns of a header record.
    static Columns ColumnsOf(const SCsvRecord& header);

    CChannelCsvRow(const Columns& columns, const SCsvRecord& record)
        : m_columns(columns), m_record(record) {}

    // Whether the file has the column.
    bool Has(std::string_view header) const;
    // The field as written; none when the file has no such column, "" when
    // this row ends before it.
    std::optional<std::string_view> Field(std::string_view header) const;
    // The field without surrounding spaces; "" when missing.
    std::string_view Trimmed(std::string_view header) const;

  private:
    const Columns& m_columns;
    const SCsvRecord& m_record;
};
