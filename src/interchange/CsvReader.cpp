#include "interchange/CsvReader.h"

#include <algorithm>

#include "platform/Translation.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kQuote = '"';

bool IsLineEndChar(char c) {
    return c == '\n' || c == '\r';
}

}  // namespace

bool SCsvRecord::IsBlank() const {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

CCsvReader::CCsvReader(std::string_view text, char separator)
    : m_text(text), m_separator(separator) {
    if (m_text.starts_with(kByteOrderMark)) {
        m_at = kByteOrderMark.size();
    }
}

bool CCsvReader::SkipLineEnd() {
    if (AtEnd() || !IsLineEndChar(m_text[m_at])) {
        return false;
    }
    if (m_text[m_at] == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n') {
        ++m_at;
    }
    ++m_at;
    ++m_line;
    return true;
}

void CCsvReader::ReadQuoted(std::string& field, SCsvRecord& record) {
    ++m_at;  // the opening quote
    while (!AtEnd()) {
        const char c = m_text[m_at];
        if (c == kQuote) {
            if (m_at + 1 < m_text.size() && m_text[m_at + 1] == kQuote) {
                field += kQuote;
                m_at += 2;
                continue;
            }
            ++m_at;
            if (!AtEnd() && m_text[m_at] != m_separator && !IsLineEndChar(m_text[m_at]) &&
                record.error.empty()) {
                record.error =
                    CTranslation::Tr("CCsvReader", "text after the closing quote of a field");
            }
            ReadUnquoted(field);
            return;
        }
        if (!SkipLineEnd()) {
            ++m_at;
            field += c;
            continue;
        }
        field += '\n';
    }
    if (record.error.empty()) {
        record.error = CTranslation::Tr("CCsvReader", "a quoted field is not closed");
    }
}

void CCsvReader::ReadUnquoted(std::string& field) {
    const std::size_t start = m_at;
    while (!AtEnd() && m_text[m_at] != m_separator && !IsLineEndChar(m_text[m_at])) {
        ++m_at;
    }
    field.append(m_text.substr(start, m_at - start));
}

bool CCsvReader::Next(SCsvRecord& record) {
    if (AtEnd()) {
        return false;
    }
    record = SCsvRecord();
    record.line = m_line;
    while (true) {
        std::string& field = record.fields.emplace_back();
        if (!AtEnd() && m_text[m_at] == kQuote) {
            ReadQuoted(field, record);
        } else {
            ReadUnquoted(field);
        }
        if (AtEnd() || SkipLineEnd()) {
            return true;
        }
        ++m_at;  // the separator
    }
}

bool CCsvReader::NextFilled(SCsvRecord& record) {
    while (Next(record)) {
        if (!record.error.empty() || !record.IsBlank()) {
            return true;
        }
    }
    return false;
}
