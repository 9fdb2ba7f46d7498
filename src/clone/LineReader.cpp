#include "clone/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const char* NotRegularReason(mode_t mode) {
    return S_ISDIR(mode) ? "is a directory" : "is not a regular file";
}

}  // namespace

// The file is looked at before it is opened, so that no device is opened at
// all; opening does not wait (O_NONBLOCK) should a FIFO have taken the name
// in between, and what was opened is checked once more.
bool CLineReader::Open(const std::string& path) {
    Close();
    m_error = false;
    m_openError.clear();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return Refuse(std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return Refuse(NotRegularReason(status.st_mode));
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return Refuse(std::strerror(errno));
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Refuse(NotRegularReason(status.st_mode));
    }
    m_file = ::fdopen(fd, "rb");
    if (m_file == nullptr) {
        const int error = errno;
        ::close(fd);
        return Refuse(std::strerror(error));
    }
    return true;
}

bool CLineReader::Refuse(const char* reason) {
    m_openError = reason;
    return false;
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
        m_openError = m_error ? std::strerror(errno) : "";
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
        m_openError = std::strerror(errno);
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
