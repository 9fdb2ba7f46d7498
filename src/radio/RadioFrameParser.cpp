#include "radio/RadioFrameParser.h"

namespace {
constexpr std::uint8_t kPreamble = 0xFE;
constexpr std::uint8_t kEndOfMessage = 0xFD;
}  // namespace

bool CRadioFrameParser::Feed(std::uint8_t byte) {
    switch (m_state) {
        case EState::Idle:
            m_state = byte == kPreamble ? EState::Preamble : EState::Idle;
            return false;
        case EState::Preamble:
            if (byte == kPreamble) {
                m_body.clear();
                m_state = EState::Body;
            } else {
                m_state = EState::Idle;
            }
            return false;
        case EState::Body:
            break;
    }
    if (byte == kPreamble) {
        if (m_body.empty()) {
            return false;  // a longer preamble
        }
        m_state = EState::Preamble;  // a new frame starts over the broken one
        return false;
    }
    if (byte == kEndOfMessage) {
        m_state = EState::Idle;
        return !m_body.empty();
    }
    if (m_body.size() >= kMaxBody) {
        m_state = EState::Idle;
        return false;
    }
    m_body.push_back(byte);
    return false;
}
