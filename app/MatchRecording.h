#pragma once
// Keeping the one match in the file of games: its players under the names they are recorded
// under (the computer with its level), every move and pass from Match::history(), and its result
// once it is over, read from the board the match was played on.
//
// The history is read when the match is kept, never copied along the way, so whatever the match
// took back by then is not kept. A match without a single move is not worth a line.
#include "app/records/GameRecord.h"

#include <string>

class Match;

// The record of `match` as it stands, dated `seconds` since the epoch.
records::GameRecord recordOf(const Match& match, long long seconds);

// Appends the record of `match` to the file of games. A match with no move is skipped; a file
// that cannot be written costs one line on stderr, and the game goes on.
void keepMatch(const Match& match);
