#include "platform/TempFile.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

std::string CTempFile::Directory() {
    const char* dir = std::getenv("TMPDIR");
    if (dir == nullptr || *dir == '\0') {
        return "/tmp";
    }
    return dir;
}

CTempFile::CTempFile(const std::string& prefix) {
    std::string pattern = Directory() + "/" + prefix + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());  // mode 0600
    if (fd < 0) {
        return;
    }
    close(fd);
    m_path = name.data();
}

CTempFile::~CTempFile() {
    if (!m_path.empty()) {
        unlink(m_path.c_str());
    }
}
