#include "interchange/ChannelCsvRow.h"

#include "interchange/ChannelCsvText.h"
#include "interchange/CsvReader.h"

namespace {

std::string HeaderKey(std::string_view name) {
    return ChannelCsvText::LowerCase(ChannelCsvText::Trim(name));
}

}  // namespace

CChannelCsvRow::Columns CChannelCsvRow::ColumnsOf(const SCsvRecord& header) {
    Columns columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        columns.emplace(HeaderKey(header.fields[i]), i);
    }
    return columns;
}

bool CChannelCsvRow::Has(std::string_view header) const {
    return m_columns.find(HeaderKey(header)) != m_columns.end();
}

std::optional<std::string_view> CChannelCsvRow::Field(std::string_view header) const {
    auto column = m_columns.find(HeaderKey(header));
    if (column == m_columns.end()) {
        return std::nullopt;
    }
    if (column->second >= m_record.fields.size()) {
        return std::string_view();
    }
    return std::string_view(m_record.fields[column->second]);
}

std::string_view CChannelCsvRow::Trimmed(std::string_view header) const {
    return ChannelCsvText::Trim(Field(header).value_or(std::string_view()));
}
