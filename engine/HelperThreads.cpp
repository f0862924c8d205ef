#include "engine/HelperThreads.h"

#include "engine/EndgameSolver.h"
#include "engine/MidgameSearch.h"

namespace engine {

bool splitStopped(const SplitPoint* split)
{
    for (; split; split = split->parent) {
        if (split->stop.load(std::memory_order_relaxed))
            return true;
    }
    return false;
}

int searchChild(SearchContext& context, const ChildSearch& child, Position& p, int alpha, int beta)
{
    if (child.endgame) {
        EndgameSolver solver(context);
        solver.setSelectiveMargin(child.margin);
        return solver.value(p, alpha, beta);
    }
    return MidgameSearch(context).value(p, child.depth, alpha, beta);
}

HelperThreads::HelperThreads(int helpers)
{
    for (int i = 0; i <= helpers; ++i)
        m_slots.push_back(std::make_unique<Slot>());
    for (int i = 1; i <= helpers; ++i)
        m_threads.emplace_back([this, i] { helperMain(i); });
}

HelperThreads::~HelperThreads()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
        m_searching.store(false, std::memory_order_relaxed);
        for (auto& slot : m_slots)
            slot->wake.notify_one();
    }
    for (std::thread& thread : m_threads)
        thread.join();
}

void HelperThreads::begin(SearchContext& master)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    master.helpers = this;
    master.slot = 0;
    for (std::size_t i = 1; i < m_slots.size(); ++i) {
        SearchContext& context = m_slots[i]->context.emplace(master);
        context.slot = static_cast<int>(i);
        context.split = nullptr;
        context.nodes = 0;
        context.childrenLookedAt = 0;
        context.aborted = false;
    }
    m_searching.store(true, std::memory_order_relaxed);
}

void HelperThreads::end()
{
    m_searching.store(false, std::memory_order_relaxed);
}

std::uint64_t HelperThreads::nodes() const
{
    std::uint64_t total = 0;
    for (std::size_t i = 1; i < m_slots.size(); ++i)
        total += m_slots[i]->context ? m_slots[i]->context->nodes : 0;
    return total;
}

std::uint64_t HelperThreads::childrenLookedAt() const
{
    std::uint64_t total = 0;
    for (std::size_t i = 1; i < m_slots.size(); ++i)
        total += m_slots[i]->context ? m_slots[i]->context->childrenLookedAt : 0;
    return total;
}

void HelperThreads::helperMain(int index)
{
    Slot& slot = *m_slots[index];
    std::unique_lock<std::mutex> lock(m_mutex);
    slot.state = State::Idle;
    countFree();
    for (;;) {
        if (!slot.job && m_searching.load(std::memory_order_relaxed)) {
            lock.unlock();
            while (!slot.hasJob.load(std::memory_order_acquire) && m_searching.load(std::memory_order_relaxed))
                std::this_thread::yield();
            lock.lock();
        }
        slot.wake.wait(lock, [&] { return m_quit || slot.job; });
        if (m_quit)
            return;
        SplitPoint& split = *slot.job;
        slot.job = nullptr;
        slot.hasJob.store(false, std::memory_order_relaxed);
        helpAt(split, *slot.context, lock);
        slot.state = State::Idle;
        countFree();
    }
}

// A thread waiting at its own split point may only help below it: the one it waits on must be
// above the new one.
bool HelperThreads::mayHelp(const Slot& slot, const SplitPoint& split) const
{
    if (slot.job)
        return false;
    if (slot.state == State::Idle)
        return true;
    if (slot.state != State::Waiting)
        return false;
    for (const SplitPoint* above = split.parent; above; above = above->parent) {
        if (above == slot.waitingAt)
            return true;
    }
    return false;
}

void HelperThreads::countFree()
{
    int free = 0;
    for (const auto& slot : m_slots)
        free += !slot->job && (slot->state == State::Idle || slot->state == State::Waiting);
    m_free.store(free, std::memory_order_relaxed);
}

