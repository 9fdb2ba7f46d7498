#include "radio/OutputPacer.h"

#include <algorithm>

namespace {
constexpr long long kBitsPerByte = 10;
constexpr long long kNanosecondsPerSecond = 1000000000;
}  // namespace

COutputPacer::COutputPacer(unsigned baudRate)
    : m_bytePeriod(baudRate == 0 ? 0 : kNanosecondsPerSecond * kBitsPerByte / baudRate) {}

void COutputPacer::Enqueue(const std::vector<std::uint8_t>& bytes, Clock::time_point now) {
    if (bytes.empty()) {
        return;
    }
    if (m_queue.empty()) {
        m_nextSlot = std::max(m_nextSlot, now);
    }
    m_queue.insert(m_queue.end(), bytes.begin(), bytes.end());
}

void COutputPacer::TakeDue(Clock::time_point now, std::vector<std::uint8_t>& out) {
    if (m_bytePeriod.count() == 0) {
        out.insert(out.end(), m_queue.begin(), m_queue.end());
        m_queue.clear();
        return;
    }
    while (!m_queue.empty() && m_nextSlot <= now) {
        out.push_back(m_queue.front());
        m_queue.pop_front();
        m_nextSlot += m_bytePeriod;
    }
}

std::optional<COutputPacer::Clock::time_point> COutputPacer::NextDue() const {
    if (m_queue.empty()) {
        return std::nullopt;
    }
    return m_bytePeriod.count() == 0 ? Clock::time_point{} : m_nextSlot;
}

std::optional<COutputPacer::Clock::time_point> COutputPacer::NextBurst(
    Clock::duration burst) const {
    const std::optional<Clock::time_point> next = NextDue();
    if (!next || m_bytePeriod.count() == 0) {
        return next;
    }
    const Clock::time_point last =
        *next + m_bytePeriod * static_cast<long long>(m_queue.size() - 1);
    return std::min(*next + burst, last);
}
