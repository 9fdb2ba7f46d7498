#include "platform/TextFile.h"

void CTextFile::SetPath(std::string path) {
    Close();
    m_path = std::move(path);
}

bool CTextFile::OpenForWrite() {
    Close();
    m_file = std::fopen(m_path.c_str(), "wb");
    m_failed = false;
    return m_file != nullptr;
}

bool CTextFile::OpenForRead() {
    Close();
    m_file = std::fopen(m_path.c_str(), "rb");
    m_failed = false;
    return m_file != nullptr;
}

bool CTextFile::Write(const std::string& text) {
    if (m_file == nullptr) {
        return false;
    }
    if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) {
        m_failed = true;
    }
    return !m_failed;
}

bool CTextFile::ReadLine(std::string& line) {
    line.clear();
    if (m_file == nullptr) {
        return false;
    }
    int c = std::fgetc(m_file);
    if (c == EOF) {
        return false;
    }
    while (c != EOF && c != '\n') {
        line.push_back(static_cast<char>(c));
        c = std::fgetc(m_file);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool CTextFile::Flush() {
    if (m_file == nullptr) {
        return false;
    }
    if (std::fflush(m_file) != 0) {
        m_failed = true;
    }
    return !m_failed;
}

bool CTextFile::Close() {
    if (m_file == nullptr) {
        return true;
    }
    bool ok = !m_failed && std::ferror(m_file) == 0;
    if (std::fclose(m_file) != 0) {
        ok = false;
    }
    m_file = nullptr;
    return ok;
}
