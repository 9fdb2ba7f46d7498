#include "platform/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/TempFile.h"

namespace {

// An environment variable that names an absolute path, else "".
std::string AbsolutePathIn(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] == '/' ? value : "";
}

}  // namespace

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

std::string CRuntimeFolder::HomeCandidate() {
    std::string cache = AbsolutePathIn("XDG_CACHE_HOME");
    if (cache.empty()) {
        const std::string home = AbsolutePathIn("HOME");
        if (home.empty()) {
            return {};
        }
        cache = home + "/.cache";
    }
    return cache + "/cpz5";
}

std::string CRuntimeFolder::Find() {
    const std::string runtime = AbsolutePathIn("XDG_RUNTIME_DIR");
    if (IsPrivate(runtime)) {
        return runtime;
    }
    for (int index = 0; index < kCandidates; ++index) {
        std::string folder = MakePrivate(Candidate(index));
        if (!folder.empty()) {
            return folder;
        }
    }
    const std::string home = HomeCandidate();
    if (home.empty()) {
        return {};
    }
    // The cache folder itself may not exist yet; it is the user's alone.
    mkdir(home.substr(0, home.rfind('/')).c_str(), 0700);
    return MakePrivate(home);
}
