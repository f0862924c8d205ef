#pragma once
// What one running search shares between its midgame and endgame parts: the table, the
// evaluation, the node count, and when to give up. Lives on the searching thread's stack for the length of one
// chooseMove or solve; only `stopRequested` is touched by other threads.
//
// A search on several threads has one context per thread (HelperThreads.h), all with the same
// table and stop flag. `split` is the innermost split point the thread searches moves of: when it
// or one above it is stopped (a cut-off, or an abort), the thread's search there gives up too.
#include "engine/Evaluation.h"
#include "engine/TranspositionTable.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

namespace engine {

class HelperThreads;
struct SplitPoint;
// True if `split` or a split point above it has been stopped (HelperThreads.h).
bool splitStopped(const SplitPoint* split);

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
        // Under a split point, a sibling's cut-off is looked for far more often than the clock.
        if (split && (nodes & SplitPollMask) == 0 && !aborted)
            aborted = splitStopped(split);
        return aborted;
    }
    // Whether the search must give up now, whatever this thread saw before (after a split point,
    // whose own cut-off need not stop the search above it).
    bool mustAbort() const
    {
        return m_stopRequested.load(std::memory_order_relaxed) || (m_hasDeadline && Clock::now() >= m_deadline) ||
               (split && splitStopped(split));
    }

    void setDeadline(Clock::time_point deadline)
    {
        m_deadline = deadline;
        m_hasDeadline = true;
    }
    void clearDeadline() { m_hasDeadline = false; }
    std::optional<Clock::time_point> deadline() const
    {
        return m_hasDeadline ? std::optional<Clock::time_point>(m_deadline) : std::nullopt;
    }
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
    // The threads that help this search, nullptr when it runs on this thread alone.
    HelperThreads* helpers = nullptr;
    int slot = 0;                // this thread's among them (0: the thread that started the search)
    SplitPoint* split = nullptr; // see above

private:
    static constexpr std::uint64_t PollMask = 2047;
    static constexpr std::uint64_t SplitPollMask = 63;
    const std::atomic<bool>& m_stopRequested;
    Clock::time_point m_deadline{};
    bool m_hasDeadline = false;
};

} // namespace engine
