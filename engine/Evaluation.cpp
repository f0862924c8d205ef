// Weights are in evaluation units (1/8 disc) and given twice: for the opening (60 empty squares)
// and for the end of the game (0 empty squares); a position in between gets the blend by its
// number of empty squares. Early on, having moves matters most and owning discs hardly at all;
// late, what is owned for good (corners, stable discs) and who moves last take over.
#include "engine/Evaluation.h"

#include "engine/Square.h"
#include "engine/Stability.h"

#include <algorithm>

namespace engine {
namespace {

struct Weights {
    int mobility;          // per legal move more than the opponent
    int potentialMobility; // per empty square next to an opponent disc, minus the same for us
    int corner;            // per corner owned
    int xSquare;           // per disc diagonal to an empty corner (a penalty)
    int cSquare;           // per disc on the edge beside an empty corner (a penalty)
    int stable;            // per edge-stable disc
    int parity;            // to the side that would play the last move
    int discs;             // per disc
};

constexpr Weights Opening = {9, 3, 36, -28, -8, 10, 0, -1};
constexpr Weights Ending = {5, 1, 28, -12, -4, 12, 10, 3};

// Our discs minus theirs on the squares of `mask`.
int balance(const Position& p, Bits mask)
{
    return popCount(p.player & mask) - popCount(p.opponent & mask);
}

} // namespace

int handTunedEvaluate(const Position& p)
{
    const Bits empty = p.empty();
    const int empties = popCount(empty);
    const Bits occupied = ~empty;

    int corners = 0, xSquares = 0, cSquares = 0;
    for (const CornerGroup& group : CornerGroups) {
        const Bits corner = bitOf(group.corner);
        corners += balance(p, corner);
        if (empty & corner) {
            xSquares += balance(p, bitOf(group.xSquare));
            cSquares += balance(p, group.cSquares);
        }
    }
    const int mobility = popCount(p.moves()) - popCount(legalMoves(p.opponent, p.player));
    const int potential = popCount(neighbours(p.opponent) & empty) - popCount(neighbours(p.player) & empty);
    const int stable = popCount(edgeStableDiscs(p.player, occupied)) - popCount(edgeStableDiscs(p.opponent, occupied));
    // With an odd number of empty squares the side to move plays the last move, passes aside.
    const int parity = empties % 2 == 1 ? 1 : -1;
    const int discs = popCount(p.player) - popCount(p.opponent);

    const int progress = 60 - std::clamp(empties, 0, 60);
    auto blend = [&](int opening, int ending) { return opening * (60 - progress) + ending * progress; };
    const int sum = blend(Opening.mobility, Ending.mobility) * mobility +
                    blend(Opening.potentialMobility, Ending.potentialMobility) * potential +
                    blend(Opening.corner, Ending.corner) * corners + blend(Opening.xSquare, Ending.xSquare) * xSquares +
                    blend(Opening.cSquare, Ending.cSquare) * cSquares + blend(Opening.stable, Ending.stable) * stable +
                    blend(Opening.parity, Ending.parity) * parity + blend(Opening.discs, Ending.discs) * discs;
    const int limit = discsToUnits(MaxDiscs) - 1;
    return std::clamp(sum / 60, -limit, limit);
}

} // namespace engine
