// CRadioFault: how the virtual radio misbehaves, so that every failure path of
// a transfer can be tried without a broken radio or cable.
//
//   none           the radio and its cable work.
//   silent         the radio is switched off and the cable is dead: nothing
//                  at all comes back, not even the echo.
//   no-echo        the cable returns no echo; the radio still answers.
//   bad-checksum   in a read, the sixth data frame (address 0x0050) carries a
//                  checksum one too high; the frames after it are sound.
//   write-nak      the radio refuses every write: it answers the end of a
//                  write with the write result 0x01 and keeps its memory.
//   noise          the line picks up noise that a correct receiver survives:
//                  before every frame the radio sends come junk bytes below
//                  0xF0 and a stray 0xFD (no 0xFE among them), and after
//                  every frame it echoes comes a stray 0xFD.
//   lost-and-repeated  in a read, the sixth data frame is never sent and the
//                  seventh is sent twice: as many frames as a sound read, but
//                  one part of the memory missing.
//   ack-every-frame  in a write, the radio answers every data frame it stores
//                  with the write result 0x00, before the end frame too.
//   refuse-early   in a write, the radio refuses the third data frame at once
//                  with the write result 0x01 and keeps its memory.
//   stall-after=K  after K data frames of a read or write (sent or stored),
//                  the radio stops answering until the next request; the
//                  cable's echo goes on.
//   wrong-byte=A   a write is accepted, but the byte at address A (decimal or
//                  0x.. hex, below 0x7A0) is stored with its lowest bit
//                  flipped; every other byte is stored as sent.
// A value type.
#pragma once

#include <optional>
#include <string>

class CRadioFault {
  public:
    enum class EKind {
        None,
        Silent,
        NoEcho,
        BadChecksum,
        WriteNak,
        Noise,
        LostAndRepeated,
        AckEveryFrame,
        RefuseEarly,
        StallAfter,
        WrongByte
    };

    CRadioFault() = default;
    // parameter: K of stall-after=K, A of wrong-byte=A.
    CRadioFault(EKind kind, unsigned parameter = 0) : m_kind(kind), m_stallAfter(parameter) {}

    // The fault a --fault text names; nothing for an unknown text.
    static std::optional<CRadioFault> Parse(const std::string& text);
    // The text that Parse reads back into this fault.
    std::string ToText() const;

    EKind Kind() const { return m_kind; }
    bool Is(EKind kind) const { return m_kind == kind; }
    // K of stall-after=K.
    unsigned StallAfter() const { return m_stallAfter; }
    // A of wrong-byte=A.
    unsigned WrongByteAddress() const { return m_stallAfter; }

  private:
    EKind m_kind = EKind::None;
    unsigned m_stallAfter = 0;
};
