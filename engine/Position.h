#pragma once
// A position as the side to move sees it: its own discs and the other side's, two masks that never
// overlap. Which colour is to move is not stored; callers that need it keep it beside the position.
// play() and undo() change the position in place and swap the sides, so a search walks one
// position down and back up again.
#include "engine/Bitboard.h"

#include <cassert>

namespace engine {

struct Position {
    Bits player = 0;   // discs of the side to move
    Bits opponent = 0; // discs of the other side

    static Position start(); // Black (X) to move

    Bits moves() const { return legalMoves(player, opponent); }
    Bits empty() const { return ~(player | opponent); }
    int empties() const { return popCount(empty()); }
    bool isOver() const;   // neither side can move
    int finalDiff() const; // player - opponent, empty squares to the winner

    bool operator==(const Position& other) const
    {
        return player == other.player && opponent == other.opponent;
    }
    bool operator!=(const Position& other) const { return !(*this == other); }
};

// Plays `square` for the side to move, which then becomes the opponent; returns the flipped discs.
// The move must be legal.
Bits play(Position& position, int square);
// play() when the flips are known already (from flipsOf). Inline: the searches call it at every node.
inline void playFlips(Position& position, int square, Bits flipped)
{
    // Debug builds check that the move is legal and its flips are right (free in Release).
    assert((position.player & position.opponent) == 0);
    assert(flipped != 0 && flipped == flipsOf(position.player, position.opponent, square));
    const Bits mover = position.player | flipped | bitOf(square);
    position.player = position.opponent & ~flipped;
    position.opponent = mover;
}
// Takes back play(position, square) that flipped `flipped`.
inline void undo(Position& position, int square, Bits flipped)
{
    assert((position.opponent & (flipped | bitOf(square))) == (flipped | bitOf(square)));
    const Bits mover = position.opponent & ~(flipped | bitOf(square));
    position.opponent = position.player | flipped;
    position.player = mover;
}
// The side to move passes: the sides swap.
inline void pass(Position& position)
{
    const Bits player = position.player;
    position.player = position.opponent;
    position.opponent = player;
}

} // namespace engine
