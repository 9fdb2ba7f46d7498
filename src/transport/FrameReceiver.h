// CFrameReceiver: collects the bytes of the line into clone frames.
//
// A frame on the line is 0xFE 0xFE, body, 0xFD. Each 0xFE starts a new frame
// (bytes before it were noise); 0xFD ends the frame being received and hands
// its body over exactly once: the receive buffer is emptied, so a second 0xFD
// (noise) hands over nothing. Bytes outside a frame -- before the first 0xFE
// and after a 0xFD -- are noise and dropped. A body longer than the buffer
// (kCapacity bytes) is not cut: the frame is reported as overlong.
//
// The frame handed over is a body without its 0xFE bytes and its 0xFD:
// destination, source, command, payload. A value type; no operation fails.
#pragma once

#include <cstdint>

#include "model/ByteString.h"

class CFrameReceiver {
  public:
    static constexpr std::uint8_t kStart = 0xFE;
    static constexpr std::uint8_t kEnd = 0xFD;
    static constexpr std::uint16_t kCapacity = CByteString::kDefaultCapacity;

    enum class EResult {
        None,      // no frame ended with this byte
        Frame,     // a frame ended: its body is GetFrame()
        Overlong,  // a frame ended that did not fit the buffer; it is dropped
    };

    // Takes the next byte of the line.
    EResult Receive(std::uint8_t byte);
    // Forgets any frame in progress.
    void Reset();

    // The body of the last frame that ended (empty before the first).
    const CByteString& GetFrame() const { return m_lastFrame; }
    // Whether a frame has started and not ended yet, and its body so far.
    bool IsInFrame() const { return m_inFrame; }
    const CByteString& GetPartialBody() const { return m_receiveBuffer; }

  private:
    CByteString m_receiveBuffer;
    CByteString m_lastFrame;
    bool m_inFrame = false;
    bool m_overlong = false;
};
