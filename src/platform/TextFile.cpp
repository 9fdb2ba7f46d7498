#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Translation.h"

std::string CTextFile::NotRegularReason(unsigned mode) {
    const char* reason = QT_TRANSLATE_NOOP("CTextFile", "is not a regular file");
    if (S_ISDIR(mode)) {
        reason = QT_TRANSLATE_NOOP("CTextFile", "is a directory");
    } else if (S_ISFIFO(mode)) {
        reason = QT_TRANSLATE_NOOP("CTextFile", "is a FIFO, not a regular file");
    } else if (S_ISSOCK(mode)) {
        reason = QT_TRANSLATE_NOOP("CTextFile", "is a socket, not a regular file");
    } else if (S_ISCHR(mode) || S_ISBLK(mode)) {
        reason = QT_TRANSLATE_NOOP("CTextFile", "is a device, not a regular file");
    }
    return CTranslation::Tr("CTextFile", reason);
}

void CTextFile::SetPath(std::string path) {
    Close();
    m_path = std::move(path);
}

bool CTextFile::OpenForWrite() {
    return Open(true);
}

bool CTextFile::OpenForRead() {
    return Open(false);
}

bool CTextFile::Open(bool forWrite) {
    Close();
    m_failed = false;
    m_file = OpenRegularFile(m_path, forWrite, m_error);
    return m_file != nullptr;
}

// Whatever is not a regular file is refused before it is opened (nothing
// waits on a FIFO, no device is touched); a name that changed in between is
// caught by the check of what was opened, which O_NONBLOCK lets happen.
std::FILE* CTextFile::OpenRegularFile(const std::string& path, bool forWrite, std::string& error) {
    error.clear();
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        error = NotRegularReason(status.st_mode);
        return nullptr;
    }
    const int flags = forWrite ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY;
    int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    if (fd < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = NotRegularReason(status.st_mode);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, forWrite ? "wb" : "rb");
    if (file == nullptr) {
        error = std::strerror(errno);
        ::close(fd);
    }
    return file;
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
