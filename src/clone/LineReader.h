// CLineReader: reads a clone text file line by line, whatever it holds.
//
// Only regular files are opened (a directory, a device, a FIFO or a socket is
// refused before it is opened), so reading always comes to an end. A line is
// given without its end: "\n", or "\r\n" (one carriage return before the
// line feed, or before the end of the file, is dropped). Of a longer line
// only the first maxKept characters are kept and the rest is read and
// dropped; WasCut() tells. Bytes of any value, NUL included, are kept as they
// are.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

class CLineReader {
  public:
    explicit CLineReader(std::size_t maxKept) : m_maxKept(maxKept) {}
    ~CLineReader() { Close(); }

    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // Opens path from its start; false when it does not exist, cannot be read
    // or is not a regular file.
    bool Open(const std::string& path);
    void Close();

    // The next line into line; false at the end of the file, on a read error
    // (HasError) or when not open.
    bool ReadLine(std::string& line);
    // Whether the last line read was longer than maxKept.
    bool WasCut() const { return m_cut; }
    // Whether reading stopped at an error rather than at the end of the file.
    bool HasError() const { return m_error; }
    // Why Open or the last read failed, in the system's words ("No such file
    // or directory", "Permission denied") or "is a directory" / "is not a
    // regular file"; "" when nothing failed.
    const std::string& Error() const { return m_errorText; }

  private:
    void Keep(std::string& line, char c);

    const std::size_t m_maxKept;
    std::FILE* m_file = nullptr;
    std::string m_errorText;
    bool m_cut = false;
    bool m_error = false;
};
