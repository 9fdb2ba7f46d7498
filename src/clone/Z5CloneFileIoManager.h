// CZ5CloneFileIoManager: clone files of the QM-Z5: header "24680001", the
// clone comment (Common.CloneComment, at most 16 characters) on the comment
// line, and 122 data lines of 16 bytes for the 1,952-byte image.
//
// Save first repairs the clone manager's memory image (the adjustment's
// Adjust), so a saved file always carries the model text and the factory
// bytes the user cannot edit.
//
// Clone files of the QM-Z5 are named with kFileExtension; file dialogs offer
// them with FileFilter(). Any name is read and written.
#pragma once

#include <array>
#include <string>

#include "clone/CloneFileIoManager.h"

class CZ5CloneFileIoManager : public CCloneFileIoManager {
    CPZ5_DECLARE_CLASS(CZ5CloneFileIoManager)
  public:
    static constexpr std::size_t kCommentLength = 16;
    static constexpr const char* kFileExtension = ".cz5";

    // "QM-Z5 clone files (*.cz5)".
    static std::string FileFilter();

    // Model code 0x2468, revision 1, 1,952 bytes, 16 bytes a line.
    void Initialize() override;

    // The text of Common.CloneComment, cut to 16 characters; "" without a
    // memory map.
    std::string GetComment() override;

    // The working image itself protects the caller's image: no storage copy.
    void SaveStorage() override {}
    void RestoreStorage() override {}

    // The whole working image.
    bool IsValidAddress(std::uint32_t address) const override;

    ECloneFileResult Save(const std::string& path, std::span<const SMemoryRange> ranges,
                          const CImageBuffer& image) override;
    ECloneFileResult Load(const std::string& path, CImageBuffer& image) override;

  private:
    std::array<char, kCommentLength + 1> m_commentBuffer{};
};
