#pragma once
// A search with fixed settings instead of a clock: a midgame search to a set depth, an exact count
// from a set number of empty squares. The same position and settings always give the same move,
// which the training and the benchmarks need; the game itself plays by time (Search.h).
#include "engine/Position.h"
#include "engine/SearchContext.h"
#include "engine/TranspositionTable.h"

#include <atomic>
#include <cstddef>

namespace engine {

struct FixedOutcome {
    int move = -1; // -1: the side to move must pass
    int value = 0; // for the side to move: evaluation units (midgame) or discs (exact)
};

class FixedDepthSearch {
public:
    explicit FixedDepthSearch(std::size_t tableMegabytes = 16);

    // Forgets everything learnt (a new game), so that a game does not depend on the ones before.
    void newGame() { m_table.clear(); }

    // Iterative deepening to `depth` plies. The side to move must have a legal move.
    FixedOutcome midgame(const Position& position, int depth);
    // The exact value by null-window probes from `guess` (discs), and a best move.
    FixedOutcome exact(Position position, int guess);
    // The move of a player with these settings: exact from `exactEmpties`, else `depth` plies.
    // -1 to pass.
    int chooseMove(const Position& position, int depth, int exactEmpties);

    std::uint64_t nodes() const { return m_context.nodes; }

private:
    TranspositionTable m_table;
    std::atomic<bool> m_neverStop{false};
    SearchContext m_context;
};

} // namespace engine
