#include "radio/RadioFault.h"

#include <charconv>
#include <string_view>

namespace {

struct SFaultName {
    CRadioFault::EKind kind;
    std::string_view name;
};

constexpr SFaultName kFaultNames[] = {
    {CRadioFault::EKind::None, "none"},
    {CRadioFault::EKind::Silent, "silent"},
    {CRadioFault::EKind::NoEcho, "no-echo"},
    {CRadioFault::EKind::BadChecksum, "bad-checksum"},
    {CRadioFault::EKind::WriteNak, "write-nak"},
    {CRadioFault::EKind::Noise, "noise"},
    {CRadioFault::EKind::LostAndRepeated, "lost-and-repeated"},
    {CRadioFault::EKind::AckEveryFrame, "ack-every-frame"},
    {CRadioFault::EKind::RefuseEarly, "refuse-early"},
};

// The faults that carry a number after their name and "=".
struct SFaultWithNumber {
    CRadioFault::EKind kind;
    std::string_view prefix;
    int base;
};

constexpr SFaultWithNumber kFaultsWithNumber[] = {
    {CRadioFault::EKind::StallAfter, "stall-after=", 10},
    {CRadioFault::EKind::WrongByte, "wrong-byte=", 0},
};

// The highest address of the radio's memory.
constexpr unsigned kLastAddress = 0x79F;

// Decimal digits; with base 0 also 0x.. hex.
std::optional<unsigned> ParseNumber(std::string_view digits, int base) {
    if (base == 0) {
        const bool hex = digits.size() > 2 && digits[0] == '0' && (digits[1] | 0x20) == 'x';
        base = hex ? 16 : 10;
        digits.remove_prefix(hex ? 2 : 0);
    }
    unsigned value = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<CRadioFault> CRadioFault::Parse(const std::string& text) {
    for (const SFaultName& entry : kFaultNames) {
        if (text == entry.name) {
            return CRadioFault(entry.kind);
        }
    }
    for (const SFaultWithNumber& entry : kFaultsWithNumber) {
        if (text.rfind(entry.prefix, 0) != 0) {
            continue;
        }
        std::optional<unsigned> number =
            ParseNumber(std::string_view(text).substr(entry.prefix.size()), entry.base);
        if (!number || (entry.kind == EKind::WrongByte && *number > kLastAddress)) {
            return std::nullopt;
        }
        return CRadioFault(entry.kind, *number);
    }
    return std::nullopt;
}

std::string CRadioFault::ToText() const {
    for (const SFaultWithNumber& entry : kFaultsWithNumber) {
        if (entry.kind == m_kind) {
            return std::string(entry.prefix) + std::to_string(m_stallAfter);
        }
    }
    for (const SFaultName& entry : kFaultNames) {
        if (entry.kind == m_kind) {
            return std::string(entry.name);
        }
    }
    return "none";
}
