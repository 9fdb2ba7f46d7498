#include "transport/CloneRsEngine.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/StringTable.h"
#include "platform/TextFile.h"
#include "platform/Translation.h"
#include "platform/UserInterface.h"
#include "transport/FrameCodec.h"
#include "transport/PortName.h"

namespace {

constexpr std::size_t kMinimumHeaderLine = 8;
constexpr std::size_t kReplyPrefix = 7;  // destination, source, command, code, revision
constexpr std::uint16_t kEndFrameLength = 12;
constexpr std::uint16_t kWriteResultLength = 4;
constexpr unsigned kBitsPerByte = 10;  // start, eight data bits, stop
// The longest a frame of unknown length gathers before it is read on.
constexpr std::chrono::milliseconds kBurstWait{5};
// The bytes of line time an echo may come later than the bytes sent.
constexpr std::size_t kEchoSlack = 1;
// The two 0xFE bytes on the line before a frame's body.
constexpr std::size_t kFrameStart = 2;

std::string Trim(const std::string& text) {
    constexpr const char* kSpace = " \t\r\n\v\f";
    std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(kSpace);
    return text.substr(first, last - first + 1);
}

CByteString HighLowBytes(std::uint16_t value) {
    CByteString bytes;
    bytes << static_cast<std::uint8_t>(value >> 8) << static_cast<std::uint8_t>(value & 0xFF);
    return bytes;
}

std::uint16_t WordAt(const CByteString& frame, std::uint16_t index) {
    return static_cast<std::uint16_t>(frame.At(index) << 8 | frame.At(index + 1));
}

}  // namespace

const CCloneRsEngine::SDispatchRow CCloneRsEngine::kDispatchTable[] = {
    {EOrigin::Echo, CFrameCodec::kInformationRequest, &CCloneRsEngine::OnInformationRequestEcho},
    {EOrigin::Echo, CFrameCodec::kReadRequest, &CCloneRsEngine::OnReadRequestEcho},
    {EOrigin::Echo, CFrameCodec::kWriteRequest, &CCloneRsEngine::OnWriteRequestEcho},
    {EOrigin::Echo, CFrameCodec::kDataFrame, &CCloneRsEngine::OnDataFrameEcho},
    {EOrigin::Echo, CFrameCodec::kEndFrame, &CCloneRsEngine::OnEndFrameEcho},
    {EOrigin::Radio, CFrameCodec::kInformationReply, &CCloneRsEngine::OnModelInformation},
    {EOrigin::Radio, CFrameCodec::kDataFrame, &CCloneRsEngine::OnDataFrame},
    {EOrigin::Radio, CFrameCodec::kEndFrame, &CCloneRsEngine::OnEndFrame},
    {EOrigin::Radio, CFrameCodec::kWriteResult, &CCloneRsEngine::OnWriteResult},
};

CCloneRsEngine::CCloneRsEngine(CUserInterface& ui, const CSettingsStore* settings)
    : CCommPort(nullptr, settings), m_ui(ui) {
    m_informationArgument << std::uint8_t{0x00} << std::uint8_t{0x00};
    SetModelCode(0);
    SetRevision(0);
}

CCloneRsEngine::~CCloneRsEngine() {
    Close();
}

void CCloneRsEngine::SetModelCode(std::uint16_t code) {
    m_modelCodeBytes = HighLowBytes(code);
}

void CCloneRsEngine::SetRevision(std::uint16_t revision) {
    m_revisionBytes = HighLowBytes(revision);
}

void CCloneRsEngine::Beep(bool success) {
    m_ui.Beep(success ? EBeep::Success : EBeep::Failure);
}

// ---- the three jobs -------------------------------------------------------

ECloneResult CCloneRsEngine::CloneInformation() {
    m_writing = false;
    return Run(kJobInformation);
}

void CCloneRsEngine::FailFile(const std::string& reason) {
    m_status = EStatus::FileError;
    m_fileError = reason;
}

// The clone file's own account of what failed, else the system's last word.
void CCloneRsEngine::FailFileWithErrno() {
    if (m_cloneFile != nullptr && !m_cloneFile->Error().empty()) {
        return FailFile(m_cloneFile->Error());
    }
    FailFile(std::strerror(errno != 0 ? errno : EIO));
}

