// How a move is chosen: iterative deepening of the midgame search, each iteration starting with the
// previous one's best move; then, near the end, an exact count with the root moves in the order the
// midgame left them; then, for the weaker levels, a random pick among the moves almost as good as
// the best.
#include "engine/Search.h"

#include "engine/EndgameSolver.h"
#include "engine/Evaluation.h"
#include "engine/Levels.h"
#include "engine/MidgameSearch.h"
#include "engine/PrincipalLine.h"
#include "engine/RootSearch.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>
#include <vector>

namespace engine {
namespace {

using Clock = SearchContext::Clock;

// When an exact count follows, the midgame iterations get this share of the move's time: they
// only give the count its first move and first guess (and the answer if the count runs out of time).
constexpr double MidgameShareBeforeExact = 0.1;
// An iteration takes several times as long as the one before; one started after this share of the
// time would rarely finish.
constexpr double LastIterationStartShare = 0.5;
// The depth of the midgame estimate that starts an unlimited exact solve (docs/engine-notes.md).
// 8: FFO #40-#44 in 107 M nodes searched, fewest of 6 to 10 (engine_bench --benchmark_filter=SolveFfo/4[0-4]/1).
constexpr int SolveGuessDepth = 8;
// From this many empty squares on, the exact count is preceded by a selective one (see
// EndgameSolver.h) whose table entries and root order it starts from, with this margin in discs.
// 24 and 8: the fastest tried (docs/engine-notes.md; engine_bench --benchmark_filter=SolveFfo/4[5-9]/1).
constexpr int SelectivePassMinEmpties = 24;
constexpr int SelectiveMarginDiscs = 8;
// solve(): the midgame estimate first, then the exact count whatever the number of empty squares.
constexpr SearchLimits SolveLimits = fixedLimits(SolveGuessDepth, MaxDiscs);
// Half the width of an iteration's first window, around the previous iteration's value.
constexpr int AspirationUnits = 4 * UnitsPerDisc;

Clock::duration seconds(double s)
{
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Sends the helpers back to sleep when a search returns, whichever way it does.
struct HelpersAsleepAfter {
    const SearchContext& context;
    ~HelpersAsleepAfter()
    {
        if (context.helpers)
            context.helpers->end();
    }
};

} // namespace

Search::Search(Evaluator evaluator, std::size_t tableMegabytes, std::uint32_t seed)
    : m_evaluator(evaluator), m_table(tableMegabytes), m_random(seed != 0 ? seed : std::random_device{}())
{
}

void Search::stop() { m_stopRequested.store(true, std::memory_order_relaxed); }

void Search::clear() { m_table.clear(); }

SearchContext Search::start(int threads)
{
    m_stopRequested.store(false, std::memory_order_relaxed);
    m_started = Clock::now();
    m_table.nextGeneration();
    SearchContext context(m_table, m_stopRequested, m_evaluator);
    const int helpers = std::clamp(threads, 1, MaxThreads) - 1;
    if (helpers > 0) {
        if (!m_helpers || m_helpers->helpers() != helpers)
            m_helpers = std::make_unique<HelperThreads>(helpers);
        m_helpers->begin(context);
    }
    return context;
}

// The nodes of every thread that searched.
void Search::finish(const SearchContext& context, SearchResult& result) const
{
    result.nodes = context.nodes;
    result.childrenLookedAt = context.childrenLookedAt;
    if (context.helpers) {
        result.nodes += m_helpers->nodes();
        result.childrenLookedAt += m_helpers->childrenLookedAt();
    }
}

SearchResult Search::chooseMove(const Position& position, int level) { return run(position, levelLimits(level)); }

SearchResult Search::run(const Position& position, const SearchLimits& limits)
{
    SearchContext context = start(limits.threads);
    const HelpersAsleepAfter asleep{context};
    Position p = position;
    SearchResult result;

    const Bits legal = p.moves();
    if (!legal) {
        result.exact = p.isOver();
        result.score = result.exact ? p.finalDiff() : unitsToDiscs(context.evaluator(p));
        if (!result.exact)
            result.line = {-1};
        return result;
    }
    MoveList moves;
    orderMoves(p, legal, Ordering{}, moves);
    result.move = moves.squares[0];
    const int empties = p.empties();
    if (moves.count == 1 && empties > limits.exactFrom) {
        // Nothing to decide; the score is a glance at the position after the move. (Within the
        // exact range the count still runs, for the score it gives.)
        playFlips(p, moves.squares[0], moves.flips[0]);
        result.score = unitsToDiscs(-context.evaluator(p));
        result.line = {result.move};
        return result;
    }

    decide(context, p, moves, limits, result);
    if (!result.exact)
        result.score = unitsToDiscs(result.score);
    result.line = tableLine(context, p, result.move, result.exact ? empties : std::max(result.depth, 1));
    finish(context, result);
    return result;
}

SearchResult Search::solve(const Position& position, int threads)
{
    SearchContext context = start(threads);
    const HelpersAsleepAfter asleep{context};
    Position p = position;
    SearchResult result;

    const bool mustPass = p.moves() == 0;
    if (mustPass) {
        if (p.isOver()) {
            result.exact = true;
            result.score = p.finalDiff();
            return result;
        }
        pass(p);
    }
    MoveList moves;
    orderMoves(p, p.moves(), Ordering{}, moves);
    result.move = moves.squares[0];
    decide(context, p, moves, SolveLimits, result);
    if (result.exact) {
        result.line = exactLine(context, p, result.move, result.score);
    } else {
        result.score = unitsToDiscs(result.score);
        result.line = tableLine(context, p, result.move, std::max(result.depth, 1));
    }
    if (mustPass) {
        result.move = -1;
        result.score = -result.score;
        result.line.insert(result.line.begin(), -1);
    }
    finish(context, result);
    return result;
}

int MoveValues::valueOf(int move) const
{
    for (const MoveValue& m : moves) {
        if (m.move == move)
            return m.value;
    }
    return 0;
}

MoveValues Search::valueAllMoves(const Position& position, const SearchLimits& limits)
{
    SearchContext context = start(limits.threads);
    const HelpersAsleepAfter asleep{context};
    context.sameDepthOnly = true;
    Position p = position;
    MoveValues result;
    const Bits legal = p.moves();
    if (!legal) {
        result.complete = true;
        return result;
    }
    MoveList moves;
    orderMoves(p, legal, Ordering{}, moves);
    const int empties = p.empties();
    const bool exact = empties <= limits.exactFrom;
    const int depth = std::clamp(limits.depth, 1, std::max(empties, 1));
    std::vector<int> values(moves.count, 0);
    if (exact)
        solveEveryMove(context, p, moves, values);
    else
        deepenEveryMove(context, p, moves, depth, values);
    SearchResult counted;
    finish(context, counted);
    result.nodes = counted.nodes;
    if (context.aborted)
        return result;
    for (int i = 0; i < moves.count; ++i)
        result.moves.push_back({moves.squares[i], exact ? values[i] : unitsToDiscs(values[i])});
    // Equal values in square order, not in the search's: the order owes something to the table.
    std::sort(result.moves.begin(), result.moves.end(), [](const MoveValue& a, const MoveValue& b) {
        return a.value != b.value ? a.value > b.value : a.move < b.move;
    });
    result.depth = exact ? empties : depth;
    result.exact = exact;
    result.complete = true;
    return result;
}

// Iterations 1 to maxDepth for every move on its own, each within a window around the move's value
// at the iteration before, searched again past the side it fails on: a value inside its window is
// exact. `values` gets each move's value in evaluation units.
void Search::deepenEveryMove(SearchContext& context, Position& p, const MoveList& moves, int maxDepth,
                             std::vector<int>& values)
{
    MidgameSearch midgame(context);
    for (int depth = 1; depth <= maxDepth; ++depth) {
        for (int i = 0; i < moves.count; ++i) {
            playFlips(p, moves.squares[i], moves.flips[i]);
            auto within = [&](int alpha, int beta) { return -midgame.value(p, depth - 1, -beta, -alpha); };
            int v;
            if (depth == 1) {
                v = within(-Infinity, Infinity);
            } else {
                const int alpha = std::max(values[i] - AspirationUnits, -Infinity);
                const int beta = std::min(values[i] + AspirationUnits, Infinity);
                v = within(alpha, beta);
                if (v <= alpha && !context.aborted)
                    v = within(-Infinity, v + 1);
                else if (v >= beta && !context.aborted)
                    v = within(v - 1, Infinity);
            }
            undo(p, moves.squares[i], moves.flips[i]);
            if (context.aborted)
                return;
            values[i] = v;
        }
    }
}

// Every move counted exactly with the full window; `values` gets them in discs. No midgame
// iterations first: they left the counts as many nodes to search (docs/engine-notes.md).
void Search::solveEveryMove(SearchContext& context, Position& p, const MoveList& moves, std::vector<int>& values)
{
    EndgameSolver solver(context);
    if (p.empties() >= SelectivePassMinEmpties) {
        // As before an exact count: the selective count first, for its table entries.
        solver.setSelectiveMargin(SelectiveMarginDiscs);
        searchRoot(p, moves, -DiscLimit, DiscLimit, context,
                   [&](Position& c, int a, int b) { return solver.value(c, a, b); },
                   ChildSearch{true, SelectiveMarginDiscs, 0});
        solver.setSelectiveMargin(0);
        if (context.aborted)
            return;
    }
    for (int i = 0; i < moves.count; ++i) {
        playFlips(p, moves.squares[i], moves.flips[i]);
        const int v = -solver.value(p, -DiscLimit, DiscLimit);
        undo(p, moves.squares[i], moves.flips[i]);
        if (context.aborted)
            return;
        values[i] = v;
    }
}

// The search itself, for a position with a legal move and `moves` its moves in order: the midgame
// iterations (a share of the time when an exact count follows), the exact count if planned, then
// the random pick. `result` gets the move and its value: in discs when exact, else evaluation units.
void Search::decide(SearchContext& context, Position& p, MoveList& moves, const SearchLimits& limits,
                    SearchResult& result)
{
    const bool exactPlanned = p.empties() <= limits.exactFrom;
    double lastStartSeconds = std::numeric_limits<double>::infinity();
    if (limits.seconds) {
        const double midgameSeconds = *limits.seconds * (exactPlanned ? MidgameShareBeforeExact : 1.0);
        context.setDeadline(m_started + seconds(midgameSeconds));
        lastStartSeconds = midgameSeconds * LastIterationStartShare;
    }
    iterateMidgame(context, p, moves, std::min(limits.depth, p.empties()), lastStartSeconds, result);
    if (exactPlanned && !context.stopped()) {
        context.aborted = false;
        if (limits.seconds)
            context.setDeadline(m_started + seconds(*limits.seconds));
        solveExactly(context, p, moves, result);
    }
    if (limits.randomMargin > 0 && !context.aborted && result.depth > 0)
        pickNearBest(context, p, moves, limits.randomMargin * (result.exact ? 1 : UnitsPerDisc), result);
}

// Iterations 1, 2, ... up to maxDepth plies, each moving its best move to the front of `moves`.
// `result` gets the last finished iteration's move, value (in evaluation units) and depth, or a
// later move that an unfinished iteration proved better than the previous best.
void Search::iterateMidgame(SearchContext& context, Position& p, MoveList& moves, int maxDepth,
                            double lastStartSeconds, SearchResult& result)
{
    MidgameSearch midgame(context);
    for (int depth = 1; depth <= maxDepth; ++depth) {
        auto childValue = [&](Position& c, int a, int b) { return midgame.value(c, depth - 1, a, b); };
        const ChildSearch job{false, 0, depth - 1};
        // Aspiration: a window around the previous iteration's value, widened to the full window
        // only when the value falls outside it.
        int alpha = -Infinity, beta = Infinity;
        if (depth > 1) {
            alpha = std::max(result.score - AspirationUnits, -Infinity);
            beta = std::min(result.score + AspirationUnits, Infinity);
        }
        RootOutcome outcome = searchRoot(p, moves, alpha, beta, context, childValue, job);
        if (outcome.complete && (outcome.value <= alpha || outcome.value >= beta)) {
            alpha = -Infinity;
            beta = Infinity;
            outcome = searchRoot(p, moves, alpha, beta, context, childValue, job);
        }
        if (!outcome.complete) {
            // A move searched to the end with a value above alpha is proved better than the others.
            if (outcome.move >= 0 && outcome.move != moves.squares[0] && outcome.value > alpha) {
                result.move = outcome.move;
                result.score = outcome.value;
            }
            return;
        }
        result.move = outcome.move;
        result.score = outcome.value;
        result.depth = depth;
        moveToFront(moves, outcome.move);
        if (secondsSince(m_started) > lastStartSeconds)
            return;
    }
}

// The exact count: every move of the root on the principal line with the full window (see
// MoveLoop.h), the moves in the order the midgame iterations (and far from the end a selective
// count) left them; narrower windows visited as many nodes or more (docs/engine-notes.md).
// Fills `result` only if the count finishes.
bool Search::solveExactly(SearchContext& context, Position& p, MoveList& moves, SearchResult& result)
{
    EndgameSolver solver(context);
    auto solved = [&](Position& c, int a, int b) { return solver.value(c, a, b); };
    if (p.empties() >= SelectivePassMinEmpties) {
        solver.setSelectiveMargin(SelectiveMarginDiscs);
        const RootOutcome selective =
            searchRoot(p, moves, -DiscLimit, DiscLimit, context, solved, ChildSearch{true, SelectiveMarginDiscs, 0});
        if (!selective.complete)
            return false;
        moveToFront(moves, selective.move);
        solver.setSelectiveMargin(0);
    }
    const RootOutcome outcome = searchRoot(p, moves, -DiscLimit, DiscLimit, context, solved, ChildSearch{true, 0, 0});
    if (!outcome.complete)
        return false;
    moveToFront(moves, outcome.move);
    result.move = outcome.move;
    result.score = outcome.value;
    result.depth = p.empties();
    result.exact = true;
    return true;
}

// Replaces the best move by one picked at random among the moves within `margin` of it (in the
// result's scale: discs when exact, evaluation units otherwise). Keeps the best if time runs out.
void Search::pickNearBest(SearchContext& context, Position& p, const MoveList& moves, int margin,
                          SearchResult& result)
{
    const int threshold = result.score - margin;
    std::vector<std::pair<int, int>> candidates{{result.move, result.score}}; // move, value
    MidgameSearch midgame(context);
    EndgameSolver solver(context);
    for (int i = 0; i < moves.count; ++i) {
        if (moves.squares[i] == result.move)
            continue;
        playFlips(p, moves.squares[i], moves.flips[i]);
        // Exact whenever it reaches the threshold, a bound below it otherwise.
        const int v = result.exact ? -solver.value(p, -DiscLimit, -(threshold - 1))
                                   : -midgame.value(p, result.depth - 1, -Infinity, -(threshold - 1));
        undo(p, moves.squares[i], moves.flips[i]);
        if (context.aborted)
            return;
        if (v >= threshold)
            candidates.push_back({moves.squares[i], v});
    }
    const auto pick = std::uniform_int_distribution<std::size_t>(0, candidates.size() - 1)(m_random);
    result.move = candidates[pick].first;
    result.score = candidates[pick].second;
}

} // namespace engine
