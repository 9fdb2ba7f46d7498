#include "interchange/CsvWriter.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

}  // namespace

std::string CCsvWriter::Quote(std::string_view field) {
    if (!NeedsQuotes(field)) {
        return std::string(field);
    }
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

void CCsvWriter::WriteRecord(std::span<const std::string> fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            m_text += ',';
        }
        m_text += Quote(fields[i]);
    }
    m_text += kLineEnd;
}
