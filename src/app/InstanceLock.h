// CInstanceLock: keeps a second copy of the program from running for the
// same user. The first copy holds an advisory lock (flock) on the lock file
// "CPZ5 APP Exclusive Mutex" in the user's runtime folder (CRuntimeFolder),
// which nobody else can write. The lock goes with the process, so a file
// left behind by a crashed run stops nobody; a lock file that is not a
// regular file of this user is never used. A program that can take no lock
// does not run: it cannot tell whether another copy runs (see Error).
#pragma once

#include <string>

class CInstanceLock {
  public:
    static constexpr const char* kLockName = "CPZ5 APP Exclusive Mutex";

    // Takes the lock on the given lock file; an empty path takes none.
    explicit CInstanceLock(const std::string& path);
    ~CInstanceLock();

    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // True when this object holds the lock: no other copy runs. False when
    // another copy holds it (see IsAnotherInstance) or the lock file could
    // not be used (see Error).
    bool IsHeld() const { return m_fd >= 0; }
    // True only when another process holds the lock.
    bool IsAnotherInstance() const { return m_anotherInstance; }
    // Why the lock file could not be used, e.g. "/run/user/1000/CPZ5 APP
    // Exclusive Mutex is not a regular file of this user"; "" when it was
    // taken or another copy holds it.
    const std::string& Error() const { return m_error; }

    const std::string& Path() const { return m_path; }

    // The lock file in the runtime folder folder ("" when folder is "").
    static std::string PathIn(const std::string& folder);

  private:
    std::string m_path;
    std::string m_error;
    int m_fd = -1;
    bool m_anotherInstance = false;
};
