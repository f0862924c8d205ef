#pragma once
// A search on several threads: young brothers wait. A node's first move is searched alone (its
// value sets the bound the others are searched against); once it is done, and if a thread is free,
// the node becomes a split point and the threads take its remaining moves one at a time, each with
// its own context (SearchContext.h) and a copy of the position. Every thread reads and writes the
// one transposition table (TranspositionTable.h: lockless entries).
//
// A thread whose own moves are all taken waits for the others at its split point, and meanwhile
// helps at split points made below it (by the threads searching its moves), never elsewhere: the
// split points it waits on stay on its stack, above the ones it helps at.
//
// A move proved at or above beta stops the split point: every thread searching below it gives up
// at its next look at the split points above it (SearchContext::abortAtNode) and its values are
// dropped. An abort (stop() or the clock) stops it likewise, and the split point's owner unwinds
// as a one-thread search would.
//
// Every value is the one the same alpha-beta search finds alone (the bounds in the table are true
// bounds whichever thread stored them); which of several equal moves is found best, and how many
// nodes are searched, vary with the threads' timing.
#include "engine/MoveLoop.h"
#include "engine/MoveOrdering.h"
#include "engine/Position.h"
#include "engine/SearchContext.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace engine {

// The search a split point's moves are valued with.
struct ChildSearch {
    bool endgame = false; // EndgameSolver with `margin`; else MidgameSearch `depth` plies deep
    int margin = 0;
    int depth = 0;
};

// A node whose remaining moves several threads search. Lives on its owner's stack; all but `stop`
// is read and written under HelperThreads' lock.
struct SplitPoint {
    Position position; // before any of the moves
    MoveList moves;
    int next = 0; // the next move to hand out
    int alpha = 0, beta = 0;
    bool principal = false; // the full window (see MoveLoop.h), else a null one
    ChildSearch child;
    std::optional<SearchContext::Clock::time_point> deadline;
    bool sameDepthOnly = false;
    LoopOutcome best;
    const SplitPoint* parent = nullptr;
    int ownerSlot = 0;
    std::atomic<int> workers{0}; // threads searching its moves, the owner included
    std::atomic<bool> stop{false};
};

class HelperThreads {
public:
    // Starts `helpers` threads, which wait for split points.
    explicit HelperThreads(int helpers);
    ~HelperThreads();
    HelperThreads(const HelperThreads&) = delete;
    HelperThreads& operator=(const HelperThreads&) = delete;

    int helpers() const { return static_cast<int>(m_threads.size()); }
    // Before a search: the helpers' contexts, on `master`'s table, stop flag and evaluation. Until
    // end(), a thread without work spins (yielding) rather than sleeps: waking a sleeping thread
    // takes longer than many of the moves it would search.
    void begin(SearchContext& master);
    void end();
    // After it: what the helpers searched.
    std::uint64_t nodes() const;
    std::uint64_t childrenLookedAt() const;

    // A hint, read without the lock: some thread might take moves of a new split point.
    bool anyFree() const { return m_free.load(std::memory_order_relaxed) > 0; }
    // Searches moves `next` on of `list` at `p` with the threads free to help, from the loop's
    // `alpha` and `best`, which it leaves as the loop would (see searchMovesSplitting). False,
    // touching nothing, when no thread is free after all.
    bool split(SearchContext& context, Position& p, const MoveList& list, int next, int& alpha, int beta,
               bool principal, const ChildSearch& child, LoopOutcome& best);

private:
    enum class State { Idle, Waiting, Working };
    struct Slot {
        std::condition_variable wake;
        State state = State::Working;
        SplitPoint* waitingAt = nullptr; // while Waiting: the split point it owns
        SplitPoint* job = nullptr;       // a split point given it, not yet taken up
        std::atomic<bool> hasJob{false}; // job is set: read without the lock while spinning
        std::optional<SearchContext> context;
    };

    void helperMain(int slot);
    // Takes moves of `split` until none is left or it is stopped.
    void work(SplitPoint& split, SearchContext& context, std::unique_lock<std::mutex>& lock);
    // work() as a helper: the context set for the split point, then put back.
    void helpAt(SplitPoint& split, SearchContext& context, std::unique_lock<std::mutex>& lock);
    bool mayHelp(const Slot& slot, const SplitPoint& split) const;
    void countFree();

    std::mutex m_mutex;
    std::vector<std::unique_ptr<Slot>> m_slots; // 0: the thread that runs the search
    std::vector<std::thread> m_threads;
    std::atomic<int> m_free{0};
    std::atomic<bool> m_searching{false};
    bool m_quit = false;
};

int searchChild(SearchContext& context, const ChildSearch& child, Position& p, int alpha, int beta);

// searchMoves (MoveLoop.h) that may split after any move once the first is searched. On one thread,
// or at a node too small to share (`splittable` false), it is searchMoves itself.
template <class Child>
LoopOutcome searchMovesSplitting(Position& p, const MoveList& list, int alpha, int beta, SearchContext& context,
                                 Child child, const ChildSearch& job, bool splittable)
{
    if (!context.helpers || !splittable)
        return searchMoves(p, list, alpha, beta, context, child);
    const bool principal = beta - alpha > 1;
    LoopOutcome best;
    for (int i = 0; i < list.count; ++i) {
        if (i > 0 && context.helpers->anyFree() &&
            context.helpers->split(context, p, list, i, alpha, beta, principal, job, best))
            return best;
        playFlips(p, list.squares[i], list.flips[i]);
        int v;
        if (i == 0 || !principal) {
            v = -child(p, -beta, -alpha);
        } else {
            v = -child(p, -alpha - 1, -alpha);
            if (v > alpha && v < beta && !context.aborted)
                v = -child(p, -beta, -alpha);
        }
        undo(p, list.squares[i], list.flips[i]);
        if (context.aborted)
            return best;
        if (v > best.value) {
            best.value = v;
            best.move = list.squares[i];
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta)
                    break;
            }
        }
    }
    return best;
}

} // namespace engine
