#pragma once

#include <string>

// A uniquely named, initially empty file in the temporary directory
// ($TMPDIR, else /tmp), readable and writable by the user only, whose name
// starts with the given prefix ("~CP" for the document, "cl" for the
// transfer). The file is removed when the object is destroyed.
//
// Creation can fail (no temporary directory, disk full): then Path() is empty
// and IsValid() is false; the owner reports that when it needs the file.
class CTempFile {
  public:
    explicit CTempFile(const std::string& prefix);
    ~CTempFile();

    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;

    bool IsValid() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }

    // The directory in which temporary files are made.
    static std::string Directory();

  private:
    std::string m_path;
};
