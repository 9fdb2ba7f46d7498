#pragma once

#include <cstdio>
#include <string>

// A text file bound to a path and opened only for one job at a time: the
// temporary clone text through which the document and the transfer move an
// image. Lines end with "\n" when written; ReadLine accepts "\n" and "\r\n"
// and gives the line without its end.
//
// Only regular files are opened: a directory, device, FIFO or socket at the
// path is refused, so nothing ever waits. Every operation reports failure by
// its result; none throws, and Error() says why in the system's words.
class CTextFile {
  public:
    CTextFile() = default;
    explicit CTextFile(std::string path) : m_path(std::move(path)) {}
    ~CTextFile() { Close(); }

    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    const std::string& Path() const { return m_path; }
    void SetPath(std::string path);

    // Creates or truncates the file and opens it for writing.
    bool OpenForWrite();
    // Opens the existing file for reading from its start.
    bool OpenForRead();
    bool IsOpen() const { return m_file != nullptr; }

    // Writes text as it stands / text and "\n". False when not open or on a
    // write error (the error stays and Close reports it too).
    bool Write(const std::string& text);
    bool WriteLine(const std::string& line) { return Write(line) && Write("\n"); }

    // Reads the next line into line (without "\n" or "\r\n"); false at the
    // end of the file or when not open. A line is never cut: lines of any
    // length are read whole.
    bool ReadLine(std::string& line);

    // Flushes written data to the operating system; false on error.
    bool Flush();
    // Closes the file; false when a write or the close failed.
    bool Close();

    // Why the last open or write failed: the system's words ("No space left
    // on device") or "is a directory" / "is not a regular file"; "" when
    // nothing failed.
    const std::string& Error() const { return m_error; }

    // Opens path as a stream ("rb", or "wb" created or truncated) when it is
    // a regular file; else nullptr, and error says why (see Error).
    static std::FILE* OpenRegularFile(const std::string& path, bool forWrite, std::string& error);

    // What a file of this mode is, when it is not a regular file, as the end
    // of a sentence about it: "is a directory", "is a FIFO, not a regular
    // file", "is a socket, ...", "is a device, ...".
    static std::string NotRegularReason(unsigned mode);

  private:
    bool Open(bool forWrite);
    void Failed();

    std::string m_path;
    std::FILE* m_file = nullptr;
    std::string m_error;
    bool m_failed = false;
};
