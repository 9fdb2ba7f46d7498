// CImageBuffer: a memory image as a plain array of bytes with accessors that
// never fail loudly.
//
// Valid addresses are 0 to GetSize() - 1. Every read outside them gives the
// value of erased memory (byte 255, word 65535, bit 1) and every write outside
// them is ignored, so no address, however wrong, reads or writes outside the
// block. A value type: copies are independent.
#pragma once

#include <cstdint>
#include <vector>

class CImageBuffer {
  public:
    static constexpr std::uint8_t kErasedByte = 0xFF;
    static constexpr std::uint16_t kErasedWord = 0xFFFF;

    // size bytes, all 0.
    explicit CImageBuffer(std::uint32_t size);
    CImageBuffer(const CImageBuffer& other) = default;
    CImageBuffer& operator=(const CImageBuffer& other) = default;
    virtual ~CImageBuffer() = default;

    // Drops the content: the image becomes size bytes, all 0.
    void Resize(std::uint32_t size);
    // Becomes a copy of other (its size and all its bytes).
    void Assign(const CImageBuffer& other) { bytes_ = other.bytes_; }

    std::uint32_t GetSize() const { return static_cast<std::uint32_t>(bytes_.size()); }
    bool IsValidAddress(std::uint32_t address) const { return address < bytes_.size(); }
    // True when count bytes from address all lie in the image (count 0: false).
    bool IsValidRange(std::uint32_t address, std::uint32_t count) const;

    // The whole image (GetSize() bytes); valid until the image is resized.
    const std::uint8_t* Data() const { return bytes_.data(); }

    std::uint8_t GetByte(std::uint32_t address) const;
    void SetByte(std::uint32_t address, std::uint8_t value);

    // Copies count bytes from the image at address to destination when they
    // all lie in the image; otherwise copies nothing. Returns whether it copied.
    bool Read(std::uint32_t address, std::uint8_t* destination, std::uint32_t count) const;
    // Copies count bytes from source into the image under the same condition.
    bool Write(std::uint32_t address, const std::uint8_t* source, std::uint32_t count);

    // The 16-bit value at address and address + 1; big-endian puts the high
    // byte first. 65535 unless both addresses are valid.
    std::uint16_t GetWord(std::uint32_t address, bool bigEndian) const;
    // Stores the low 16 bits of value when both addresses are valid.
    void SetWord(std::uint32_t address, std::uint32_t value, bool bigEndian);

    // Bit number bit (0 = least significant, 0 to 7) of the byte at address;
    // 1 for an invalid address or bit number.
    std::uint8_t GetBit(std::uint32_t address, unsigned bit) const;
    // Sets that bit when value is non-zero and clears it otherwise; the other
    // bits stay. Does nothing for an invalid address or bit number.
    void SetBit(std::uint32_t address, unsigned bit, int value);

  private:
    std::vector<std::uint8_t> bytes_;
};