bool HelperThreads::split(SearchContext& context, Position& p, const MoveList& list, int next, int& alpha, int beta,
                          bool principal, const ChildSearch& child, LoopOutcome& best)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    SplitPoint split;
    split.parent = context.split;
    split.ownerSlot = context.slot;
    bool helped = false;
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        Slot& slot = *m_slots[i];
        if (static_cast<int>(i) == context.slot || !mayHelp(slot, split))
            continue;
        if (!helped) {
            split.position = p;
            split.moves = list;
            split.next = next;
            split.alpha = alpha;
            split.beta = beta;
            split.principal = principal;
            split.child = child;
            split.deadline = context.deadline();
            split.sameDepthOnly = context.sameDepthOnly;
            split.best = best;
            split.workers = 1;
            helped = true;
        }
        slot.job = &split;
        slot.hasJob.store(true, std::memory_order_release);
        slot.state = State::Working;
        ++split.workers;
        slot.wake.notify_one();
    }
    if (!helped)
        return false;
    countFree();

    SplitPoint* const above = context.split;
    context.split = &split;
    work(split, context, lock);
    // The owner's part is done: it helps below while the others finish theirs.
    Slot& own = *m_slots[context.slot];
    const State ownState = own.state;
    SplitPoint* const ownWait = own.waitingAt;
    --split.workers;
    while (split.workers > 0) {
        if (own.job) {
            SplitPoint& below = *own.job;
            own.job = nullptr;
            own.hasJob.store(false, std::memory_order_relaxed);
            helpAt(below, context, lock);
        }
        if (split.workers == 0)
            break;
        own.state = State::Waiting;
        own.waitingAt = &split;
        countFree();
        lock.unlock();
        while (split.workers.load(std::memory_order_acquire) > 0 && !own.hasJob.load(std::memory_order_acquire))
            std::this_thread::yield();
        lock.lock();
        own.wake.wait(lock, [&] { return split.workers == 0 || own.job; });
        own.state = State::Working; // set before the lock is let go: nobody gives it work meanwhile
        countFree();
    }
    own.state = ownState;
    own.waitingAt = ownWait;
    countFree();
    context.split = above;
    context.aborted = context.mustAbort();
    alpha = split.alpha;
    best = split.best;
    return true;
}

void HelperThreads::helpAt(SplitPoint& split, SearchContext& context, std::unique_lock<std::mutex>& lock)
{
    SplitPoint* const above = context.split;
    const auto deadline = context.deadline();
    const bool sameDepthOnly = context.sameDepthOnly;
    const bool aborted = context.aborted;
    context.split = &split;
    if (split.deadline)
        context.setDeadline(*split.deadline);
    else
        context.clearDeadline();
    context.sameDepthOnly = split.sameDepthOnly;
    context.aborted = false;
    work(split, context, lock);
    context.split = above;
    if (deadline)
        context.setDeadline(*deadline);
    else
        context.clearDeadline();
    context.sameDepthOnly = sameDepthOnly;
    context.aborted = aborted;
    // The owner may return (and its split point leave its stack) as soon as the count reaches 0.
    Slot& owner = *m_slots[split.ownerSlot];
    --split.workers;
    owner.wake.notify_one();
}

void HelperThreads::work(SplitPoint& split, SearchContext& context, std::unique_lock<std::mutex>& lock)
{
    while (!split.stop.load(std::memory_order_relaxed) && split.next < split.moves.count) {
        const int i = split.next++;
        const int alpha = split.alpha;
        const int beta = split.beta;
        lock.unlock();
        Position c = split.position;
        playFlips(c, split.moves.squares[i], split.moves.flips[i]);
        int v;
        if (split.principal) {
            v = -searchChild(context, split.child, c, -alpha - 1, -alpha);
            if (v > alpha && v < beta && !context.aborted)
                v = -searchChild(context, split.child, c, -beta, -alpha);
        } else {
            v = -searchChild(context, split.child, c, -beta, -alpha);
        }
        lock.lock();
        if (context.aborted) {
            // Stopped from above or at this split point: nothing to add. Else the clock or stop():
            // the whole split point gives up.
            if (!splitStopped(&split))
                split.stop.store(true, std::memory_order_relaxed);
            return;
        }
        if (v > split.best.value) {
            split.best.value = v;
            split.best.move = split.moves.squares[i];
            if (v > split.alpha) {
                split.alpha = v;
                if (v >= split.beta)
                    split.stop.store(true, std::memory_order_relaxed);
            }
        }
    }
}

} // namespace engine
