// CByteString: a bounded byte string for clone frames, clone file lines and
// hexadecimal text.
//
// The capacity is fixed when the string is created or assigned; bytes
// appended to a full string are dropped silently, so the length never exceeds
// the capacity. The operations that replace the content in place (Mid, ToHex,
// SetHexByte, FromHex) leave a string of the default capacity (255) and cut
// what does not fit. No operation fails, reads or writes outside the string.
// A value type: copies are independent; copying keeps the capacity.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class CByteString {
  public:
    static constexpr std::uint16_t kDefaultCapacity = 255;

    // Empty, capacity 255.
    CByteString();
    // Capacity 255, holding the bytes of text (cut at 255).
    explicit CByteString(std::string_view text);
    // Capacity 255, holding one byte.
    explicit CByteString(std::uint8_t byte);
    // Empty, with the given capacity (0 gives a string that drops every byte).
    static CByteString WithCapacity(std::uint16_t capacity);

    CByteString(const CByteString& other) = default;
    CByteString& operator=(const CByteString& other) = default;
    // Takes other's capacity and bytes.
    void Assign(const CByteString& other) { *this = other; }

    // Length becomes 0; the capacity stays.
    void Clear() { length_ = 0; }

    // Each appends while there is room and drops the rest.
    void Append(std::uint8_t byte);
    void Append(std::string_view text);
    void Append(const CByteString& other);
    CByteString& operator<<(std::uint8_t byte);
    CByteString& operator<<(std::string_view text);
    CByteString& operator<<(const CByteString& other);

    // The byte at index; an index at or past the end gives the last byte, and
    // an empty string gives 0.
    std::uint8_t At(std::uint16_t index) const;

    std::uint16_t GetLength() const { return length_; }
    std::uint16_t GetCapacity() const { return static_cast<std::uint16_t>(bytes_.size()); }
    bool IsEmpty() const { return length_ == 0; }

    // The content (GetLength() bytes); valid until the string is changed.
    const std::uint8_t* Data() const { return bytes_.data(); }
    // The content as characters; valid until the string is changed.
    std::string_view AsText() const;

    // True when the lengths or any byte differ; capacities are not compared.
    bool IsDifferent(const CByteString& other) const;

    // Keeps the bytes from start up to (not including) start + count, stopping
    // at the end of the content.
    void Mid(std::uint16_t start, std::uint16_t count);

    // Replaces the content by its hexadecimal text, upper-case digits, high
    // nibble first (a content of more than 127 bytes is cut to 255 digits).
    void ToHex();
    // Replaces the content by the two hexadecimal digits of byte.
    void SetHexByte(std::uint8_t byte);
    // Replaces the content, read as hexadecimal text, by the bytes it encodes:
    // pairs of digits, high nibble first. Only "0"-"9" and "A"-"F" are digits;
    // every other character (lower-case letters too) counts as 0. A last
    // unpaired digit gives one byte of its own value.
    void FromHex();

  private:
    explicit CByteString(std::uint16_t capacity, int /*tag*/);
    // Replaces the content by bytes at the default capacity.
    void ReplaceContent(const std::vector<std::uint8_t>& bytes);

    std::vector<std::uint8_t> bytes_;  // exactly capacity bytes
    std::uint16_t length_ = 0;
};
