// CRadioFrameParser: the radio's receiver. It finds the computer's frames in
// the bytes of the line: a preamble of two or more 0xFE, the body, 0xFD.
// Bytes outside a frame are dropped, as is a body longer than kMaxBody.
// A value type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CRadioFrameParser {
  public:
    static constexpr std::size_t kMaxBody = 512;

    // Takes one byte; true when it ended a frame, whose body is then Body().
    bool Feed(std::uint8_t byte);
    // The body of the frame that ended last: destination, source, command,
    // payload.
    const std::vector<std::uint8_t>& Body() const { return m_body; }

  private:
    enum class EState { Idle, Preamble, Body };

    EState m_state = EState::Idle;
    std::vector<std::uint8_t> m_body;
};