ECloneResult CCloneRsEngine::CloneRead() {
    m_ui.SetStatusText(CStringTable::Get(Ids::Reading));
    m_fileError.clear();
    errno = 0;
    if (m_cloneFile == nullptr || !m_cloneFile->OpenForWrite()) {
        FailFileWithErrno();
        return ECloneResult::Failure;
    }
    CByteString header;
    header << m_modelCodeBytes << m_revisionBytes;
    m_cloneFile->WriteLine(CFrameCodec::ToHex(header.Data(), header.GetLength()));
    m_cloneFile->WriteLine("#");
    m_writing = false;
    ECloneResult result = Run(kJobRead);
    errno = 0;
    bool fileWritten = m_cloneFile->Flush();
    fileWritten = m_cloneFile->Close() && fileWritten;
    if (result == ECloneResult::Success && !fileWritten) {
        FailFileWithErrno();
        return ECloneResult::Failure;
    }
    return result;
}

ECloneResult CCloneRsEngine::CloneWrite() {
    m_ui.SetStatusText(CStringTable::Get(Ids::Writing));
    m_fileError.clear();
    m_writeLineTotal = CountCloneFileLines();
    std::string firstLine;
    errno = 0;
    if (m_cloneFile == nullptr || !m_cloneFile->OpenForRead()) {
        FailFileWithErrno();
        return ECloneResult::BadFile;
    }
    if (!ReadTrimmedLine(firstLine) || firstLine.size() < kMinimumHeaderLine) {
        m_cloneFile->Close();
        FailFile(CTranslation::Tr("CCloneRsEngine", "its first line is no model line"));
        return ECloneResult::BadFile;
    }
    m_writing = true;
    ECloneResult result = Run(kJobWrite);
    m_cloneFile->Close();
    return result;
}

std::uint32_t CCloneRsEngine::CountCloneFileLines() {
    std::uint32_t count = 0;
    if (m_cloneFile == nullptr || !m_cloneFile->OpenForRead()) {
        return count;
    }
    std::string line;
    while (ReadTrimmedLine(line)) {
        if (line[0] != '#') {
            ++count;
        }
    }
    m_cloneFile->Close();
    return count;
}

// ---- a run ------------------------------------------------------------------

ECloneResult CCloneRsEngine::Run(std::uint16_t job) {
    ResetRun(job);
    if (job == kJobRead || job == kJobWrite) {
        m_progressDlg = std::make_unique<CCloneProgressDlg>(m_ui);
    }
    if (!Open(CPortName::ComName(m_portNumber), kLineBaudRate)) {
        m_progressDlg.reset();
        return ECloneResult::PortNotOpened;
    }
    Pause(m_timing.requestPause);
    DiscardInput();  // whatever came before the request is not the radio's answer
    SendFrame(RequestBody());
    Pause(m_timing.requestPause);
    StartReceiving();
    while (m_status == EStatus::Running) {
        PumpLine();
        UpdateProgress();
        CheckTimeout();
    }
    const ECloneResult result = ResultOf(m_status);
    m_frameComplete = false;
    Close();
    if (m_progressDlg) {
        Pause(m_timing.closePause);
        m_progressDlg.reset();
    }
    return result;
}

void CCloneRsEngine::BeginRun(std::uint16_t job, bool writing) {
    m_writing = writing;
    ResetRun(job);
    m_lastSentBody = RequestBody();
    StartReceiving();
}

void CCloneRsEngine::ResetRun(std::uint16_t job) {
    m_job = job;
    m_status = EStatus::Running;
    m_frameComplete = false;
    m_endSent = false;
    m_echoDue = false;
    m_linePaced = false;
    m_receiver.Reset();
    m_received.assign(job == kJobRead ? m_readImageSize : 0, false);
}

void CCloneRsEngine::StartReceiving() {
    m_timeoutCode = EStatus::NoEcho;
    m_lastFrameTime = Clock::now();
    m_nextProgressQuery = m_lastFrameTime;
    m_frameCounter = 0;
    m_status = EStatus::Running;
}

CByteString CCloneRsEngine::RequestBody() const {
    CByteString payload;
    switch (m_job) {
        case kJobRead:
            payload << m_modelCodeBytes << m_revisionBytes;
            return CFrameCodec::ComputerBody(CFrameCodec::kReadRequest, payload);
        case kJobWrite:
            payload << m_modelCodeBytes << m_revisionBytes;
            return CFrameCodec::ComputerBody(CFrameCodec::kWriteRequest, payload);
        default:
            payload << m_modelCodeBytes << m_informationArgument;
            return CFrameCodec::ComputerBody(CFrameCodec::kInformationRequest, payload);
    }
}

