#include "clone/ModelInfo.h"

#include <algorithm>

CModelInfo::CModelInfo() : CModelInfo(0, 255, 0, 0, 1, 1) {}

CModelInfo::CModelInfo(std::int32_t minimum, std::int32_t maximum, std::uint32_t modelCode,
                       std::uint32_t revision, std::size_t dataCapacity, std::size_t textLength)
    : CValueList(minimum, maximum),
      m_modelCode(modelCode),
      m_revision(revision),
      m_data(dataCapacity, 0),
      m_textLength(textLength) {}

bool CModelInfo::SetData(const std::uint8_t* bytes, std::size_t count) {
    if (count > m_data.size() || (bytes == nullptr && count > 0)) {
        return false;
    }
    m_data.assign(bytes, bytes + count);
    return true;
}

std::uint8_t CModelInfo::GetDataByte(std::size_t index) const {
    return index < m_data.size() ? m_data[index] : 0;
}

void CModelInfo::SetDataByte(std::size_t index, std::uint8_t value) {
    if (index < m_data.size()) {
        m_data[index] = value;
    }
}

std::string CModelInfo::GetText() const {
    if (m_textOffset >= m_data.size()) {
        return {};
    }
    std::size_t length = std::min(m_textLength, m_data.size() - m_textOffset);
    return std::string(m_data.begin() + m_textOffset, m_data.begin() + m_textOffset + length);
}

bool CModelInfo::SetText(const std::uint8_t* bytes, std::size_t count) {
    if (count > m_textLength || m_textOffset + count > m_data.size() ||
        (bytes == nullptr && count > 0)) {
        return false;
    }
    std::copy(bytes, bytes + count, m_data.begin() + m_textOffset);
    return true;
}
