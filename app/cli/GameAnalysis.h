#pragma once
// A whole game looked over by the engine, move by move: the best move in each position and what
// the move played cost against it, in discs.
//
// Each position before a move gets one search that values all its legal moves at the level's fixed
// analysis depth (engine::analysisLimits), exact to the end once few enough squares are empty. The
// position's value is its best move's, and the move's cost is that value less the played move's
// from the same search: 0 when the played move is as good as the best (it is then named the best),
// never below. No clock takes part, so symmetric moves cost the same and a game reads the same
// every time. Over the exact part the costs add up: Black's costs less White's equal the value at
// the first exact position less the final result (a move's exact value is minus the next
// position's). Passes are no moves and get no line.
#include "app/records/GameReplay.h"

#include <functional>
#include <vector>

namespace analysis {

// A move that costs this many discs or more is a mistake.
constexpr int MistakeDiscs = 4;

struct MoveReview {
    int number = 0; // 1 for the first move; passes are not counted
    bool black = true;
    int played = 0; // square indices
    int best = 0;
    int value = 0; // of the position before the move, for the mover: its best move's value
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
    int firstExactEmpties = 0; // empty squares before that move
    SideSummary black;
    SideSummary white;
};

// Called as the moves are looked at (from the last one back): how many are done out of how many.
using Progress = std::function<void(int done, int total)>;
// Called with each move's verdict as soon as it is known (from the last move back), before the
// progress call that counts it; the same verdict the finished review holds.
using MoveDone = std::function<void(const MoveReview& move)>;

// Reviews `game` (a replay that is ok) with the analysis limits of `level`, its searches on
// `threads` threads (the verdicts are the same whatever their number).
GameReview reviewGame(const records::Replay& game, int level, const Progress& progress,
                      const MoveDone& moveDone = {}, int threads = 1);
// The same with the level's depth but exact from `exactEmpties` empty squares.
GameReview reviewGame(const records::Replay& game, int level, int exactEmpties, const Progress& progress,
                      const MoveDone& moveDone = {});

} // namespace analysis
