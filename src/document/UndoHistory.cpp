#include "document/UndoHistory.h"

#include <utility>

void CUndoHistory::Reset(State current) {
    m_steps.clear();
    m_done = 0;
    m_clean = 0;
    m_current = std::move(current);
}

bool CUndoHistory::Record(std::string name, State after) {
    if (after == m_current) {
        return false;
    }
    m_steps.resize(m_done);
    if (m_clean > static_cast<std::ptrdiff_t>(m_done)) {
        m_clean = -1;
    }
    m_steps.push_back({std::move(name), m_current, after});
    m_current = std::move(after);
    ++m_done;
    if (m_steps.size() > m_limit) {
        DropOldest();
    }
    return true;
}

void CUndoHistory::DropOldest() {
    m_steps.erase(m_steps.begin());
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
    m_current = m_steps[m_done].before;
    return &m_current;
}

const CUndoHistory::State* CUndoHistory::Redo() {
    if (!CanRedo()) {
        return nullptr;
    }
    m_current = m_steps[m_done].after;
    ++m_done;
    return &m_current;
}

void CUndoHistory::MarkClean() {
    m_clean = static_cast<std::ptrdiff_t>(m_done);
}
