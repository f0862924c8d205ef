#pragma once
// A game's turns played over from its start position with the engine's rules: each position on
// the way, and the first turn that does not fit (an illegal square, a pass with a move at hand,
// a move after the end, the wrong side).
//
// positions[i] is the position before turn i as its side to move sees it, blackToMove[i] which
// colour that is; the last entry is the position after the last turn. A side whose only answer
// is to pass may have its pass left out by the caller (transcripts do): `impliedPasses` then
// inserts it, so that `turns` always lists every pass.
#include "app/records/GameRecord.h"

#include <string>
#include <vector>

namespace records {

struct Replay {
    bool ok = false;
    std::string error; // when not ok: the first turn that does not fit, in English, one line
    std::vector<RecordedTurn> turns; // the turns as played, passes made explicit
    std::vector<engine::Position> positions;
    std::vector<bool> blackToMove;

    const engine::Position& final() const { return positions.back(); }
    bool finalBlackToMove() const { return blackToMove.back(); }
    // The game is over in the last position.
    bool isOver() const { return positions.back().isOver(); }
    // Black's final disc difference (empty squares to the winner); meaningful when isOver().
    int blackResult() const;
};

// Plays `turns` from `start`. With `impliedPasses`, a move of the side not to move is taken as
// coming after the other side's forced pass; a turn's `black` field is then ignored for moves.
Replay replay(const engine::Position& start, bool blackToMove, const std::vector<RecordedTurn>& turns,
              bool impliedPasses);

// "3. Black f5" style names for error lines: the move number counts moves and passes from 1.
std::string turnLabel(std::size_t index, const RecordedTurn& turn);

} // namespace records
