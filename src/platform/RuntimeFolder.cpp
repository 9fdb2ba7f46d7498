#include "platform/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/TempFile.h"

bool CRuntimeFolder::IsPrivate(const std::string& path) {
    struct stat info {};
    if (path.empty() || path[0] != '/' || lstat(path.c_str(), &info) != 0) {
        return false;
    }
    return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

std::string CRuntimeFolder::MakePrivate(const std::string& path) {
    // mkdir does not follow a symbolic link planted under this name; an
    // existing entry is judged by IsPrivate.
    mkdir(path.c_str(), 0700);
    return IsPrivate(path) ? path : std::string();
}

std::string CRuntimeFolder::Candidate(int index) {
    std::string name = CTempFile::Directory() + "/cpz5-" + std::to_string(getuid());
    return index == 0 ? name : name + "." + std::to_string(index);
}

std::string CRuntimeFolder::Find() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && IsPrivate(runtime)) {
        return runtime;
    }
    for (int index = 0; index < kCandidates; ++index) {
        std::string folder = MakePrivate(Candidate(index));
        if (!folder.empty()) {
            return folder;
        }
    }
    return {};
}
