// COutputPacer: the radio's output queue, let out at the pace of the line.
//
// A serial line of N baud carries N / 10 bytes a second (start bit, eight
// data bits, stop bit). Bytes queued while the line is busy wait for their
// turn; a line that was idle sends the next byte at once. No byte leaves
// before its time; bytes may leave together a little after theirs (NextBurst).
// With a rate of 0 the queue lets everything out at once.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class COutputPacer {
  public:
    using Clock = std::chrono::steady_clock;

    explicit COutputPacer(unsigned baudRate);

    void Enqueue(const std::vector<std::uint8_t>& bytes, Clock::time_point now);
    // Moves the bytes whose time has come to out.
    void TakeDue(Clock::time_point now, std::vector<std::uint8_t>& out);
    // When the next queued byte is due; nothing when the queue is empty.
    std::optional<Clock::time_point> NextDue() const;
    // When the queued bytes are next let out together: burst after the next
    // byte is due (as a USB serial adapter hands on what it gathered), but
    // never later than the last queued byte is due, so that the end of what
    // was queued is on time. Nothing when the queue is empty.
    std::optional<Clock::time_point> NextBurst(Clock::duration burst) const;
    void Clear() { m_queue.clear(); }
    std::size_t Pending() const { return m_queue.size(); }

  private:
    const std::chrono::nanoseconds m_bytePeriod;  // 0: not paced
    std::deque<std::uint8_t> m_queue;
    Clock::time_point m_nextSlot{};
};
