#pragma once
// Kept games made for the drills' tests: they start late in the published draw game (few empty
// squares, so the drills' analysis is exact and quick) and each side plays its best or its worst
// move by --solve's values, so that every move's cost is known without the drills' code.
#include "app/records/GameRecord.h"

#include <string>
#include <vector>

namespace lategames {

enum class Plays { Best, Worst };

// A move of the game with its cost as --solve values the position's moves.
struct KnownMove {
    std::string position; // position text before the move
    bool black = true;
    int played = 0;
    int cost = 0;
    std::vector<int> best; // every move worth the best value, in square order
};

struct MadeGame {
    records::GameRecord record;
    std::vector<KnownMove> moves; // passes left out
};

// From the draw game's first position with `empties` empty squares, between `black` and `white`.
MadeGame lateGame(const char* black, const char* white, Plays blackPlays, Plays whitePlays, int empties = 14);

// The exact value of `square` for the side to move of `position`, by --solve.
int solvedValue(const std::string& position, int square);

} // namespace lategames
