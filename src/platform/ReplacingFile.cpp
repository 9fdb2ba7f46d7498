#include "platform/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/FileCleanup.h"
#include "platform/TextFile.h"

namespace {

constexpr int kNameAttempts = 100;
constexpr const char* kNewFileMark = ".~";

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

std::string BaseNameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Root may write anything, but a file without any write bit was protected
// on purpose and is not replaced either.
bool IsReadOnly(const std::string& path, const struct stat& status, int& reason) {
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM || errno == EROFS)) {
        reason = errno;
        return true;
    }
    reason = EACCES;
    return ::geteuid() == 0 && (status.st_mode & 0222) == 0;
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

// The n of "<pid>-<n>".
bool IsAttemptNumber(std::string_view rest) {
    return !rest.empty() && rest.find_first_not_of("0123456789") == std::string_view::npos;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

CReplacingFile::STargetCheck CReplacingFile::CheckTarget(const std::string& target) {
    const std::string path = ResolveLink(target);
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return {ETargetProblem::kNone, ""};
        }
        return {ETargetProblem::kUnreachable, path + ": " + std::strerror(errno)};
    }
    if (!S_ISREG(status.st_mode)) {
        return {ETargetProblem::kNotRegularFile,
                path + " " + CTextFile::NotRegularReason(status.st_mode)};
    }
    if (int reason = 0; IsReadOnly(path, status, reason)) {
        const char* what = reason == EROFS ? " is on a read-only file system" : " is read-only";
        return {ETargetProblem::kReadOnly, path + what};
    }
    if (status.st_nlink > 1) {
        return {ETargetProblem::kHardLinks,
                path + " has " + std::to_string(status.st_nlink) +
                    " hard links; replacing it would part it from the others"};
    }
    return {ETargetProblem::kNone, ""};
}

CReplacingFile::CReplacingFile(std::string target) : m_target(ResolveLink(target)) {}

CReplacingFile::~CReplacingFile() {
    Abandon();
}

bool CReplacingFile::Refuse(const STargetCheck& check) {
    m_problem = check.problem;
    m_error = check.reason;
    Abandon();
    return false;
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
        CFileCleanup::CSignalsHeld held;
        ::unlink(m_newPath.c_str());
        CFileCleanup::Unregister(m_cleanupSlot);
        m_newPath.clear();
    }
}

bool CReplacingFile::Open() {
    Abandon();
    m_error.clear();
    m_problem = ETargetProblem::kNone;
    if (STargetCheck check = CheckTarget(m_target); check.problem != ETargetProblem::kNone) {
        return Refuse(check);
    }
    CFileCleanup::RemoveLeftovers(DirectoryOf(m_target), BaseNameOf(m_target) + kNewFileMark,
                                  IsAttemptNumber);
    return CreateNewFile();
}

// Readable by this user only until Commit gives it its final permissions.
bool CReplacingFile::CreateNewFile() {
    const std::string stem = m_target + kNewFileMark + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string candidate = stem + std::to_string(attempt);
        CFileCleanup::CSignalsHeld held;
        m_cleanupSlot = CFileCleanup::Register(candidate);
        m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (m_fd >= 0) {
            m_newPath = std::move(candidate);
            return true;
        }
        const int error = errno;
        CFileCleanup::Unregister(m_cleanupSlot);
        errno = error;
        if (errno != EEXIST) {
            return Fail("cannot create a new file beside " + m_target);
        }
    }
    return Fail("cannot create a new file beside " + m_target);
}

// Owner and group first: changing them clears the set-id bits, which the
// mode then restores. A user who may not give the file its old owner keeps
// at least its group where allowed.
void CReplacingFile::TakeOverAttributes() {
    struct stat target {};
    if (::stat(m_target.c_str(), &target) != 0) {
        ::fchmod(m_fd, NewFileMode());
        return;
    }
    if (::fchown(m_fd, target.st_uid, target.st_gid) != 0) {
        [[maybe_unused]] int ignored = ::fchown(m_fd, static_cast<uid_t>(-1), target.st_gid);
    }
    ::fchmod(m_fd, target.st_mode & 07777);
}

bool CReplacingFile::Commit() {
    if (m_fd < 0) {
        errno = EBADF;
        return Fail(m_target);
    }
    if (STargetCheck check = CheckTarget(m_target); check.problem != ETargetProblem::kNone) {
        return Refuse(check);
    }
    TakeOverAttributes();
    if (!WriteAll(m_fd, m_data) || ::fsync(m_fd) != 0) {
        return Fail(m_target);
    }
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        return Fail(m_target);
    }
    {
        CFileCleanup::CSignalsHeld held;
        if (::rename(m_newPath.c_str(), m_target.c_str()) != 0) {
            return Fail(m_target);
        }
        CFileCleanup::Unregister(m_cleanupSlot);
        m_newPath.clear();
    }
    SyncDirectory(DirectoryOf(m_target));
    return true;
}
