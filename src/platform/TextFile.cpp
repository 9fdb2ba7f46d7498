#include "platform/TextFile.h"

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

void CTextFile::SetPath(std::string path) {
    Close();
    m_path = std::move(path);
}

bool CTextFile::OpenForWrite() {
    return Open(O_WRONLY | O_CREAT | O_TRUNC, "wb");
}

bool CTextFile::OpenForRead() {
    return Open(O_RDONLY, "rb");
}

// Whatever is not a regular file is refused before it is opened (nothing
// waits on a FIFO, no device is touched); a name that changed in between is
// caught by the check of what was opened, which O_NONBLOCK lets happen.
bool CTextFile::Open(int flags, const char* mode) {
    Close();
    m_failed = false;
    m_error.clear();
    struct stat status {};
    if (::stat(m_path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        return Refuse(NotRegularReason(status.st_mode));
    }
    int fd = ::open(m_path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    if (fd < 0) {
        return Refuse(std::strerror(errno));
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Refuse(NotRegularReason(status.st_mode));
    }
    m_file = ::fdopen(fd, mode);
    if (m_file == nullptr) {
        const int error = errno;
        ::close(fd);
        return Refuse(std::strerror(error));
    }
    return true;
}

bool CTextFile::Refuse(const char* reason) {
    m_error = reason;
    return false;
}

bool CTextFile::Write(const std::string& text) {
    if (m_file == nullptr) {
        return false;
    }
    if (!m_failed && std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) {
        Failed();
    }
    return !m_failed;
}

void CTextFile::Failed() {
    if (!m_failed) {
        m_error = std::strerror(errno);
    }
    m_failed = true;
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
        Failed();
    }
    return !m_failed;
}

bool CTextFile::Close() {
    if (m_file == nullptr) {
        return true;
    }
    if (std::fflush(m_file) != 0 || std::ferror(m_file) != 0) {
        Failed();
    }
    if (std::fclose(m_file) != 0) {
        Failed();
    }
    const bool ok = !m_failed;
    m_file = nullptr;
    return ok;
}
