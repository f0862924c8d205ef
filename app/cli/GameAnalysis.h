#pragma once
// A whole game looked over by the engine, move by move: the best move in each position and what
// the move played cost against it, in discs.
//
// Every position of the game gets one value, for its side to move: exact (the engine's solver)
// once at most ExactEmpties squares are empty, the level's search before. A move's cost is the
// value of the position before it less the value the played move leads to (as the mover sees
// it), never below 0, and 0 when the played move is the engine's. Over the exact part the costs
// add up: Black's costs less White's equal the value at the first exact position less the final
// result. Passes are no moves and get no line.
#include "app/records/GameReplay.h"

#include <functional>
#include <vector>

namespace analysis {

// Exact from this many empty squares: about the last twenty moves, a few seconds in all.
constexpr int ExactEmpties = 20;
// A move that costs this many discs or more is a mistake.
constexpr int MistakeDiscs = 4;

struct MoveReview {
    int number = 0; // 1 for the first move; passes are not counted
    bool black = true;
    int played = 0; // square indices
    int best = 0;
    int value = 0; // of the position before the move, for the mover: exact, or the search's estimate
    int cost = 0;  // discs, 0 or more
    bool exact = false;
};

struct SideSummary {
    int moves = 0;
    int mistakes = 0;
    int discsLost = 0;
};

struct GameReview {
    std::vector<MoveReview> moves;
    int firstExactMove = 0;    // number of the first move reviewed exactly; 0 when none is
    int firstExactEmpties = 0; // empty squares before that move (the level's own search may be
                               // exact a little before ExactEmpties)
    SideSummary black;
    SideSummary white;
};

// Called as the moves are looked at (from the last one back): how many are done out of how many.
using Progress = std::function<void(int done, int total)>;

// Reviews `game` (a replay that is ok): exact from `exactEmpties` empty squares, the search of
// `level` before.
GameReview reviewGame(const records::Replay& game, int level, int exactEmpties, const Progress& progress);

} // namespace analysis
