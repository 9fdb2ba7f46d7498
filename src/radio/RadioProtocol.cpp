#include "radio/RadioProtocol.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::uint8_t kPreamble = 0xFE;
constexpr std::uint8_t kEndOfMessage = 0xFD;
constexpr std::uint8_t kComputer = 0xEF;
constexpr std::uint8_t kRadio = 0xEE;

constexpr std::uint8_t kInformationRequest = 0xE0;
constexpr std::uint8_t kInformationReply = 0xE1;
constexpr std::uint8_t kReadRequest = 0xE2;
constexpr std::uint8_t kWriteRequest = 0xE3;
constexpr std::uint8_t kData = 0xE4;
constexpr std::uint8_t kEnd = 0xE5;
constexpr std::uint8_t kWriteResult = 0xE6;

constexpr std::size_t kAddressed = 3;  // destination, source, command
constexpr std::string_view kSignature = "Brel Inc.";
constexpr std::string_view kIdentityText = "QM-Z5 VIRTUAL   ";
constexpr std::uint8_t kIdentityTrailer[] = {0x11, 0x22, 0x33, 0x44, 0x55};
// A frame head without its 0xFE pair, ended by a stray 0xFD.
constexpr std::uint8_t kJunk[] = {0x00, 0xEF, 0xEE, 0xE4, 0x41, 0xFD};
constexpr unsigned kBadChecksumFrame = 5;
constexpr unsigned kLostFrame = 5;  // and the one after it comes twice
constexpr unsigned kRefusedFrame = 2;
constexpr std::uint8_t kAccepted = 0x00;
constexpr std::uint8_t kRefused = 0x01;

constexpr char kUpperDigits[] = "0123456789ABCDEF";

