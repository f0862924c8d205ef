#pragma once
// What one running search shares between its midgame and endgame parts: the table, the
// evaluation, the node count, and when to give up. Lives on the searching thread's stack for the length of one
// chooseMove or solve; only `stopRequested` is touched by other threads.
#include "engine/Evaluation.h"
#include "engine/TranspositionTable.h"

#include <atomic>
#include <chrono>
#include <cstdint>

namespace engine {

class SearchContext {
public:
    using Clock = std::chrono::steady_clock;

    // Decodes the built-in weights here, on the searching thread, if `evaluator` names them.
    SearchContext(TranspositionTable& table, const std::atomic<bool>& stopRequested, Evaluator evaluator)
        : table(table), evaluator(evaluator.resolved()), m_stopRequested(stopRequested)
    {
    }

    // Counts a node; every few thousand nodes looks at the clock and the stop flag. Once it has
    // said to abort it keeps saying so, and the search unwinds without trusting its values.
    bool abortAtNode()
    {
        if ((++nodes & PollMask) == 0 && !aborted)
            aborted = m_stopRequested.load(std::memory_order_relaxed) || (m_hasDeadline && Clock::now() >= m_deadline);
        return aborted;
    }

    void setDeadline(Clock::time_point deadline)
    {
        m_deadline = deadline;
        m_hasDeadline = true;
    }
    void clearDeadline() { m_hasDeadline = false; }
    // A new stage may start after an aborted one only if this is false.
    bool stopped() const { return m_stopRequested.load(std::memory_order_relaxed); }

    TranspositionTable& table;
    const Evaluator evaluator; // scores the horizon of the midgame searches
    std::uint64_t nodes = 0;
    // Children looked at without being searched from there: each move an ordering weighs by the
    // replies it leaves, each child the table is asked about before the moves are searched. Edax
    // counts these among its nodes; `nodes` does not (it paces the checks of the clock).
    std::uint64_t childrenLookedAt = 0;
    bool aborted = false;
    // The midgame search takes its cut-offs only from table entries searched exactly as deep (a
    // deeper entry or an exact count would give another value than the depth asks for): its values
    // then owe nothing to earlier searches. Off, deeper entries answer too, for speed.
    bool sameDepthOnly = false;

private:
    static constexpr std::uint64_t PollMask = 2047;
    const std::atomic<bool>& m_stopRequested;
    Clock::time_point m_deadline{};
    bool m_hasDeadline = false;
};

} // namespace engine
