#include "model/ImageBuffer.h"

#include <algorithm>

namespace {

constexpr unsigned kBitsPerByte = 8;

}  // namespace

CImageBuffer::CImageBuffer(std::uint32_t size) : bytes_(size, 0) {}

void CImageBuffer::Resize(std::uint32_t size) {
    bytes_.assign(size, 0);
}

bool CImageBuffer::IsValidRange(std::uint32_t address, std::uint32_t count) const {
    return count > 0 && std::uint64_t{address} + count <= bytes_.size();
}

std::uint8_t CImageBuffer::GetByte(std::uint32_t address) const {
    return IsValidAddress(address) ? bytes_[address] : kErasedByte;
}

void CImageBuffer::SetByte(std::uint32_t address, std::uint8_t value) {
    if (IsValidAddress(address)) {
        bytes_[address] = value;
    }
}

bool CImageBuffer::Read(std::uint32_t address, std::uint8_t* destination,
                        std::uint32_t count) const {
    if (destination == nullptr || !IsValidRange(address, count)) {
        return false;
    }
    std::copy_n(bytes_.begin() + address, count, destination);
    return true;
}

bool CImageBuffer::Write(std::uint32_t address, const std::uint8_t* source, std::uint32_t count) {
    if (source == nullptr || !IsValidRange(address, count)) {
        return false;
    }
    std::copy_n(source, count, bytes_.begin() + address);
    return true;
}

std::uint16_t CImageBuffer::GetWord(std::uint32_t address, bool bigEndian) const {
    if (!IsValidRange(address, 2)) {
        return kErasedWord;
    }
    const unsigned first = bytes_[address];
    const unsigned second = bytes_[address + 1];
    return static_cast<std::uint16_t>(bigEndian ? first << 8 | second : second << 8 | first);
}

void CImageBuffer::SetWord(std::uint32_t address, std::uint32_t value, bool bigEndian) {
    if (!IsValidRange(address, 2)) {
        return;
    }
    const auto high = static_cast<std::uint8_t>(value >> 8);
    const auto low = static_cast<std::uint8_t>(value);
    bytes_[address] = bigEndian ? high : low;
    bytes_[address + 1] = bigEndian ? low : high;
}

std::uint8_t CImageBuffer::GetBit(std::uint32_t address, unsigned bit) const {
    if (!IsValidAddress(address) || bit >= kBitsPerByte) {
        return 1;
    }
    return (bytes_[address] >> bit) & 1;
}

void CImageBuffer::SetBit(std::uint32_t address, unsigned bit, int value) {
    if (!IsValidAddress(address) || bit >= kBitsPerByte) {
        return;
    }
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    bytes_[address] =
        static_cast<std::uint8_t>(value != 0 ? bytes_[address] | mask : bytes_[address] & ~mask);
}
