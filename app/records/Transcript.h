#pragma once
// Transcripts: a game from the start position as its squares one after another, "f5d6c3d3...",
// letters in either case, passes left out (a side without a move passes by itself). Blanks
// between moves are allowed.
#include "app/records/GameReplay.h"

#include <string>
#include <vector>

namespace records {

// Reads and replays `text` from the start position; passes come out explicit in `turns`. When not
// ok, `error` names the first bad move.
Replay readTranscript(const std::string& text);

// The moves of `turns` as a transcript, lower case, passes left out.
std::string transcriptOf(const std::vector<RecordedTurn>& turns);

} // namespace records
