// CUndoHistory: the steps the user may undo and redo, each a named change
// between two states of the radio's data (the bytes of its memory range). The
// history knows the current state; a step recorded with a state equal to it is
// no step. Recording after undos drops the steps that could have been redone.
//
// A step keeps only the bytes that differ between its two states (an edit of
// a channel a few dozen bytes, a read that brings other data at most twice
// the state), and the history is bounded twice: at most the step limit of
// steps, and at most the memory budget of bytes for all steps together. The
// oldest steps go first; the newest step always stays, whatever its size.
//
// The clean state is the one last saved (or opened): IsClean tells whether the
// current state is it, counted in steps, so that undoing back to it is clean
// again, and a clean state whose steps were dropped is never reached again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

class CUndoHistory {
  public:
    using State = std::vector<std::uint8_t>;

    static constexpr std::size_t kDefaultLimit = 1000;
    static constexpr std::size_t kDefaultBudget = 256 * 1024;

    // limit and budget below 1 count as 1.
    explicit CUndoHistory(std::size_t limit = kDefaultLimit, std::size_t budget = kDefaultBudget)
        : m_limit(limit > 0 ? limit : 1), m_budget(budget > 0 ? budget : 1) {}

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
    // The bytes the steps hold, as counted against the budget.
    std::size_t StepBytes() const { return m_stepBytes; }

  private:
    // A run of positions where the two states differ; the bytes of the run
    // that lie within a state are in that state's byte list, runs in order.
    struct SRun {
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct SStep {
        std::string name;
        std::vector<SRun> runs;
        std::uint32_t beforeSize = 0;
        std::uint32_t afterSize = 0;
        std::vector<std::uint8_t> beforeBytes;
        std::vector<std::uint8_t> afterBytes;
    };

    static SStep Difference(std::string name, const State& before, const State& after);
    static void Apply(const SStep& step, bool forward, State& state);
    static std::size_t BytesOf(const SStep& step);

    void DropRedoSteps();
    void DropOldest();

    const std::size_t m_limit;
    const std::size_t m_budget;
    std::deque<SStep> m_steps;
    std::size_t m_stepBytes = 0;
    std::size_t m_done = 0;      // steps 0..m_done-1 are done
    std::ptrdiff_t m_clean = 0;  // the number of done steps of the clean state, -1: none
    State m_current;
};