void CCloneRsEngine::SendFrame(const CByteString& body) {
    m_lastSentBody = body;
    m_outgoingFrame = CFrameCodec::Wrap(body);
    m_sentAt = Clock::now();
    m_echoDue = true;
    // A failed write is not a status of its own: its echo never comes, and
    // the time-out (or the lost line) ends the run.
    Write(m_outgoingFrame.Data(), m_outgoingFrame.GetLength());
}

void CCloneRsEngine::DiscardInput() {
    std::uint8_t buffer[kMaxReadCount];
    std::size_t count = 0;
    while (Read(buffer, sizeof buffer, count)) {
    }
}

// Bytes known to be on their way gather in the port first and are then read
// without asking whether they are there; otherwise the line is waited for.
void CCloneRsEngine::PumpLine() {
    const bool gathered = WaitForBurst();
    std::uint8_t buffer[kMaxReadCount];
    std::size_t count = 0;
    if ((gathered && Read(buffer, sizeof buffer, count)) ||
        (WaitForInput(std::max(m_timing.progressInterval, 1)) &&
         Read(buffer, sizeof buffer, count))) {
        Receive(buffer, count);
        NoteLinePace();
    } else if (IsLineLost()) {
        m_status = EStatus::LineLost;
    }
}

// An echo that arrives in parts, no faster than the line carries it, shows a
// line as slow as its baud rate (a pseudo-terminal returns it at once): from
// then on the echo of every frame sent is waited for as a whole.
void CCloneRsEngine::NoteLinePace() {
    const std::size_t arrived = EchoArrived();
    if (!m_linePaced && arrived > 0) {
        m_linePaced = Clock::now() - m_sentAt >= LineTime(arrived) / 2;
    }
}

// The bytes of the echo of the frame sent last that arrived so far, while
// the rest is still to come; 0 otherwise.
std::size_t CCloneRsEngine::EchoArrived() const {
    if (!m_receiver.IsInFrame()) {
        return 0;
    }
    const CByteString& partial = m_receiver.GetPartialBody();
    const CByteString& sent = m_lastSentBody;
    const bool echo = partial.GetLength() <= sent.GetLength() &&
                      std::equal(partial.Data(), partial.Data() + partial.GetLength(), sent.Data());
    return echo ? partial.GetLength() + kFrameStart : 0;
}

// A frame arrives a byte at a time; waking for each would keep the processor
// busy for the whole transfer. Its bytes gather in the port for a while and
// are then read at once. True when it waited.
bool CCloneRsEngine::WaitForBurst() const {
    const Clock::duration wait = BurstWait();
    if (wait <= Clock::duration::zero()) {
        return false;
    }
    std::this_thread::sleep_for(wait);
    return true;
}

// The echo of the frame sent last has a known length: its bytes gather until
// the line has had time for all of them (and one byte more, for a radio that
// answers a little late), from its send on a slow line, from its first bytes
// on others, so that a frame costs one or two wake-ups. Other frames gather for
// at most kBurstWait. The wait never passes the frame time-out and never takes
// longer than the progress window may wait for its next look (which then comes
// after it, not in its middle).
CCloneRsEngine::Clock::duration CCloneRsEngine::BurstWait() const {
    if (m_status != EStatus::Running) {
        return Clock::duration::zero();
    }
    const Clock::time_point now = Clock::now();
    const std::size_t echoLength = m_outgoingFrame.GetLength() + kEchoSlack;
    const std::size_t arrived = EchoArrived();
    Clock::time_point until;
    if (arrived > 0) {
        until = now + LineTime(echoLength - std::min(arrived, echoLength));
    } else if (m_receiver.IsInFrame()) {
        until = now + kBurstWait;
    } else if (m_echoDue && m_linePaced) {
        until = m_sentAt + LineTime(echoLength);
    } else {
        return Clock::duration::zero();
    }
    const Clock::time_point limit =
        std::min(m_lastFrameTime + std::chrono::milliseconds(m_timing.frameTimeout),
                 now + std::chrono::milliseconds(m_timing.progressInterval));
    return std::max(std::min(until, limit) - now, Clock::duration::zero());
}

// How long bytes take on the line at the port's speed.
CCloneRsEngine::Clock::duration CCloneRsEngine::LineTime(std::size_t bytes) const {
    unsigned baudRate = GetBaudRate();
    if (baudRate == 0) {
        return Clock::duration::zero();
    }
    return std::chrono::duration_cast<Clock::duration>(std::chrono::microseconds(
        static_cast<std::int64_t>(bytes) * kBitsPerByte * 1000000 / baudRate));
}

