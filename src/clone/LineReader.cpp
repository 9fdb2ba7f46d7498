#include "clone/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool CLineReader::Open(const std::string& path) {
    Close();
    m_error = false;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    m_file = ::fdopen(fd, "rb");
    if (m_file == nullptr) {
        ::close(fd);
        return false;
    }
    return true;
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
    return !m_error;
}

void CLineReader::Keep(std::string& line, char c) {
    if (line.size() < m_maxKept) {
        line.push_back(c);
    } else {
        m_cut = true;
    }
}