// The radio takes upper-case digits only, as the computer sends them.
int UpperDigit(std::uint8_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void AppendHex(std::vector<std::uint8_t>& out, std::uint8_t value) {
    out.push_back(static_cast<std::uint8_t>(kUpperDigits[value >> 4]));
    out.push_back(static_cast<std::uint8_t>(kUpperDigits[value & 0xF]));
}

bool DecodeUpperHex(const std::uint8_t* text, std::size_t length, std::vector<std::uint8_t>& out) {
    if (length % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < length; i += 2) {
        int high = UpperDigit(text[i]);
        int low = UpperDigit(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        out.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return true;
}

std::uint8_t SumOf(const std::vector<std::uint8_t>& bytes) {
    unsigned sum = 0;
    for (std::uint8_t byte : bytes) {
        sum += byte;
    }
    return static_cast<std::uint8_t>(sum);
}

std::vector<std::uint8_t> RadioBody(std::uint8_t command) {
    return {kComputer, kRadio, command};
}

}  // namespace

CRadioProtocol::CRadioProtocol(const CImageBuffer& memory, std::uint8_t optionByte,
                               CRadioFault fault, std::size_t bytesPerFrame)
    : m_memory(kMemorySize),
      m_sessionCopy(kMemorySize),
      m_fault(fault),
      m_bytesPerFrame(std::clamp<std::size_t>(bytesPerFrame, 1, kMaxBytesPerFrame)) {
    SetMemory(memory);
    std::copy(kIdentityText.begin(), kIdentityText.end(), m_identity.begin());
    m_identity[kOptionBytePosition] = optionByte;
    std::copy(std::begin(kIdentityTrailer), std::end(kIdentityTrailer),
              m_identity.begin() + kOptionBytePosition + 1);
}

void CRadioProtocol::SetMemory(const CImageBuffer& memory) {
    for (std::uint32_t address = 0; address < kMemorySize; ++address) {
        m_memory.SetByte(address, memory.GetByte(address));
    }
}

void CRadioProtocol::Receive(std::uint8_t byte, std::vector<std::uint8_t>& line) {
    using EKind = CRadioFault::EKind;
    bool echoes = !m_fault.Is(EKind::Silent) && !m_fault.Is(EKind::NoEcho);
    if (echoes) {
        line.push_back(byte);
    }
    if (!m_parser.Feed(byte)) {
        return;
    }
    if (echoes && m_fault.Is(EKind::Noise)) {
        line.push_back(kEndOfMessage);
    }
    const std::vector<std::uint8_t>& body = m_parser.Body();
    if (body.size() < kAddressed || body[0] != kRadio || body[1] != kComputer) {
        return;
    }
    Count(body);
    if (m_fault.Is(EKind::Silent)) {
        return;
    }
    switch (body[2]) {
        case kInformationRequest:
            m_session = ESession::None;
            AnswerInformation(line);
            break;
        case kReadRequest:
            if (IsRequestForThisModel(body)) {
                m_session = ESession::None;
                AnswerRead(line);
            }
            break;
        case kWriteRequest:
            if (IsRequestForThisModel(body)) {
                StartWrite();
            }
            break;
        case kData:
            if (m_session == ESession::Write) {
                TakeDataFrame(body, line);
            }
            break;
        case kEnd:
            if (m_session == ESession::Write) {
                TakeEndFrame(body, line);
            }
            break;
        default:
            break;
    }
}

void CRadioProtocol::Count(const std::vector<std::uint8_t>& body) {
    static constexpr struct {
        std::uint8_t command;
        unsigned SCounters::*counter;
    } kRequests[] = {{kInformationRequest, &SCounters::informationRequests},
                     {kReadRequest, &SCounters::readRequests},
                     {kWriteRequest, &SCounters::writeRequests}};
    ++m_counters.framesReceived;
    for (const auto& request : kRequests) {
        if (body[2] == request.command) {
            ++(m_counters.*request.counter);
        }
    }
}

bool CRadioProtocol::IsRequestForThisModel(const std::vector<std::uint8_t>& body) const {
    const std::vector<std::uint8_t> expected = {kRadio,          kComputer,         body[2],
                                                kModelCode >> 8, kModelCode & 0xFF, kRevision >> 8,
                                                kRevision & 0xFF};
    return body == expected;
}

bool CRadioProtocol::IsStalled(unsigned framesInSession) const {
    return m_fault.Is(CRadioFault::EKind::StallAfter) && framesInSession >= m_fault.StallAfter();
}

void CRadioProtocol::AppendNoise(std::vector<std::uint8_t>& line) const {
    if (m_fault.Is(CRadioFault::EKind::Noise)) {
        line.insert(line.end(), std::begin(kJunk), std::end(kJunk));
    }
}

void CRadioProtocol::Answer(const std::vector<std::uint8_t>& body,
                            std::vector<std::uint8_t>& line) {
    AppendNoise(line);
    line.push_back(kPreamble);
    line.push_back(kPreamble);
    line.insert(line.end(), body.begin(), body.end());
    line.push_back(kEndOfMessage);
}

void CRadioProtocol::AnswerInformation(std::vector<std::uint8_t>& line) {
    std::vector<std::uint8_t> body = RadioBody(kInformationReply);
    body.insert(body.end(), {kModelCode >> 8, kModelCode & 0xFF, kRevision >> 8, kRevision & 0xFF});
    body.insert(body.end(), m_identity.begin(), m_identity.end());
    Answer(body, line);
}

void CRadioProtocol::AnswerRead(std::vector<std::uint8_t>& line) {
    unsigned frame = 0;
    for (std::uint32_t address = 0; address < kMemorySize;
         address += static_cast<std::uint32_t>(m_bytesPerFrame), ++frame) {
        if (IsStalled(frame)) {
            return;
        }
        bool lost = m_fault.Is(CRadioFault::EKind::LostAndRepeated) && frame == kLostFrame;
        if (!lost) {
            AnswerDataFrame(address, frame, line);
        }
        if (m_fault.Is(CRadioFault::EKind::LostAndRepeated) && frame == kLostFrame + 1) {
            AnswerDataFrame(address, frame, line);
        }
    }
    std::vector<std::uint8_t> end = RadioBody(kEnd);
    end.insert(end.end(), kSignature.begin(), kSignature.end());
    Answer(end, line);
    ++m_counters.readsCompleted;
}

void CRadioProtocol::AnswerDataFrame(std::uint32_t address, unsigned frame,
                                     std::vector<std::uint8_t>& line) {
    std::uint32_t count =
        std::min(static_cast<std::uint32_t>(m_bytesPerFrame), kMemorySize - address);
    std::vector<std::uint8_t> record = {static_cast<std::uint8_t>(address >> 8),
                                        static_cast<std::uint8_t>(address & 0xFF),
                                        static_cast<std::uint8_t>(count)};
    for (std::uint32_t i = 0; i < count; ++i) {
        record.push_back(m_memory.GetByte(address + i));
    }
    std::uint8_t checksum = static_cast<std::uint8_t>(0x100 - SumOf(record));
    if (m_fault.Is(CRadioFault::EKind::BadChecksum) && frame == kBadChecksumFrame) {
        ++checksum;
    }
    record.push_back(checksum);
    std::vector<std::uint8_t> body = RadioBody(kData);
    for (std::uint8_t byte : record) {
        AppendHex(body, byte);
    }
    Answer(body, line);
    ++m_counters.dataFramesSent;
}

void CRadioProtocol::StartWrite() {
    m_sessionCopy = m_memory;
    m_session = IsStalled(0) ? ESession::None : ESession::Write;
    m_sessionFrames = 0;
}

void CRadioProtocol::TakeDataFrame(const std::vector<std::uint8_t>& body,
                                   std::vector<std::uint8_t>& line) {
    bool refused = m_fault.Is(CRadioFault::EKind::RefuseEarly) && m_sessionFrames == kRefusedFrame;
    if (refused || !StoreDataFrame(body)) {
        AnswerWriteResult(kRefused, line);
        m_session = ESession::None;
        return;
    }
    ++m_sessionFrames;
    ++m_counters.dataFramesStored;
    if (IsStalled(m_sessionFrames)) {
        m_session = ESession::None;
        return;
    }
    if (m_fault.Is(CRadioFault::EKind::AckEveryFrame)) {
        AnswerWriteResult(kAccepted, line);
    }
}

bool CRadioProtocol::StoreDataFrame(const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> record;
    constexpr std::size_t kSmallest = 5;  // address, count, one byte, checksum
    if (!DecodeUpperHex(body.data() + kAddressed, body.size() - kAddressed, record) ||
        record.size() < kSmallest || SumOf(record) != 0) {
        return false;
    }
    std::uint32_t address = static_cast<std::uint32_t>(record[0]) << 8 | record[1];
    std::uint32_t count = record[2];
    if (count != record.size() - 4 || address + count > kMemorySize) {
        return false;
    }
    return m_sessionCopy.Write(address, record.data() + 3, count);
}

void CRadioProtocol::TakeEndFrame(const std::vector<std::uint8_t>& body,
                                  std::vector<std::uint8_t>& line) {
    m_session = ESession::None;
    std::string_view text(reinterpret_cast<const char*>(body.data()) + kAddressed,
                          body.size() - kAddressed);
    if (text != kSignature || m_fault.Is(CRadioFault::EKind::WriteNak)) {
        AnswerWriteResult(kRefused, line);
        return;
    }
    m_memory = m_sessionCopy;
    if (m_fault.Is(CRadioFault::EKind::WrongByte)) {
        const std::uint32_t address = m_fault.WrongByteAddress();
        m_memory.SetByte(address, static_cast<std::uint8_t>(m_memory.GetByte(address) ^ 0x01));
    }
    ++m_counters.writesCompleted;
    AnswerWriteResult(kAccepted, line);
}

void CRadioProtocol::AnswerWriteResult(std::uint8_t result, std::vector<std::uint8_t>& line) {
    if (result != kAccepted) {
        ++m_counters.writesRefused;
    }
    std::vector<std::uint8_t> body = RadioBody(kWriteResult);
    body.push_back(result);
    Answer(body, line);
}
