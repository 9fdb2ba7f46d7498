#include "clone/LineReader.h"

#include <cerrno>
#include <cstring>

#include "platform/TextFile.h"

bool CLineReader::Open(const std::string& path) {
    Close();
    m_error = false;
    m_file = CTextFile::OpenRegularFile(path, false, m_errorText);
    return m_file != nullptr;
}

void CLineReader::Close() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

bool CLineReader::ReadLine(std::string& line) {
    line.clear();
    m_cut = false;
    if (m_file == nullptr) {
        return false;
    }
    int c = std::getc(m_file);
    if (c == EOF) {
        m_error = std::ferror(m_file) != 0;
        m_errorText = m_error ? std::strerror(errno) : "";
        return false;
    }
    // A carriage return is held back until the next character shows whether
    // it ends the line.
    bool pendingReturn = false;
    for (; c != EOF && c != '\n'; c = std::getc(m_file)) {
        if (pendingReturn) {
            Keep(line, '\r');
        }
        pendingReturn = c == '\r';
        if (!pendingReturn) {
            Keep(line, static_cast<char>(c));
        }
    }
    m_error = c == EOF && std::ferror(m_file) != 0;
    if (m_error) {
        m_errorText = std::strerror(errno);
    }
    return !m_error;
}

void CLineReader::Keep(std::string& line, char c) {
    if (line.size() < m_maxKept) {
        line.push_back(c);
    } else {
        m_cut = true;
    }
}
