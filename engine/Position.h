#pragma once
// A position as the side to move sees it: its own discs and the other side's, two masks that never
// overlap. Which colour is to move is not stored; callers that need it keep it beside the position.
// play() and undo() change the position in place and swap the sides, so a search walks one
// position down and back up again.
#include "engine/Bitboard.h"

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
// play() when the flips are known already (from flipsOf).
void playFlips(Position& position, int square, Bits flipped);
// Takes back play(position, square) that flipped `flipped`.
void undo(Position& position, int square, Bits flipped);
// The side to move passes: the sides swap.
inline void pass(Position& position)
{
    const Bits player = position.player;
    position.player = position.opponent;
    position.opponent = player;
}

} // namespace engine
