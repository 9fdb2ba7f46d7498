#include "model/ByteString.h"

#include <algorithm>

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::uint8_t HexDigitValue(std::uint8_t character) {
    if (character >= '0' && character <= '9') {
        return static_cast<std::uint8_t>(character - '0');
    }
    if (character >= 'A' && character <= 'F') {
        return static_cast<std::uint8_t>(character - 'A' + 10);
    }
    return 0;
}

}  // namespace

CByteString::CByteString() : bytes_(kDefaultCapacity) {}

CByteString::CByteString(std::string_view text) : CByteString() {
    Append(text);
}

CByteString::CByteString(std::uint8_t byte) : CByteString() {
    Append(byte);
}

CByteString::CByteString(std::uint16_t capacity, int) : bytes_(capacity) {}

CByteString CByteString::WithCapacity(std::uint16_t capacity) {
    return CByteString(capacity, 0);
}

void CByteString::Append(std::uint8_t byte) {
    if (length_ < bytes_.size()) {
        bytes_[length_++] = byte;
    }
}

void CByteString::Append(std::string_view text) {
    for (char character : text) {
        Append(static_cast<std::uint8_t>(character));
    }
}

void CByteString::Append(const CByteString& other) {
    // Copy the count first: other may be this string.
    const std::uint16_t count = other.length_;
    for (std::uint16_t i = 0; i < count; ++i) {
        Append(other.bytes_[i]);
    }
}

CByteString& CByteString::operator<<(std::uint8_t byte) {
    Append(byte);
    return *this;
}

CByteString& CByteString::operator<<(std::string_view text) {
    Append(text);
    return *this;
}

CByteString& CByteString::operator<<(const CByteString& other) {
    Append(other);
    return *this;
}

std::uint8_t CByteString::At(std::uint16_t index) const {
    if (length_ == 0) {
        return 0;
    }
    return bytes_[std::min<std::uint16_t>(index, length_ - 1)];
}

std::string_view CByteString::AsText() const {
    return std::string_view(reinterpret_cast<const char*>(bytes_.data()), length_);
}

bool CByteString::IsDifferent(const CByteString& other) const {
    return AsText() != other.AsText();
}

void CByteString::ReplaceContent(const std::vector<std::uint8_t>& bytes) {
    bytes_.assign(kDefaultCapacity, 0);
    length_ = 0;
    for (std::uint8_t byte : bytes) {
        Append(byte);
    }
}

void CByteString::Mid(std::uint16_t start, std::uint16_t count) {
    const std::size_t first = std::min<std::size_t>(start, length_);
    const std::size_t last = std::min<std::size_t>(std::size_t{start} + count, length_);
    ReplaceContent(std::vector<std::uint8_t>(bytes_.begin() + first, bytes_.begin() + last));
}

void CByteString::ToHex() {
    std::vector<std::uint8_t> digits;
    digits.reserve(std::size_t{length_} * 2);
    for (std::uint16_t i = 0; i < length_; ++i) {
        digits.push_back(kHexDigits[bytes_[i] >> 4]);
        digits.push_back(kHexDigits[bytes_[i] & 0x0F]);
    }
    ReplaceContent(digits);
}

void CByteString::SetHexByte(std::uint8_t byte) {
    ReplaceContent({static_cast<std::uint8_t>(kHexDigits[byte >> 4]),
                    static_cast<std::uint8_t>(kHexDigits[byte & 0x0F])});
}

void CByteString::FromHex() {
    std::vector<std::uint8_t> decoded;
    for (std::uint16_t i = 0; i < length_; i += 2) {
        const std::uint8_t high = HexDigitValue(bytes_[i]);
        if (i + 1 < length_) {
            decoded.push_back(static_cast<std::uint8_t>(high * 16 + HexDigitValue(bytes_[i + 1])));
        } else {
            decoded.push_back(high);
        }
    }
    ReplaceContent(decoded);
}
