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

constexpr std::string_view kStallPrefix = "stall-after=";

std::optional<unsigned> ParseCount(std::string_view digits) {
    unsigned value = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, value);
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
    if (text.rfind(kStallPrefix, 0) == 0) {
        if (std::optional<unsigned> count = ParseCount(text.substr(kStallPrefix.size()))) {
            return CRadioFault(EKind::StallAfter, *count);
        }
    }
    return std::nullopt;
}

std::string CRadioFault::ToText() const {
    if (m_kind == EKind::StallAfter) {
        return std::string(kStallPrefix) + std::to_string(m_stallAfter);
    }
    for (const SFaultName& entry : kFaultNames) {
        if (entry.kind == m_kind) {
            return std::string(entry.name);
        }
    }
    return "none";
}
