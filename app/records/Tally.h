#pragma once
// The kept games counted by opponent: for games between two players, from player one's side;
// for games against the computer, from the human's side, one row per level.
//
// Rows come in a fixed order: two players first, then the computer by rising level; only rows
// with at least one game exist. A game where both sides are the computer (never written by the
// game) counts nowhere.
#include "app/records/GameRecord.h"

#include <string>
#include <vector>

namespace records {

struct TallyRow {
    int computerLevel = 0; // 0: two players
    int played = 0;        // won + drawn + lost + unfinished
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int unfinished = 0;
};

std::vector<TallyRow> tally(const std::vector<GameRecord>& games);

} // namespace records
