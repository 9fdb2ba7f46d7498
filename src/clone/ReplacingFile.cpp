#include "clone/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kNameAttempts = 100;

// The file a symbolic link names, so that saving through a link keeps it.
std::string ResolveLink(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t written = ::write(fd, data.data() + done, data.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the rename itself durable; a directory that cannot be synced is not
// an error (the file's own data is already on the disk).
void SyncDirectory(const std::string& directory) {
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

CReplacingFile::CReplacingFile(std::string target) : m_target(ResolveLink(target)) {}

CReplacingFile::~CReplacingFile() {
    Abandon();
}

bool CReplacingFile::Fail(const std::string& what) {
    m_error = what + ": " + std::strerror(errno);
    Abandon();
    return false;
}

void CReplacingFile::Abandon() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_newPath.empty()) {
        ::unlink(m_newPath.c_str());
        m_newPath.clear();
    }
}

bool CReplacingFile::Open() {
    Abandon();
    m_error.clear();
    struct stat status {};
    if (::stat(m_target.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        errno = EISDIR;
        return Fail(m_target);
    }
    const std::string stem = m_target + ".~" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = stem + std::to_string(attempt);
        m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            m_newPath = std::move(candidate);
            return true;
        }
        if (errno != EEXIST) {
            return Fail(m_target);
        }
    }
    return Fail(m_target);
}

bool CReplacingFile::Commit() {
    if (m_fd < 0) {
        errno = EBADF;
        return Fail(m_target);
    }
    struct stat target {};
    if (::stat(m_target.c_str(), &target) == 0) {
        ::fchmod(m_fd, target.st_mode & 07777);
    }
    if (!WriteAll(m_fd, m_data) || ::fsync(m_fd) != 0) {
        return Fail(m_target);
    }
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 || ::rename(m_newPath.c_str(), m_target.c_str()) != 0) {
        return Fail(m_target);
    }
    m_newPath.clear();
    SyncDirectory(DirectoryOf(m_target));
    return true;
}
