#pragma once
// The units every part of the engine scores in.
//
// A result counted to the end of the game is a disc difference for the side to move, from -64 to
// +64, the empty squares going to the winner; every such difference is even. An evaluation is in
// units of 1/UnitsPerDisc of a disc, so that a search can tell apart positions that would round to
// the same disc count; an exact result kept beside evaluations (in the table, in a midgame search)
// is its disc difference times UnitsPerDisc. Windows are open intervals (alpha, beta).
namespace engine {

constexpr int MaxDiscs = 64; // the largest possible disc difference
// A window bound in discs beyond any result: (-DiscLimit, DiscLimit) is the full window.
constexpr int DiscLimit = MaxDiscs + 1;

constexpr int UnitsPerDisc = 8;
// A window bound in evaluation units beyond any evaluation or result.
constexpr int Infinity = DiscLimit * UnitsPerDisc;

constexpr int discsToUnits(int discs) { return discs * UnitsPerDisc; }
// Rounded to the nearest disc, halves away from zero.
constexpr int unitsToDiscs(int units)
{
    return units >= 0 ? (units + UnitsPerDisc / 2) / UnitsPerDisc : -((-units + UnitsPerDisc / 2) / UnitsPerDisc);
}

} // namespace engine
