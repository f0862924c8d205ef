#pragma once
// One turn of a match as it was played: the side that had it and the square it took, or its pass.
//
// A match keeps its turns in order (Match::history). A pass is written when the rules hand the turn
// over, including the silent one when the side that just moved goes again; the match's end is no
// pass. `pos` means nothing for a pass.
#include "rules/Cell.h"

#include <cstdint>

struct PlayedTurn {
    std::int32_t side = 0; // 1 (player one, Black) or 2 (player two, White)
    bool pass = false;
    CellPos pos;
};
