// CReplacingFile: writes a file so that its target is either left as it was
// or replaced whole, never half written.
//
// The data goes into a new file beside the target (same directory, so the
// rename stays on one file system). Commit writes it, flushes it to the disk
// (fsync), gives it the target's permissions (a new target gets the usual
// 0666 less the umask) and renames it over the target; a symbolic link as
// target is followed, so the link stays and the file it names is replaced.
// Any failure, or destruction without Commit, removes the new file and leaves
// the target untouched. Error() then says what failed.
#pragma once

#include <string>
#include <string_view>

class CReplacingFile {
  public:
    explicit CReplacingFile(std::string target);
    ~CReplacingFile();

    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // Creates the new file; false (see Error) when the directory does not
    // allow it.
    bool Open();
    // Adds data to what Commit writes.
    void Write(std::string_view data) { m_data.append(data); }
    // Writes, flushes and renames the new file over the target; false (see
    // Error) when any step failed, the target then being as it was.
    bool Commit();

    // What failed, e.g. "/home/a/x.cz5: No space left on device"; "" while
    // nothing failed.
    const std::string& Error() const { return m_error; }

  private:
    bool Fail(const std::string& what);
    void Abandon();

    std::string m_target;
    std::string m_newPath;
    std::string m_data;
    std::string m_error;
    int m_fd = -1;
};