void CCloneRsEngine::Receive(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count && m_status == EStatus::Running; ++i) {
        switch (m_receiver.Receive(bytes[i])) {
            case CFrameReceiver::EResult::None:
                break;
            case CFrameReceiver::EResult::Overlong:
                Fail();
                break;
            case CFrameReceiver::EResult::Frame:
                m_echoDue = false;
                m_frameComplete = true;
                if (Dispatch(m_receiver.GetFrame())) {
                    m_lastFrameTime = Clock::now();
                }
                m_frameComplete = false;
                break;
        }
    }
}

void CCloneRsEngine::UpdateProgress() {
    if (!m_progressDlg) {
        return;
    }
    Clock::time_point now = Clock::now();
    if (m_status == EStatus::Running && now < m_nextProgressQuery) {
        return;
    }
    m_nextProgressQuery = now + std::chrono::milliseconds(m_timing.progressInterval);
    m_progressDlg->SetProgress(Percent());
    if (m_status == EStatus::Running && m_progressDlg->IsCancelled()) {
        m_status = EStatus::Cancelled;
    }
}

int CCloneRsEngine::Percent() const {
    std::uint32_t total = m_job == kJobRead ? m_readLineTotal : m_writeLineTotal;
    if (m_frameCounter == 0 || total == 0) {
        return 0;
    }
    std::uint32_t percent = static_cast<std::uint32_t>(m_frameCounter) * 100 / total;
    return static_cast<int>(std::min<std::uint32_t>(percent - percent % 10, 100));
}

void CCloneRsEngine::CheckTimeout() {
    if (m_status == EStatus::Running &&
        Clock::now() - m_lastFrameTime > std::chrono::milliseconds(m_timing.frameTimeout)) {
        m_status = m_timeoutCode;
    }
}

