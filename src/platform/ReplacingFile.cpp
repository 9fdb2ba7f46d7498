#include "platform/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/FileCleanup.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"

namespace {

constexpr int kNameAttempts = 100;
constexpr int kMaxLinks = 40;  // as the kernel follows at the most
constexpr const char* kNewFileMark = ".~";

// Like the kernel's protection of shared folders (fs.protected_symlinks),
// but whatever that is set to: a link in a sticky folder that everybody may
// write is followed only when it belongs to this user or to the folder's
// owner. Anyone may plant a link in /tmp; root or another user saving
// through it would replace the file it names.
bool IsPlantedLink(const struct stat& link, const std::string& folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) {
        return true;
    }
    const bool shared = (status.st_mode & S_ISVTX) != 0 && (status.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != status.st_uid;
}

// The names of a path between its slashes, last first, without "." and "".
std::vector<std::string> NamesLastFirst(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        if (std::string name = path.substr(start, end - start); !name.empty() && name != ".") {
            names.push_back(std::move(name));
        }
        start = end + 1;
    }
    std::reverse(names.begin(), names.end());
    return names;
}

std::string ReadLink(const std::string& path) {
    std::string target(PATH_MAX, '\0');
    const ssize_t size = ::readlink(path.c_str(), target.data(), target.size());
    target.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    return target;
}

struct SResolved {
    std::string path;         // the file that path names, or path itself
    std::string plantedLink;  // the link refused on the way, "" when none
};

// The file a path names with every symbolic link on the way followed, so
// that saving through a link keeps it; the path as given when it names
// nothing (yet) or holds no link. A planted link (see IsPlantedLink) is not
// followed.
SResolved ResolveLinks(const std::string& path) {
    std::string resolved;  // "" for the root folder
    if (path.empty() || path[0] != '/') {
        char here[PATH_MAX];
        if (::getcwd(here, sizeof here) == nullptr) {
            return {path, ""};
        }
        resolved = here == std::string("/") ? "" : here;
    }
    std::vector<std::string> names = NamesLastFirst(path);
    int links = 0;
    while (!names.empty()) {
        const std::string name = std::move(names.back());
        names.pop_back();
        if (name == "..") {
            resolved.erase(std::min(resolved.rfind('/'), resolved.size()));
            continue;
        }
        const std::string next = resolved + "/" + name;
        struct stat status {};
        if (::lstat(next.c_str(), &status) != 0) {
            return {path, ""};
        }
        if (!S_ISLNK(status.st_mode)) {
            resolved = next;
            continue;
        }
        if (IsPlantedLink(status, resolved.empty() ? "/" : resolved)) {
            return {path, next};
        }
        const std::string target = ReadLink(next);
        if (target.empty() || ++links > kMaxLinks) {
            return {path, ""};
        }
        if (target[0] == '/') {
            resolved.clear();
        }
        std::vector<std::string> more = NamesLastFirst(target);
        names.insert(names.end(), more.begin(), more.end());
    }
    return {links > 0 ? (resolved.empty() ? "/" : resolved) : path, ""};
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
    const SResolved resolved = ResolveLinks(target);
    if (!resolved.plantedLink.empty()) {
        return {
            ETargetProblem::kPlantedLink,
            CTranslation::Args(CTranslation::Tr("CReplacingFile",
                                                "%1 is another user's symbolic link in a folder "
                                                "open to all; it is not followed"),
                               {resolved.plantedLink})};
    }
    const std::string& path = resolved.path;
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
        const char* what = reason == EROFS ? QT_TRANSLATE_NOOP("CReplacingFile",
                                                               "%1 is on a read-only file system")
                                           : QT_TRANSLATE_NOOP("CReplacingFile", "%1 is read-only");
        return {ETargetProblem::kReadOnly,
                CTranslation::Args(CTranslation::Tr("CReplacingFile", what), {path})};
    }
    if (status.st_nlink > 1) {
        return {ETargetProblem::kHardLinks,
                CTranslation::Args(CTranslation::Tr("CReplacingFile",
                                                    "%1 has %2 hard links; replacing it would part "
                                                    "it from the others"),
                                   {path, std::to_string(status.st_nlink)})};
    }
    return {ETargetProblem::kNone, ""};
}

CReplacingFile::CReplacingFile(std::string target) : m_target(ResolveLinks(target).path) {}

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
            break;
        }
    }
    // The lookup of the translation may change errno, which Fail reports.
    const int error = errno;
    std::string what = CTranslation::Args(
        CTranslation::Tr("CReplacingFile", "cannot create a new file beside %1"), {m_target});
    errno = error;
    return Fail(what);
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
