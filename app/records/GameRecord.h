#pragma once
// One kept game: when it was played, who played it, how it ended, where it started and every
// turn in order, passes included.
//
// Black (player one) moves first from `start` unless `blackToMoveAtStart` says otherwise. A turn
// is a square index in the engine's numbering (0 = a1, 63 = h8) or Pass. `result` means something
// only when `finished`: Black's final disc difference, empty squares counted for the winner (the
// way --solve counts). Names are the bytes shown on screen (Windows-1252).
#include "engine/Position.h"

#include <string>
#include <vector>

namespace records {

constexpr int Pass = -1;

struct RecordedTurn {
    bool black = true; // the side that had the turn
    int square = Pass; // square index, or Pass
};

struct GameRecord {
    std::string date;  // UTC, "2026.12.08_10:07:36.UTC"
    std::string black; // player one's name
    std::string white; // player two's name
    bool finished = false;
    int result = 0; // Black's final disc difference, when finished
    engine::Position start = engine::Position::start();
    bool blackToMoveAtStart = true;
    std::vector<RecordedTurn> turns;
};

// The name a computer player is kept under: "Ordinateur niveau 3".
std::string computerName(int level);
// The level of a name made by computerName, or 0 for any other name.
int computerLevelOf(const std::string& name);

// The date of `seconds` since the epoch as GameRecord::date writes it.
std::string recordDate(long long seconds);

} // namespace records
