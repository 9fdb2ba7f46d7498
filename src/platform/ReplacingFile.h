// CReplacingFile: writes a file so that its target is either left as it was
// or replaced whole, never half written.
//
// The data goes into a new file beside the target (same directory, so the
// rename stays on one file system), named "<target>.~<pid>-<n>". Commit
// writes it, flushes it to the disk (fsync), gives it the owner, group and
// permissions of the old target where this user may set them (root keeps
// another user's file that user's; a new target gets 0666 less the umask)
// and renames it over the target. A symbolic link as target (or on the way
// to it) is followed, so the link stays and the file it names is replaced.
//
// Only an ordinary target is replaced. Open and Commit refuse, writing
// nothing, a target that
// - is not a regular file (a directory, device, FIFO or socket): a user who
//   wants the data on standard output or a device says so otherwise;
// - is read-only: this user may not write it, or, for root, nobody may (no
//   write bit at all), so a file someone protected stays as it is;
// - has more than one hard link: renaming over one name would split it from
//   the others, and writing into it in place could leave every name half
//   written, so such a file is refused and the user saves under another
//   name.
// - is reached through a symbolic link that another user planted in a
//   sticky folder open to all (such as /tmp): a link there is followed only
//   when it belongs to this user or to the folder's owner, as the kernel's
//   protected_symlinks rule has it for opens.
// CheckTarget tells beforehand whether a target would be refused and why.
//
// Any failure, or destruction without Commit, removes the new file and leaves
// the target untouched; the new file is also removed when the program is
// ended by SIGINT, SIGTERM or SIGHUP, and the ones a killed run left beside
// the same target are removed by the next Open of that target. Error() then
// says what failed.
#pragma once

#include <string>
#include <string_view>

class CReplacingFile {
  public:
    enum class ETargetProblem {
        kNone,            // missing (it will be created) or replaceable
        kNotRegularFile,  // a directory, device, FIFO or socket
        kReadOnly,        // no write permission, or a read-only file system
        kHardLinks,       // more than one name
        kUnreachable,     // its state cannot be read (a folder not searchable)
        kPlantedLink,     // another user's symbolic link in a sticky folder open to all
    };
    struct STargetCheck {
        ETargetProblem problem;
        std::string reason;  // "" for kNone, else e.g. "/a/x.cz5 is read-only"
    };
    static STargetCheck CheckTarget(const std::string& target);

    explicit CReplacingFile(std::string target);
    ~CReplacingFile();

    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // Checks the target and creates the new file; false (see Error, Problem)
    // when the target is refused or the directory does not allow it.
    bool Open();
    // Adds data to what Commit writes.
    void Write(std::string_view data) { m_data.append(data); }
    // Checks the target again, writes, flushes and renames the new file over
    // it; false (see Error) when any step failed, the target then being as it
    // was.
    bool Commit();

    // What failed, e.g. "/home/a/x.cz5: No space left on device" or
    // "/home/a/x.cz5 is read-only"; "" while nothing failed.
    const std::string& Error() const { return m_error; }
    // Why the target was refused; kNone when it was not (other failures).
    ETargetProblem Problem() const { return m_problem; }

  private:
    bool Refuse(const STargetCheck& check);
    bool Fail(const std::string& what);
    void Abandon();
    bool CreateNewFile();
    void TakeOverAttributes();

    std::string m_target;
    std::string m_newPath;
    std::string m_data;
    std::string m_error;
    ETargetProblem m_problem = ETargetProblem::kNone;
    int m_fd = -1;
    int m_cleanupSlot = -1;
};
