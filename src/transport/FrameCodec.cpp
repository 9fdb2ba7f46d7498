#include "transport/FrameCodec.h"

#include <charconv>

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";
constexpr std::size_t kAddressAndCount = 3;

}  // namespace

CByteString CFrameCodec::ComputerBody(std::uint8_t command, const CByteString& payload) {
    CByteString body;
    body << kRadio << kComputer << command << payload;
    return body;
}

CByteString CFrameCodec::Wrap(const CByteString& body) {
    CByteString frame;
    frame << std::uint8_t{0xFE} << std::uint8_t{0xFE} << body << std::uint8_t{0xFD};
    return frame;
}

std::uint8_t CFrameCodec::Checksum(const std::uint8_t* bytes, std::size_t count) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    }
    return static_cast<std::uint8_t>(-sum);
}

std::string CFrameCodec::ToHex(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    text.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0x0F]);
    }
    return text;
}

bool CFrameCodec::FromHex(std::string_view text, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    if (text.size() % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const char* pair = text.data() + i;
        unsigned value = 0;
        auto [end, error] = std::from_chars(pair, pair + 2, value, 16);
        if (error != std::errc() || end != pair + 2) {
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return true;
}

bool CFrameCodec::IsWellFormedRecord(const std::vector<std::uint8_t>& record) {
    if (record.size() <= kAddressAndCount) {
        return false;
    }
    std::size_t dataCount = record.size() - kAddressAndCount;
    return dataCount <= kMaxDataBytes && record[2] == dataCount;
}

bool CFrameCodec::DataLineOfFrame(const CByteString& body, std::string& line) {
    if (body.GetLength() < kHeaderLength) {
        return false;
    }
    std::string_view payload = body.AsText().substr(kHeaderLength);
    std::vector<std::uint8_t> record;
    if (!FromHex(payload, record) || record.empty() ||
        Checksum(record.data(), record.size()) != 0) {
        return false;
    }
    record.pop_back();  // the checksum is not kept
    if (!IsWellFormedRecord(record)) {
        return false;
    }
    line = ToHex(record.data(), record.size());
    return true;
}

bool CFrameCodec::FrameOfDataLine(std::string_view line, CByteString& body) {
    std::vector<std::uint8_t> record;
    if (!FromHex(line, record) || !IsWellFormedRecord(record)) {
        return false;
    }
    record.push_back(Checksum(record.data(), record.size()));
    body = ComputerBody(kDataFrame, CByteString(ToHex(record.data(), record.size())));
    return true;
}
