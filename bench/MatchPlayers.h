#pragma once
// The players the match benchmarks put against each other, named on their command lines:
//
//   1 .. 5        the game's level, by its clock (Search::chooseMove)
//   L:T           level L with T threads (level 5 shares its searches; the others keep to one)
//   fixed:D:E     the same search with fixed limits and no clock: D plies in the midgame, exact
//                 from E empty squares, the learnt evaluation
//   fixed:D:E:hand  the same with the hand-tuned evaluation
//   fixed:D:E:FILE  the same with the weights of a weight file (tools/training writes them)
//   random        any legal move
//   squares3      a classic weighted-squares table searched 3 plies deep (alpha-beta)
#include "engine/Levels.h"
#include "engine/PatternWeights.h"
#include "engine/Search.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace bench {

class MatchPlayer {
public:
    virtual ~MatchPlayer() = default;
    virtual void newGame() {}
    // The move for the side to move of `position`, -1 to pass (only when it has no legal move).
    virtual int move(const engine::Position& position) = 0;
    // Whether the last move came from an exact count that finished, and from how many empty
    // squares the player means to count exactly (0: never).
    virtual bool lastMoveExact() const { return false; }
    virtual int exactEmpties() const { return 0; }
    const std::string& name() const { return m_name; }

protected:
    explicit MatchPlayer(std::string name) : m_name(std::move(name)) {}

private:
    std::string m_name;
};

// nullptr (and a line on stderr) when `playerText` names no player.
std::unique_ptr<MatchPlayer> makePlayer(const std::string& playerText, std::uint32_t seed);

struct Opening {
    engine::Position position;
    std::vector<int> moves; // from the start, -1 for a pass
    bool blackToMove = true;
};
// `count` distinct openings of `plies` random legal moves from the start, from `seed`.
std::vector<Opening> randomOpenings(int count, int plies, std::uint32_t seed);

} // namespace bench
