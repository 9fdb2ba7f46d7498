#include "document/UndoHistory.h"

#include <algorithm>
#include <utility>

namespace {

// Runs closer than this are kept as one: the equal bytes between them cost
// less than another run.
constexpr std::size_t kJoinGap = 8;

bool Differs(const CUndoHistory::State& before, const CUndoHistory::State& after, std::size_t at) {
    return at >= before.size() || at >= after.size() || before[at] != after[at];
}

// The bytes of state in [offset, offset + length) that lie within it.
void AppendPart(const CUndoHistory::State& state, std::size_t offset, std::size_t length,
                std::vector<std::uint8_t>& bytes) {
    if (offset < state.size()) {
        const auto first = state.begin() + static_cast<std::ptrdiff_t>(offset);
        bytes.insert(bytes.end(), first,
                     first + static_cast<std::ptrdiff_t>(std::min(length, state.size() - offset)));
    }
}

}  // namespace

void CUndoHistory::Reset(State current) {
    m_steps.clear();
    m_stepBytes = 0;
    m_done = 0;
    m_clean = 0;
    m_current = std::move(current);
}

bool CUndoHistory::Record(std::string name, State after) {
    if (after == m_current) {
        return false;
    }
    DropRedoSteps();
    if (m_clean > static_cast<std::ptrdiff_t>(m_done)) {
        m_clean = -1;
    }
    m_steps.push_back(Difference(std::move(name), m_current, after));
    m_stepBytes += BytesOf(m_steps.back());
    m_current = std::move(after);
    ++m_done;
    while (m_steps.size() > 1 && (m_steps.size() > m_limit || m_stepBytes > m_budget)) {
        DropOldest();
    }
    return true;
}

CUndoHistory::SStep CUndoHistory::Difference(std::string name, const State& before,
                                             const State& after) {
    SStep step;
    step.name = std::move(name);
    step.beforeSize = static_cast<std::uint32_t>(before.size());
    step.afterSize = static_cast<std::uint32_t>(after.size());
    const std::size_t size = std::max(before.size(), after.size());
    for (std::size_t at = 0; at < size; ++at) {
        if (!Differs(before, after, at)) {
            continue;
        }
        SRun* last = step.runs.empty() ? nullptr : &step.runs.back();
        if (last != nullptr && at - (last->offset + last->length) < kJoinGap) {
            last->length = static_cast<std::uint32_t>(at + 1 - last->offset);
        } else {
            step.runs.push_back({static_cast<std::uint32_t>(at), 1});
        }
    }
    for (const SRun& run : step.runs) {
        AppendPart(before, run.offset, run.length, step.beforeBytes);
        AppendPart(after, run.offset, run.length, step.afterBytes);
    }
    step.runs.shrink_to_fit();
    return step;
}

// The positions outside the runs are equal in both states: the state the
// step leaves (or starts from) takes the size and the runs' bytes of the
// other.
void CUndoHistory::Apply(const SStep& step, bool forward, State& state) {
    const std::size_t size = forward ? step.afterSize : step.beforeSize;
    const std::vector<std::uint8_t>& bytes = forward ? step.afterBytes : step.beforeBytes;
    state.resize(size);
    std::size_t taken = 0;
    for (const SRun& run : step.runs) {
        const std::size_t count =
            run.offset < size ? std::min<std::size_t>(run.length, size - run.offset) : 0;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(taken), count,
                    state.begin() + static_cast<std::ptrdiff_t>(run.offset));
        taken += count;
    }
}

std::size_t CUndoHistory::BytesOf(const SStep& step) {
    return sizeof(SStep) + step.name.capacity() + step.runs.capacity() * sizeof(SRun) +
           step.beforeBytes.capacity() + step.afterBytes.capacity();
}

void CUndoHistory::DropRedoSteps() {
    while (m_steps.size() > m_done) {
        m_stepBytes -= BytesOf(m_steps.back());
        m_steps.pop_back();
    }
}

void CUndoHistory::DropOldest() {
    m_stepBytes -= BytesOf(m_steps.front());
    m_steps.pop_front();
    --m_done;
    m_clean = m_clean > 0 ? m_clean - 1 : -1;
}

std::string CUndoHistory::UndoName() const {
    return CanUndo() ? m_steps[m_done - 1].name : std::string();
}

std::string CUndoHistory::RedoName() const {
    return CanRedo() ? m_steps[m_done].name : std::string();
}

const CUndoHistory::State* CUndoHistory::Undo() {
    if (!CanUndo()) {
        return nullptr;
    }
    --m_done;
    Apply(m_steps[m_done], false, m_current);
    return &m_current;
}

const CUndoHistory::State* CUndoHistory::Redo() {
    if (!CanRedo()) {
        return nullptr;
    }
    Apply(m_steps[m_done], true, m_current);
    ++m_done;
    return &m_current;
}

void CUndoHistory::MarkClean() {
    m_clean = static_cast<std::ptrdiff_t>(m_done);
}
