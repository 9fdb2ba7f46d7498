#include "transport/FrameReceiver.h"

CFrameReceiver::EResult CFrameReceiver::Receive(std::uint8_t byte) {
    if (byte == kStart) {
        m_receiveBuffer.Clear();
        m_inFrame = true;
        m_overlong = false;
        return EResult::None;
    }
    if (!m_inFrame) {
        return EResult::None;
    }
    if (byte != kEnd) {
        if (m_receiveBuffer.GetLength() == m_receiveBuffer.GetCapacity()) {
            m_overlong = true;
        }
        m_receiveBuffer.Append(byte);
        return EResult::None;
    }
    m_inFrame = false;
    bool overlong = m_overlong;
    m_overlong = false;
    m_lastFrame = m_receiveBuffer;
    m_receiveBuffer.Clear();
    if (overlong) {
        m_lastFrame.Clear();
        return EResult::Overlong;
    }
    return EResult::Frame;
}

void CFrameReceiver::Reset() {
    m_receiveBuffer.Clear();
    m_inFrame = false;
    m_overlong = false;
}
