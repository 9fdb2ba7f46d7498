// CUndoHistory: the steps the user may undo and redo, each a named pair of
// states of the radio's data (the bytes of its memory range) before and after
// the step. The history knows the current state; a step recorded with a state
// equal to it is no step. Recording after undos drops the steps that could
// have been redone. The oldest steps go when more than the limit are kept.
//
// The clean state is the one last saved (or opened): IsClean tells whether the
// current state is it, counted in steps, so that undoing back to it is clean
// again, and a clean state whose steps were dropped is never reached again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CUndoHistory {
  public:
    using State = std::vector<std::uint8_t>;

    static constexpr std::size_t kDefaultLimit = 1000;

    explicit CUndoHistory(std::size_t limit = kDefaultLimit) : m_limit(limit > 0 ? limit : 1) {}

    // Forgets every step: current becomes the current and clean state.
    void Reset(State current);
    // The step name that took the current state to after; false (nothing
    // recorded) when after equals the current state.
    bool Record(std::string name, State after);

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // The name of the step Undo or Redo would take back or do again ("" when
    // there is none).
    std::string UndoName() const;
    std::string RedoName() const;

    // Takes the last step back (or does the next one again) and gives the
    // state to restore; nullptr and nothing done when there is none.
    const State* Undo();
    const State* Redo();

    // The current state is the saved one from now on.
    void MarkClean();
    bool IsClean() const { return m_clean == static_cast<std::ptrdiff_t>(m_done); }

    const State& Current() const { return m_current; }
    std::size_t StepCount() const { return m_steps.size(); }

  private:
    struct SStep {
        std::string name;
        State before;
        State after;
    };

    void DropOldest();

    std::size_t m_limit;
    std::vector<SStep> m_steps;
    std::size_t m_done = 0;      // steps 0..m_done-1 are done
    std::ptrdiff_t m_clean = 0;  // the number of done steps of the clean state, -1: none
    State m_current;
};
