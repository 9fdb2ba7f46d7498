#pragma once

#include <string>

// A uniquely named, initially empty file in the temporary directory
// ($TMPDIR, else /tmp), readable and writable by the user only, whose name
// starts with the given prefix ("~CP" for the document, "cl" for the
// transfer) followed by the process id and a unique part ("~CP4711-a8Xk2Q"),
// so that a later start can tell whether its owner still runs (see
// FileCleanup.h). The file is removed when the object is destroyed, and also
// when the program is ended by SIGINT, SIGTERM or SIGHUP.
//
// Creation can fail (no temporary directory, disk full): then Path() is empty
// and IsValid() is false, and Error() says why; the owner reports that when
// it needs the file.
class CTempFile {
  public:
    static constexpr const char* kDocumentPrefix = "~CP";
    static constexpr const char* kTransferPrefix = "cl";
    static constexpr const char* kSpoolPrefix = "pr";  // a print job on its way
    static constexpr const char* kCheckPrefix = "cv";  // a read for a backup or a check
    // Every prefix above: what a later start looks for among leftovers.
    static constexpr const char* kPrefixes[] = {kDocumentPrefix, kTransferPrefix, kSpoolPrefix,
                                                kCheckPrefix};

    explicit CTempFile(const std::string& prefix);
    ~CTempFile();

    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;

    bool IsValid() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    // Why the file could not be made, e.g. "/tmp: No space left on device".
    const std::string& Error() const { return m_error; }

    // Removes the file now, as the destructor does.
    void Remove();
    // Forgets the file without removing it, now or at a signal: a process
    // forked from the owner leaves the owner's files to the owner.
    void Disown();

    // The directory in which temporary files are made.
    static std::string Directory();

  private:
    std::string m_path;
    std::string m_error;
    int m_cleanupSlot = -1;
};
