// CCloneRsEngine: moves the radio's memory over the cloning cable.
//
// Speaks the radio's clone protocol (see CFrameCodec) in one of three jobs,
// each a synchronous run that opens the port "COMn" of the port number at
// 9600 baud, sends its request, handles the frames of the line until the job
// ends, and closes the port again:
//   CloneInformation  asks for the radio's model information (GetModelInfo);
//   CloneRead         writes the radio's memory into the clone file: a header
//                     of model code and revision, a "#" line, then one data
//                     line per data frame received;
//   CloneWrite        sends the data lines of the clone file to the radio.
// The line returns every byte sent (one wire), so the engine receives its own
// frames and checks each against what it sent before it goes on.
//
// Results of a run (ECloneResult): Success, Cancelled (Cancel in the progress
// window; the radio is not told, and a read keeps the lines received so far),
// Failure (any protocol error, time-out or port failure during the run),
// PortNotOpened (the port could not be opened; nothing was sent); CloneWrite
// gives BadFile for a clone file without a usable first line. The status of
// the run's end (GetStatus) says why a run failed: ProtocolError (an echo that differs from what
// was sent, a data frame with a bad checksum or count, a reply in the wrong job, a wrong end text,
// a write result other than 0x00, a frame too long for the buffer, a data frame for addresses
// outside the image, a read that ended before every address of the image arrived), NoEcho or
// NoAnswer (no complete frame for the frame time-out, while waiting for an echo or for the radio),
// LineLost (the device went away), FileError (the clone file could not be written, or holds a line
// that is no data line).
//
// The port's error boxes are silenced: the caller reports the result. The
// progress window (reads and writes), status texts and beeps go through the
// user-interface port. The user-interface port, the settings and the clone
// file are not owned and must outlive the engine. One thread uses an engine.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ByteString.h"
#include "model/Z5MemoryMap.h"
#include "transport/CloneProgressDlg.h"
#include "transport/CloneResult.h"
#include "transport/CommPort.h"
#include "transport/FrameReceiver.h"

class CTextFile;

class CCloneRsEngine : public CCommPort {
  public:
    static constexpr std::uint16_t kJobRead = 1;
    static constexpr std::uint16_t kJobWrite = 3;
    static constexpr std::uint16_t kJobInformation = 4;

    // Where a run stands; every status but Running ends it.
    enum class EStatus {
        Running,
        Cancelled,
        Finished,
        ProtocolError,
        NoEcho,
        NoAnswer,
        LineLost,
        FileError,
    };

    static constexpr unsigned kLineBaudRate = 9600;
    static constexpr std::uint32_t kInitialReadLineTotal = 300;
    // The radio's memory that a read must cover: the whole image.
    static constexpr std::uint32_t kDefaultReadImageSize = z5map::kImageSize;
    static constexpr std::size_t kModelDataCapacity = 258;

    // The radio's model information reply.
    struct SModelInfo {
        std::uint16_t modelCode = 0;
        std::uint16_t revision = 0;
        std::uint16_t dataLength = 0;
        std::array<std::uint8_t, kModelDataCapacity> data{};
    };

    // The fixed pauses of a run and its time-outs, in milliseconds. Tests may
    // shorten them; the radio needs the defaults.
    struct STiming {
        int requestPause = 200;     // before and after the request
        int firstDataPause = 200;   // after the write request's echo
        int closePause = 500;       // before the progress window closes
        int frameTimeout = 3000;    // the longest wait for a complete frame
        int progressInterval = 50;  // how often the progress window is asked
    };

    CCloneRsEngine(CUserInterface& ui, const CSettingsStore* settings);
    ~CCloneRsEngine() override;

    void SetPortNumber(std::uint32_t number) { m_portNumber = number; }
    std::uint32_t GetPortNumber() const { return m_portNumber; }
    void SetModelCode(std::uint16_t code);
    void SetRevision(std::uint16_t revision);
    // The clone file of the next read or write; nullptr for none.
    void SetCloneFile(CTextFile* file) { m_cloneFile = file; }
    // The number of data frames a read expects: the progress bar's 100 only.
    void SetReadLineTotal(std::uint32_t total) { m_readLineTotal = total; }
    // The size of the memory a read must cover: a read succeeds only when
    // every address below it arrived, whatever the frames' sizes, order or
    // repetitions; a data frame reaching beyond it fails the read.
    void SetReadImageSize(std::uint32_t size) { m_readImageSize = size; }

    const SModelInfo& GetModelInfo() const { return m_modelInfo; }
    void SetModelInfo(const SModelInfo& info) { m_modelInfo = info; }

