#include "platform/TempFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/FileCleanup.h"

std::string CTempFile::Directory() {
    const char* dir = std::getenv("TMPDIR");
    if (dir == nullptr || *dir == '\0') {
        return "/tmp";
    }
    return dir;
}

CTempFile::CTempFile(const std::string& prefix) {
    const std::string directory = Directory();
    std::string pattern = directory + "/" + prefix + std::to_string(::getpid()) + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // No signal may come between the creation and the registration.
    CFileCleanup::CSignalsHeld held;
    int fd = ::mkstemp(name.data());  // mode 0600
    if (fd < 0) {
        m_error = directory + ": " + std::strerror(errno);
        return;
    }
    ::close(fd);
    m_path = name.data();
    m_cleanupSlot = CFileCleanup::Register(m_path);
}

CTempFile::~CTempFile() {
    Remove();
}

void CTempFile::Remove() {
    if (!m_path.empty()) {
        CFileCleanup::CSignalsHeld held;
        ::unlink(m_path.c_str());
        Disown();
    }
}

void CTempFile::Disown() {
    CFileCleanup::Unregister(m_cleanupSlot);
    m_cleanupSlot = -1;
    m_path.clear();
}