void CCloneRsEngine::Pause(int milliseconds) const {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

ECloneResult CCloneRsEngine::ResultOf(EStatus status) {
    switch (status) {
        case EStatus::Finished:
            return ECloneResult::Success;
        case EStatus::Cancelled:
            return ECloneResult::Cancelled;
        default:
            return ECloneResult::Failure;
    }
}

// ---- dispatch of a complete frame ------------------------------------------

CCloneRsEngine::EOrigin CCloneRsEngine::OriginOf(const CByteString& frame) {
    if (frame.At(0) == CFrameCodec::kRadio && frame.At(1) == CFrameCodec::kComputer) {
        return EOrigin::Echo;
    }
    if (frame.At(0) == CFrameCodec::kComputer || frame.At(1) == CFrameCodec::kRadio) {
        return EOrigin::Radio;
    }
    return EOrigin::Other;
}

bool CCloneRsEngine::Dispatch(const CByteString& frame) {
    if (frame.GetLength() < CFrameCodec::kHeaderLength) {
        return false;
    }
    EOrigin origin = OriginOf(frame);
    if (origin == EOrigin::Other) {
        return false;
    }
    for (const SDispatchRow& row : kDispatchTable) {
        if (row.origin == origin && row.command == frame.At(2)) {
            (this->*row.handler)(frame);
            break;
        }
    }
    return true;
}

bool CCloneRsEngine::CheckEcho(const CByteString& frame) {
    if (frame.IsDifferent(m_lastSentBody)) {
        Fail();
        return false;
    }
    return true;
}

void CCloneRsEngine::OnInformationRequestEcho(const CByteString& frame) {
    CheckEcho(frame);
    m_timeoutCode = EStatus::NoAnswer;
}

void CCloneRsEngine::OnReadRequestEcho(const CByteString& frame) {
    CheckEcho(frame);
    m_timeoutCode = EStatus::NoAnswer;
    m_frameCounter = 0;
}

void CCloneRsEngine::OnWriteRequestEcho(const CByteString& frame) {
    Pause(m_timing.firstDataPause);
    m_frameCounter = 0;
    SendNextDataFrame(frame);
}

void CCloneRsEngine::OnDataFrameEcho(const CByteString& frame) {
    SendNextDataFrame(frame);
}

void CCloneRsEngine::OnEndFrameEcho(const CByteString& frame) {
    if (!CheckEcho(frame)) {
        return;
    }
    if (m_writing) {
        m_endSent = true;
    } else {
        m_status = EStatus::Finished;
    }
}

void CCloneRsEngine::OnModelInformation(const CByteString& frame) {
    if (m_job != kJobInformation || frame.GetLength() < kReplyPrefix) {
        return Fail();
    }
    const std::uint8_t* data = frame.Data() + kReplyPrefix;
    std::size_t dataLength = frame.GetLength() - kReplyPrefix;
    if (std::any_of(data, data + dataLength,
                    [](std::uint8_t byte) { return byte >= CFrameCodec::kFirstControlByte; })) {
        return Fail();
    }
    m_modelInfo.modelCode = WordAt(frame, 3);
    m_modelInfo.revision = WordAt(frame, 5);
    m_modelInfo.dataLength = static_cast<std::uint16_t>(dataLength);
    m_modelInfo.data.fill(0);
    std::copy(data, data + dataLength, m_modelInfo.data.begin());
    m_status = EStatus::Finished;
}

void CCloneRsEngine::OnDataFrame(const CByteString& frame) {
    std::string line;
    if (m_job != kJobRead || !CFrameCodec::DataLineOfFrame(frame, line) || !CoverDataLine(line)) {
        return Fail();
    }
    ++m_frameCounter;
    errno = 0;
    if (m_cloneFile == nullptr || !m_cloneFile->WriteLine(line)) {
        FailFileWithErrno();
    }
}

void CCloneRsEngine::OnEndFrame(const CByteString& frame) {
    std::string_view text = frame.AsText().substr(CFrameCodec::kHeaderLength);
    if (m_job != kJobRead || frame.GetLength() != kEndFrameLength ||
        text != CFrameCodec::kEndText) {
        return Fail();
    }
    // A frame lost on the line would leave its addresses as they were.
    if (std::find(m_received.begin(), m_received.end(), false) != m_received.end()) {
        return Fail();
    }
    m_status = EStatus::Finished;
    m_frameCounter = static_cast<std::uint16_t>(m_readLineTotal);
}

// Marks the addresses of a data line as received; false when any of them
// lies outside the image.
bool CCloneRsEngine::CoverDataLine(const std::string& line) {
    std::vector<std::uint8_t> prefix;
    if (!CFrameCodec::FromHex(std::string_view(line).substr(0, 6), prefix) || prefix.size() != 3) {
        return false;
    }
    std::uint32_t address = static_cast<std::uint32_t>(prefix[0]) << 8 | prefix[1];
    std::uint32_t end = address + prefix[2];
    if (end > m_received.size()) {
        return false;
    }
    std::fill(m_received.begin() + address, m_received.begin() + end, true);
    return true;
}

void CCloneRsEngine::OnWriteResult(const CByteString& frame) {
    if (m_job != kJobWrite || !m_writing || frame.GetLength() < kWriteResultLength) {
        return Fail();
    }
    bool accepted = frame.At(3) == 0x00;
    // A refusal ends the write at once, whenever it comes; an acceptance
    // counts only as the answer to the end frame (some radios acknowledge
    // every data frame).
    if (!accepted) {
        return Fail();
    }
    if (m_endSent) {
        m_status = EStatus::Finished;
    }
}

// ---- writing: the data lines of the clone file ---------------------------

void CCloneRsEngine::SendNextDataFrame(const CByteString& echo) {
    if (!CheckEcho(echo)) {
        return;
    }
    std::string line;
    if (NextDataLine(line)) {
        CByteString body;
        if (!CFrameCodec::FrameOfDataLine(line, body)) {
            return FailFile(CTranslation::Args(
                CTranslation::Tr("CCloneRsEngine", "it holds a line that is no data line: %1"),
                {line.substr(0, 40)}));
        }
        SendFrame(body);
        ++m_frameCounter;
    } else {
        SendFrame(
            CFrameCodec::ComputerBody(CFrameCodec::kEndFrame, CByteString(CFrameCodec::kEndText)));
        m_frameCounter = static_cast<std::uint16_t>(m_writeLineTotal);
    }
    m_timeoutCode = EStatus::NoEcho;
}

bool CCloneRsEngine::ReadTrimmedLine(std::string& line) {
    std::string raw;
    if (m_cloneFile == nullptr || !m_cloneFile->ReadLine(raw)) {
        return false;
    }
    line = Trim(raw);
    return !line.empty();
}

bool CCloneRsEngine::NextDataLine(std::string& line) {
    while (ReadTrimmedLine(line)) {
        if (line[0] != '#') {
            return true;
        }
    }
    return false;
}
