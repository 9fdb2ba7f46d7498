// CCloneFileIo: the file operations of a clone file reader and writer.
//
// A clone file is the radio's memory as lines of hexadecimal text: a header
// of model code and revision ("%04X%04X"), a comment line ("#" and the
// comment), then data lines of address, count and bytes ("%04X%02X" and
// "%02X" per byte). Results are those of CloneFileResult.h.
//
// Callers use Save and Load; the other operations serve the writer and reader
// themselves and tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "clone/CloneFileResult.h"
#include "clone/MemoryRange.h"

class CImageBuffer;

class CCloneFileIo {
  public:
    virtual ~CCloneFileIo() = default;

    // Writes the header, the comment line and the bytes of every range (see
    // SMemoryRange) to path, creating or truncating the file. Ok,
    // CannotOpenFile when the file cannot be created, Error when a write
    // fails (the file is then incomplete).
    virtual ECloneFileResult WriteCloneFile(const std::string& path,
                                            std::span<const SMemoryRange> ranges) = 0;
    // Reads path and stores its data lines; any result but Ok may leave
    // some lines stored (Load keeps the caller's image safe from that).
    virtual ECloneFileResult ReadCloneFile(const std::string& path) = 0;

    // Image size / line width, rounded up.
    virtual std::uint32_t GetLineCount() const = 0;
    virtual std::uint32_t GetModelCode() const = 0;
    virtual std::uint32_t GetRevision() const = 0;
    virtual std::string GetComment() = 0;
    virtual std::uint32_t GetImageSize() const = 0;
    virtual std::uint32_t GetLineWidth() const = 0;

    // Keep and give back the stored bytes around a read.
    virtual void SaveStorage() = 0;
    virtual void RestoreStorage() = 0;

    // The stored bytes: an invalid address reads 255 and ignores writes.
    virtual bool IsValidAddress(std::uint32_t address) const = 0;
    virtual std::uint8_t GetByte(std::uint32_t address) const = 0;
    virtual void SetByte(std::uint32_t address, std::uint8_t value) = 0;

    // Whether the data read so far is complete.
    virtual bool IsComplete() const = 0;

    // Writes image (its ranges) to path as a clone file; the result of
    // WriteCloneFile.
    virtual ECloneFileResult Save(const std::string& path, std::span<const SMemoryRange> ranges,
                                  const CImageBuffer& image) = 0;
    // Reads path; only when the result is Ok does image take the file's
    // bytes (addresses the file does not mention keep theirs). On any other
    // result image is unchanged.
    virtual ECloneFileResult Load(const std::string& path, CImageBuffer& image) = 0;
};
