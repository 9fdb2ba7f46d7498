// CInstanceLock: keeps a second copy of the program from running for the
// same user. The first copy holds an advisory lock (flock) on the lock file
// "CPZ5 APP Exclusive Mutex" in $XDG_RUNTIME_DIR, or, without it, in the
// temporary directory with the user id in the file name. The lock goes with
// the process, so a file left behind by a crashed run stops nobody.
#pragma once

#include <string>

class CInstanceLock {
  public:
    static constexpr const char* kLockName = "CPZ5 APP Exclusive Mutex";

    // Takes the lock on the default path, or on path when it is not empty.
    explicit CInstanceLock(const std::string& path = {});
    ~CInstanceLock();

    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // True when this object holds the lock: no other copy runs. False when
    // another copy holds it or the lock file could not be made (then the
    // program runs anyway; see IsAnotherInstance).
    bool IsHeld() const { return m_fd >= 0; }
    // True only when another process holds the lock.
    bool IsAnotherInstance() const { return m_anotherInstance; }

    const std::string& Path() const { return m_path; }

    // The lock file's default path.
    static std::string DefaultPath();

  private:
    std::string m_path;
    int m_fd = -1;
    bool m_anotherInstance = false;
};