    ECloneResult CloneInformation();
    ECloneResult CloneRead();
    ECloneResult CloneWrite();

    // The audible result signal.
    void Beep(bool success);

    void SetTiming(const STiming& timing) { m_timing = timing; }
    const STiming& GetTiming() const { return m_timing; }

    // The status the last run ended in, and its data frame count.
    EStatus GetStatus() const { return m_status; }
    std::uint16_t GetFrameCounter() const { return m_frameCounter; }
    // Why the clone file failed (FileError, BadFile), in the
    // system's words; empty when it did not.
    const std::string& GetFileError() const { return m_fileError; }

    // Feeding the engine without a port (tests, fuzzing): BeginRun sets the
    // state of a run of job as it is just after its request was sent;
    // Receive then takes bytes of the line and handles every frame they
    // complete, until the status is no longer Running. Frames the
    // engine sends go to Write. The clone file must be open as the job needs:
    // for writing (read job) or reading past its first line (write job).
    void BeginRun(std::uint16_t job, bool writing);
    void Receive(const std::uint8_t* bytes, std::size_t count);

    // Port failures during a run are shown by the caller, not by the port.
    void ReportError(const std::string&, int) override {}

  private:
    using Clock = std::chrono::steady_clock;
    enum class EOrigin { Echo, Radio, Other };
    struct SDispatchRow {
        EOrigin origin;
        std::uint8_t command;
        void (CCloneRsEngine::*handler)(const CByteString& frame);
    };
    static const SDispatchRow kDispatchTable[];

    ECloneResult Run(std::uint16_t job);
    void ResetRun(std::uint16_t job);
    void StartReceiving();
    CByteString RequestBody() const;
    void SendFrame(const CByteString& body);
    void DiscardInput();
    void PumpLine();
    void NoteLinePace();
    std::size_t EchoArrived() const;
    bool WaitForBurst() const;
    Clock::duration BurstWait() const;
    Clock::duration LineTime(std::size_t bytes) const;
    void UpdateProgress();
    void CheckTimeout();
    int Percent() const;
    void Pause(int milliseconds) const;
    static ECloneResult ResultOf(EStatus status);

    bool Dispatch(const CByteString& frame);
    static EOrigin OriginOf(const CByteString& frame);
    bool CheckEcho(const CByteString& frame);
    void Fail() { m_status = EStatus::ProtocolError; }
    void FailFile(const std::string& reason);
    void FailFileWithErrno();

    void OnInformationRequestEcho(const CByteString& frame);
    void OnReadRequestEcho(const CByteString& frame);
    void OnWriteRequestEcho(const CByteString& frame);
    void OnDataFrameEcho(const CByteString& frame);
    void OnEndFrameEcho(const CByteString& frame);
    void OnModelInformation(const CByteString& frame);
    void OnDataFrame(const CByteString& frame);
    void OnEndFrame(const CByteString& frame);
    void OnWriteResult(const CByteString& frame);

    bool CoverDataLine(const std::string& line);
    void SendNextDataFrame(const CByteString& echo);
    bool ReadTrimmedLine(std::string& line);
    bool NextDataLine(std::string& line);
    std::uint32_t CountCloneFileLines();

    CUserInterface& m_ui;
    STiming m_timing;

    std::uint16_t m_job = 0;
    std::uint32_t m_portNumber = 1;
    CTextFile* m_cloneFile = nullptr;
    std::unique_ptr<CCloneProgressDlg> m_progressDlg;
    std::uint32_t m_writeLineTotal = 0;
    std::uint32_t m_readLineTotal = kInitialReadLineTotal;
    std::uint32_t m_readImageSize = kDefaultReadImageSize;
    std::vector<bool> m_received;  // per address of the image, in a read
    SModelInfo m_modelInfo;
    CFrameReceiver m_receiver;  // the receive buffer and the last frame
    CByteString m_outgoingFrame;
    CByteString m_lastSentBody;
    CByteString m_modelCodeBytes;
    CByteString m_revisionBytes;
    CByteString m_informationArgument;
    bool m_frameComplete = false;
    bool m_echoDue = false;    // the echo of the frame sent last is not complete yet
    bool m_linePaced = false;  // echoes come no faster than the baud rate
    Clock::time_point m_sentAt;
    EStatus m_timeoutCode = EStatus::NoEcho;
    bool m_writing = false;
    bool m_endSent = false;
    std::uint16_t m_frameCounter = 0;
    EStatus m_status = EStatus::Running;
    std::string m_fileError;

    Clock::time_point m_lastFrameTime;
    Clock::time_point m_nextProgressQuery;
};
