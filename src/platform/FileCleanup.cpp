#include "platform/FileCleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/TempFile.h"

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

struct SSlot {
    char path[PATH_MAX];
    volatile sig_atomic_t used;
};

SSlot g_slots[CFileCleanup::kSlots];

void RemoveRegisteredFiles(int signal) {
    for (SSlot& slot : g_slots) {
        if (slot.used != 0) {
            ::unlink(slot.path);
        }
    }
    // The default action ends the process once the handler returns and the
    // signal is no longer blocked, so the parent sees the signal as cause.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void InstallHandler(int signal) {
    struct sigaction old {};
    if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = RemoveRegisteredFiles;
    ::sigemptyset(&action.sa_mask);
    for (int other : kSignals) {
        ::sigaddset(&action.sa_mask, other);
    }
    ::sigaction(signal, &action, nullptr);
}

bool IsOwnRegularFile(int directory, const char* name) {
    struct stat status {};
    return ::fstatat(directory, name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

bool ProcessIsGone(long pid) {
    return pid > 0 && pid <= INT_MAX && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// mkstemp's six characters of the temporary files.
bool IsUniqueSuffix(std::string_view rest) {
    return rest.size() == 6;
}

}  // namespace

void CFileCleanup::Start() {
    for (const char* prefix : CTempFile::kPrefixes) {
        RemoveLeftovers(CTempFile::Directory(), prefix, IsUniqueSuffix);
    }
    for (int signal : kSignals) {
        InstallHandler(signal);
    }
}

int CFileCleanup::Register(const std::string& path) {
    if (path.size() >= PATH_MAX) {
        return kNoSlot;
    }
    CSignalsHeld held;
    for (int i = 0; i < kSlots; ++i) {
        if (g_slots[i].used == 0) {
            std::memcpy(g_slots[i].path, path.c_str(), path.size() + 1);
            std::atomic_signal_fence(std::memory_order_seq_cst);
            g_slots[i].used = 1;
            return i;
        }
    }
    return kNoSlot;
}

void CFileCleanup::Unregister(int slot) {
    if (slot >= 0 && slot < kSlots) {
        g_slots[slot].used = 0;
    }
}

long CFileCleanup::LeadingProcessId(std::string_view text, std::string_view& rest) {
    std::size_t digits = 0;
    long pid = 0;
    while (digits < text.size() && digits < 10 && text[digits] >= '0' && text[digits] <= '9') {
        pid = pid * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0 || digits >= text.size() || text[digits] != '-') {
        return 0;
    }
    rest = text.substr(digits + 1);
    return pid;
}

int CFileCleanup::RemoveLeftovers(const std::string& directory, std::string_view prefix,
                                  bool (*accepts)(std::string_view rest)) {
    DIR* folder = ::opendir(directory.c_str());
    if (folder == nullptr) {
        return 0;
    }
    int removed = 0;
    const int fd = ::dirfd(folder);
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (name.substr(0, prefix.size()) != prefix) {
            continue;
        }
        std::string_view rest;
        const long pid = LeadingProcessId(name.substr(prefix.size()), rest);
        if (pid != 0 && accepts(rest) && IsOwnRegularFile(fd, entry->d_name) &&
            ProcessIsGone(pid) && ::unlinkat(fd, entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    ::closedir(folder);
    return removed;
}

CFileCleanup::CSignalsHeld::CSignalsHeld() {
    sigset_t blocked;
    ::sigemptyset(&blocked);
    for (int signal : kSignals) {
        ::sigaddset(&blocked, signal);
    }
    ::pthread_sigmask(SIG_BLOCK, &blocked, &m_old);
}

CFileCleanup::CSignalsHeld::~CSignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
}
