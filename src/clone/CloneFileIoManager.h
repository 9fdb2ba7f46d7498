// CCloneFileIoManager: writes a memory image as a clone file and reads clone
// files back, as a clone manager component.
//
// Reading and writing go through a working image: Save copies the caller's
// image into it and writes it out; Load copies the caller's image into it,
// reads the file over it and gives it back only when the whole file read
// Ok. A file that is bad anywhere therefore never changes the caller's
// image. Files of any content (binary data, lines of any length, a directory
// or device instead of a file) end in a result, never in a crash.
//
// The model code and revision that Save writes and Load expects are taken
// from the clone manager's model information when there is one.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "clone/CloneFileIo.h"
#include "model/CloneManagerObject.h"
#include "model/ImageBuffer.h"

class CTextFile;

class CCloneFileIoManager : public CCloneFileIo, public CCloneManagerObject {
    CPZ5_DECLARE_CLASS(CCloneFileIoManager)
  public:
    // The longest data line: 4 address, 2 count and 255 * 2 data characters.
    static constexpr std::size_t kMaxDataLineLength = 516;
    static constexpr std::size_t kMinDataLineLength = 8;
    static constexpr std::size_t kHeaderLength = 8;

    CCloneFileIoManager();
    ~CCloneFileIoManager() override;

    // Model code 0, revision 0, 1,024 bytes, 16 bytes a line, no comment.
    void Initialize() override;

    ECloneFileResult WriteCloneFile(const std::string& path,
                                    std::span<const SMemoryRange> ranges) override;
    ECloneFileResult ReadCloneFile(const std::string& path) override;

    std::uint32_t GetLineCount() const override;
    std::uint32_t GetModelCode() const override { return m_modelCode; }
    std::uint32_t GetRevision() const override { return m_revision; }
    std::string GetComment() override { return m_comment; }
    std::uint32_t GetImageSize() const override { return m_imageSize; }
    std::uint32_t GetLineWidth() const override { return m_lineWidth; }

    void SaveStorage() override;
    void RestoreStorage() override;

    // The working image, up to the image size.
    bool IsValidAddress(std::uint32_t address) const override;
    std::uint8_t GetByte(std::uint32_t address) const override;
    void SetByte(std::uint32_t address, std::uint8_t value) override;

    bool IsComplete() const override { return true; }

    ECloneFileResult Save(const std::string& path, std::span<const SMemoryRange> ranges,
                          const CImageBuffer& image) override;
    ECloneFileResult Load(const std::string& path, CImageBuffer& image) override;

    // Why the last read or write failed, in the system's words ("No space
    // left on device", "is a directory"); "" when the failure was the file's
    // content or nothing failed.
    const std::string& GetFailureReason() const { return m_failureReason; }
    // Of the last read: how many data lines it stored, and whether they
    // covered every byte of the image (a file cut short does not; the bytes
    // it does not mention keep what the image held).
    std::uint32_t GetDataLinesRead() const { return m_dataLinesRead; }
    bool CoveredWholeImage() const;

  protected:
    void Configure(std::uint32_t modelCode, std::uint32_t revision, std::uint32_t imageSize);
    void SetComment(std::string comment) { m_comment = std::move(comment); }
    // Model code and revision := those of the model manager's information.
    void TakeModelFromOwner();

    CImageBuffer& WorkingImage() { return m_working; }
    const CImageBuffer& WorkingImage() const { return m_working; }

  private:
    ECloneFileResult CheckHeader(const std::string& line) const;
    ECloneFileResult StoreDataLine(const std::string& line);
    ECloneFileResult ReadLines(const std::string& path);
    bool WriteRange(CTextFile& file, const SMemoryRange& range);

    std::uint32_t m_modelCode = 0;
    std::uint32_t m_revision = 0;
    std::uint32_t m_imageSize = 0;
    std::uint32_t m_lineWidth = 16;
    std::string m_comment;
    std::vector<std::uint8_t> m_storage;
    CImageBuffer m_working;
    std::string m_failureReason;
    std::uint32_t m_dataLinesRead = 0;
    std::vector<bool> m_covered;
};
