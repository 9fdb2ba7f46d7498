#include "app/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/TempFile.h"

std::string CInstanceLock::DefaultPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime == '/') {
        return std::string(runtime) + "/" + kLockName;
    }
    return CTempFile::Directory() + "/" + kLockName + " " + std::to_string(getuid());
}

CInstanceLock::CInstanceLock(const std::string& path)
    : m_path(path.empty() ? DefaultPath() : path) {
    const int fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_anotherInstance = errno == EWOULDBLOCK;
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
