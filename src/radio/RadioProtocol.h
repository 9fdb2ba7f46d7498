// CRadioProtocol: what the QM-Z5 does on its end of the cloning cable,
// independent of any device or clock.
//
// Every byte from the computer goes in through Receive; what the line carries
// back -- the cable's echo of that byte and, when the byte ended a request,
// the radio's answer -- comes out appended to the caller's vector, in line
// order. The radio answers:
//   0xE0 model information request: the reply 0xE1 with model code 0x2468,
//        revision 1 and the 22 identity bytes (identity text, option byte,
//        five further bytes);
//   0xE2 read request (for 0x2468 revision 1): data frames of the frame size
//        (16 bytes unless set; the last one shorter where the size does not
//        divide the memory) for 0x000 to 0x79F of its memory, then the end
//        frame;
//   0xE3 write request (for 0x2468 revision 1): a write session. Each data
//        frame is checked (hexadecimal digits, checksum, count, address) and
//        stored in a copy of the memory; a bad one is answered at once with
//        the write result 0x01 and ends the session. The end frame "Brel
//        Inc." makes the copy the memory and is answered with 0x00.
// Frames not addressed from the computer (0xEF) to the radio (0xEE), and
// frames of a session that is not open, are ignored. The faults of
// CRadioFault change this as described there.
//
// Not thread-safe; the caller serialises access.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/ImageBuffer.h"
#include "model/Z5MemoryMap.h"
#include "radio/RadioFault.h"
#include "radio/RadioFrameParser.h"

class CRadioProtocol {
  public:
    static constexpr std::uint16_t kModelCode = z5map::kModelCode;
    static constexpr std::uint16_t kRevision = z5map::kRevision;
    static constexpr std::uint32_t kMemorySize = z5map::kImageSize;
    static constexpr std::size_t kIdentityLength = 22;
    static constexpr std::size_t kIdentityTextLength = 16;
    static constexpr std::size_t kOptionBytePosition = 16;
    static constexpr std::size_t kBytesPerFrame = 16;
    // The most data bytes a data frame of the computer's buffer can carry.
    static constexpr std::size_t kMaxBytesPerFrame = 122;

    struct SCounters {
        // Every frame the computer addressed to the radio, whatever the
        // radio made of it (a silent radio counts too), and the requests
        // among them.
        unsigned framesReceived = 0;
        unsigned informationRequests = 0;
        unsigned readRequests = 0;
        unsigned writeRequests = 0;
        unsigned dataFramesSent = 0;    // in read sessions
        unsigned dataFramesStored = 0;  // in write sessions
        unsigned readsCompleted = 0;    // end frames sent
        unsigned writesCompleted = 0;   // write sessions that changed the memory
        unsigned writesRefused = 0;     // write results other than 0x00
    };

    // memory is copied; its first kMemorySize bytes are the radio's memory
    // (bytes missing from a shorter image read as 0xFF). bytesPerFrame: the
    // data bytes of a read's frames, 1 to kMaxBytesPerFrame.
    CRadioProtocol(const CImageBuffer& memory, std::uint8_t optionByte, CRadioFault fault,
                   std::size_t bytesPerFrame = kBytesPerFrame);

    // Takes one byte from the computer; appends to line what goes back.
    void Receive(std::uint8_t byte, std::vector<std::uint8_t>& line);

    const CImageBuffer& Memory() const { return m_memory; }
    void SetMemory(const CImageBuffer& memory);
    // The 22 identity bytes the radio reports.
    const std::array<std::uint8_t, kIdentityLength>& Identity() const { return m_identity; }
    const SCounters& Counters() const { return m_counters; }

  private:
    enum class ESession { None, Read, Write };

    void Count(const std::vector<std::uint8_t>& body);
    void Answer(const std::vector<std::uint8_t>& body, std::vector<std::uint8_t>& line);
    void AnswerInformation(std::vector<std::uint8_t>& line);
    void AnswerRead(std::vector<std::uint8_t>& line);
    void AnswerDataFrame(std::uint32_t address, unsigned frame, std::vector<std::uint8_t>& line);
    void StartWrite();
    void TakeDataFrame(const std::vector<std::uint8_t>& body, std::vector<std::uint8_t>& line);
    void TakeEndFrame(const std::vector<std::uint8_t>& body, std::vector<std::uint8_t>& line);
    void AnswerWriteResult(std::uint8_t result, std::vector<std::uint8_t>& line);
    bool StoreDataFrame(const std::vector<std::uint8_t>& body);
    bool IsRequestForThisModel(const std::vector<std::uint8_t>& body) const;
    bool IsStalled(unsigned framesInSession) const;
    void AppendNoise(std::vector<std::uint8_t>& line) const;

    CImageBuffer m_memory;
    CImageBuffer m_sessionCopy;
    std::array<std::uint8_t, kIdentityLength> m_identity{};
    const CRadioFault m_fault;
    const std::size_t m_bytesPerFrame;
    CRadioFrameParser m_parser;
    ESession m_session = ESession::None;
    unsigned m_sessionFrames = 0;
    SCounters m_counters;
};
