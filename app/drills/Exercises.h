#pragma once
// The exercises made of the kept games: every mistake of a human side (a move that cost
// analysis::MistakeDiscs discs or more at the drills' analysis), as a position to find the best
// move in.
//
// An exercise is named by its position text (engine/PositionText.h, the side to move included):
// the name owes nothing to where the game sits in the file, so a schedule made of the names
// survives games being added, and a position met twice, in one game or two, is one exercise (the
// first mistake made in it is the one it shows). Exercises come in the order of the games in the
// file, then of the moves.
#include "app/drills/Verdicts.h"
#include "app/records/RecordsFile.h"

#include <string>
#include <vector>

namespace drills {

struct Exercise {
    std::string position; // as --solve takes it: the name of the exercise
    bool blackToMove = true;
    std::string mover;    // the name the game's record gives the side to move
    int played = 0;       // the square the mistake was played on
    int cost = 0;         // discs it lost
    std::vector<engine::MoveValue> values; // every legal move, best first
    int game = 0;         // 1-based, as --games numbers the kept games
    int moveNumber = 0;   // 1 for a game's first move from the start (61 less the empty squares)

    // The moves worth the best value, in square order.
    std::vector<int> bestMoves() const;
    int bestValue() const { return values.empty() ? 0 : values.front().value; }
};

// An answer within this many discs of the best is right.
constexpr int RightWithin = 1;

struct Judgement {
    bool legal = false; // the square is one of the position's moves
    bool right = false;
    int lost = 0;       // discs the answer loses against the best
};
Judgement judge(const Exercise& exercise, int square);

// What looking over the kept games does while it runs: the game being judged (1-based among
// those that need it) of how many, its moves done of how many. May throw to cancel.
using Progress = std::function<void(int game, int games, int done, int total)>;

// What collecting found.
struct Collected {
    std::vector<Exercise> exercises;
    VerdictMap verdicts; // of every kept game with a human side, by key
    int analysed = 0;    // games that were not in the cache and were judged now
    std::vector<std::string> notes; // lines for standard error: a damaged cache, a cache not written
};

// The exercises of `games`, judging those not in the cache at `cachePath` and writing the cache
// again when any was (or when it held lines of games no longer kept, or was damaged). `onlyAgainstComputer`:
// judge only the games between a person and the computer (what the statistics need). The searches
// run on `threads` threads; the verdicts are the same whatever their number.
Collected collectExercises(const std::vector<records::GameRecord>& games, const std::string& cachePath,
                           const Progress& progress, bool onlyAgainstComputer = false, int threads = 1);

} // namespace drills
