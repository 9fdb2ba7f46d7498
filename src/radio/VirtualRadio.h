// CVirtualRadio: a QM-Z5 on a pseudo-terminal.
//
// Start opens a pseudo-terminal and runs the radio's side of the cloning
// cable (CRadioProtocol) on a thread of its own until Stop: a program opens
// SlavePath() as its serial port and talks to the radio as over a real cable.
// With a baud rate, every byte the radio sends, echoes included, is paced as
// the real line would carry it (baud / 10 bytes a second); with 0 the
// pseudo-terminal runs as fast as it can. Stop (or destruction) closes the
// pseudo-terminal: a program that still has it open sees its device go away,
// as if the cable were pulled.
//
// The radio keeps its own end of the terminal open while it runs, so that
// programs may open and close the port as often as they like.
//
// GetMemory, SetMemory, Counters and BytesSent may be called from any thread.
// The write callback runs on the radio's thread after every write session that
// changed the memory, with a copy of the new memory; it must not call Stop.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "model/ImageBuffer.h"
#include "radio/OutputPacer.h"
#include "radio/RadioFault.h"
#include "radio/RadioProtocol.h"

class CVirtualRadio {
  public:
    struct SConfig {
        std::uint8_t optionByte = 0;  // bits 0-1: the model version
        unsigned baudRate = 0;        // 0: not paced
        CRadioFault fault;
        std::size_t bytesPerFrame = CRadioProtocol::kBytesPerFrame;  // of a read's data frames
    };
    using WriteCallback = std::function<void(const CImageBuffer& memory)>;

    // memory: the radio's memory at power-on (copied).
    CVirtualRadio(const CImageBuffer& memory, const SConfig& config);
    ~CVirtualRadio();

    CVirtualRadio(const CVirtualRadio&) = delete;
    CVirtualRadio& operator=(const CVirtualRadio&) = delete;

    // Opens the pseudo-terminal and starts the radio; false (with the reason
    // in Error()) when the system refuses. Call once.
    bool Start();
    // Stops the radio and closes the pseudo-terminal; waits for the thread.
    void Stop();

    // The path of the terminal that programs open ("" before Start).
    const std::string& SlavePath() const { return m_slavePath; }
    const std::string& Error() const { return m_error; }

    CImageBuffer GetMemory() const;
    void SetMemory(const CImageBuffer& memory);
    CRadioProtocol::SCounters Counters() const;
    // Every byte put on the line so far, echoes included.
    std::uint64_t BytesSent() const { return m_bytesSent.load(); }

    // Set before Start.
    void SetWriteCallback(WriteCallback callback) { m_writeCallback = std::move(callback); }

  private:
    bool OpenTerminal();
    bool Fail(const std::string& what);
    void CloseTerminal();
    void Run();
    void WaitForLine(bool haveUnsent);
    void TakeInput();
    void SendOutput(std::vector<std::uint8_t>& unsent);

    mutable std::mutex m_mutex;  // guards m_protocol
    CRadioProtocol m_protocol;
    COutputPacer m_pacer;  // the radio's thread only
    WriteCallback m_writeCallback;

    int m_master = -1;
    int m_slaveKeeper = -1;
    int m_wake = -1;
    std::string m_slavePath;
    std::string m_error;
    std::thread m_thread;
    std::atomic<bool> m_stopping{false};
    std::atomic<std::uint64_t> m_bytesSent{0};
};
