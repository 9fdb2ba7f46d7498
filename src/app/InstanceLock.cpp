#include "app/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Translation.h"

namespace {

// Only a regular file of this user is a lock; a device, FIFO or someone
// else's file planted under the name is left alone.
bool IsOwnRegularFile(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == getuid();
}

}  // namespace

std::string CInstanceLock::PathIn(const std::string& folder) {
    return folder.empty() ? std::string() : folder + "/" + kLockName;
}

CInstanceLock::CInstanceLock(const std::string& path) : m_path(path) {
    if (m_path.empty()) {
        m_error = CTranslation::Tr("CInstanceLock", "no lock file");
        return;
    }
    const int fd =
        open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        m_error = m_path + ": " + std::strerror(errno);
        return;
    }
    if (!IsOwnRegularFile(fd)) {
        m_error = CTranslation::Args(
            CTranslation::Tr("CInstanceLock", "%1 is not a regular file of this user"), {m_path});
        close(fd);
        return;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_anotherInstance = errno == EWOULDBLOCK;
        if (!m_anotherInstance) {
            m_error = m_path + ": " + std::strerror(errno);
        }
        close(fd);
        return;
    }
    m_fd = fd;
}

CInstanceLock::~CInstanceLock() {
    if (m_fd >= 0) {
        flock(m_fd, LOCK_UN);
        close(m_fd);
    }
}
