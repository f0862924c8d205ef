#pragma once
// The computer opponent: picks a move for a level, or solves a position exactly.
//
// A Search owns its transposition table (allocated once, reused move after move through a game)
// and its random generator. One thread runs chooseMove or solve at a time; stop() may be called
// from any thread while it runs.
#include "engine/MoveOrdering.h"
#include "engine/Position.h"
#include "engine/SearchContext.h"
#include "engine/TranspositionTable.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
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

class Search {
public:
    // seed 0: seeded from std::random_device.
    explicit Search(std::size_t tableMegabytes = 16, std::uint32_t seed = 0);

    // The move the computer plays at `level`: iterative deepening within the level's time and
    // depth, exact from the level's number of empty squares, random among near-equal moves where
    // the level says so. Always a legal move when there is one (-1 to pass otherwise); returns
    // promptly after stop().
    SearchResult chooseMove(const Position& position, int level);
    // The best move and the exact final disc difference, with no time limit. The game must not be
    // over; when the side to move must pass, move is -1 and score the exact value all the same.
    SearchResult solve(const Position& position);
    // Makes the running search return as soon as it can with the best move found so far. A call
    // made while nothing runs is forgotten: each chooseMove or solve starts by clearing it.
    void stop();
    // Forgets everything learnt (a new game). Writes the whole table, so that all its memory is in
    // place once it returns.
    void clear();

private:
    void iterateMidgame(SearchContext& context, Position& position, MoveList& moves, int maxDepth,
                        double lastStartSeconds, SearchResult& result);
    bool solveExactly(SearchContext& context, Position& position, MoveList& moves, SearchResult& result);
    void pickNearBest(SearchContext& context, Position& position, const MoveList& moves, int margin,
                      SearchResult& result);

    TranspositionTable m_table;
    std::mt19937 m_random;
    std::atomic<bool> m_stopRequested{false};
    SearchContext::Clock::time_point m_started{};
};

} // namespace engine
