#pragma once
// The computer opponent: picks a move within a set of limits (a level's, or fixed ones), or solves
// a position exactly. Every caller (the game, the analyses, the tools, the benchmarks) runs this
// search; scores come out in discs whatever the search did.
//
// valueAllMoves is the other way to search a position: every legal move valued in one search at
// one fixed depth and no clock, so that the moves' values can be set side by side (a move's cost
// against the best) and the same position always gets the same values.
//
// A Search owns its transposition table (allocated once, reused move after move through a game),
// its random generator and the evaluation it scores positions with. One thread runs run, chooseMove,
// solve or valueAllMoves at a time; stop() may be called from any thread while it runs. A search
// asked for more than one thread is helped by threads the Search starts then and keeps for the
// next searches (HelperThreads.h); values stay the same, node counts do not.
#include "engine/Evaluation.h"
#include "engine/HelperThreads.h"
#include "engine/MoveOrdering.h"
#include "engine/Position.h"
#include "engine/SearchContext.h"
#include "engine/SearchLimits.h"
#include "engine/TranspositionTable.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace engine {

struct SearchResult {
    int move = -1;  // square index, or -1 for a pass (no legal move)
    int score = 0;  // for the side to move: exact disc difference when `exact`, else the evaluation in discs
    int depth = 0;  // last completed iteration's depth (the number of empty squares when exact)
    bool exact = false;
    std::uint64_t nodes = 0;            // positions searched, leaves included
    std::uint64_t childrenLookedAt = 0; // and looked at without a search (SearchContext)
    // The principal variation: `move` first (-1 a pass), then the best replies as far as they are
    // known; to the end of the game when exact.
    std::vector<int> line;
};

// One legal move and its value, for the side to move before it.
struct MoveValue {
    int move = -1;
    int value = 0; // discs: exact when the search was, else the evaluation rounded to a disc
};

// Every legal move of a position valued by one search (valueAllMoves).
struct MoveValues {
    std::vector<MoveValue> moves; // best first, equal values in square order; empty if no move is legal
    int depth = 0;                // midgame plies below the position (the empty squares when exact)
    bool exact = false;
    bool complete = false;        // false if stop() cut the search short: the values then mean nothing
    std::uint64_t nodes = 0;

    int bestMove() const { return moves.empty() ? -1 : moves.front().move; }
    int bestValue() const { return moves.empty() ? 0 : moves.front().value; }
    // The value of `move`; 0 if it is not one of the moves.
    int valueOf(int move) const;
};

class Search {
public:
    // Every search scores positions with `evaluator`. seed 0: seeded from std::random_device.
    explicit Search(Evaluator evaluator, std::size_t tableMegabytes = 16, std::uint32_t seed = 0);

    // The move to play within `limits`: iterative deepening up to their depth, within their time
    // if they have one, exact from their number of empty squares, random among near-equal moves
    // when they give a margin. Always a legal move when there is one (-1 to pass otherwise, the
    // score then the evaluation, or the final result when the game is over); returns promptly
    // after stop().
    SearchResult run(const Position& position, const SearchLimits& limits);
    // The move the computer plays at `level`: run() with levelLimits(level).
    SearchResult chooseMove(const Position& position, int level);
    // The best move and the exact final disc difference: run()'s search with no clock, exact from
    // any number of empty squares, and the line proved to the end. The game must not be over; when
    // the side to move must pass, move is -1 and score the exact value all the same.
    SearchResult solve(const Position& position, int threads = 1);
    // Every legal move of `position` searched to the same depth, each to its value and not a bound:
    // its minimax value at limits.depth plies (exact, to the end of the game, when at most
    // limits.exactFrom squares are empty). The clock and the random margin of `limits` are not
    // used, and the table's cut-offs come only from entries of the very depth asked for: the values
    // depend on the position and the limits alone, never on what the table kept from other searches.
    MoveValues valueAllMoves(const Position& position, const SearchLimits& limits);
    // Makes the running search return as soon as it can with the best move found so far (from
    // valueAllMoves: no values, `complete` false). A call
    // made while nothing runs is forgotten: each run or solve starts by clearing it.
    void stop();
    // Forgets everything learnt (a new game). Writes the whole table, so that all its memory is in
    // place once it returns.
    void clear();

private:
    SearchContext start(int threads);
    void finish(const SearchContext& context, SearchResult& result) const;
    void decide(SearchContext& context, Position& position, MoveList& moves, const SearchLimits& limits,
                SearchResult& result);
    void iterateMidgame(SearchContext& context, Position& position, MoveList& moves, int maxDepth,
                        double lastStartSeconds, SearchResult& result);
    bool solveExactly(SearchContext& context, Position& position, MoveList& moves, SearchResult& result);
    void deepenEveryMove(SearchContext& context, Position& position, const MoveList& moves, int maxDepth,
                         std::vector<int>& values);
    void solveEveryMove(SearchContext& context, Position& position, const MoveList& moves, std::vector<int>& values);
    void pickNearBest(SearchContext& context, Position& position, const MoveList& moves, int margin,
                      SearchResult& result);

    Evaluator m_evaluator;
    TranspositionTable m_table;
    std::mt19937 m_random;
    std::unique_ptr<HelperThreads> m_helpers; // none until a search asks for more than one thread
    std::atomic<bool> m_stopRequested{false};
    SearchContext::Clock::time_point m_started{};
};

} // namespace engine
