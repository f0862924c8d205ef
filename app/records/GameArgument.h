#pragma once
// What the commands take as GAME, read into a game played over from the start position:
//
//   f5d6c3...   a transcript (see Transcript.h)
//   @N, @       the Nth kept game (1-based, as --games lists them), the last one
//   PATH        the first game of a GGF file written by any program (a server, NBoard, ours)
//   PATH@N      the Nth game of that file (1-based)
//
// An argument is a file when it has an "@N" ending after something, a '/' or a '.', or names a
// file that exists, and is no transcript; anything else is read as a transcript, so that a
// mistyped move is named as such. Only games from the start position with Black to move are
// taken: the review and the analysis play games over from there.
#include "app/records/GameRecord.h"
#include "app/records/GameReplay.h"

#include <cstddef>
#include <string>

namespace records {

// Files of games larger than this are refused unread (a game is well under a kilobyte).
constexpr std::size_t LargestGameFile = 16 * 1024 * 1024;

// Game `number` (1-based) of the GGF file at `path`, as it reads: several games may share a line
// or follow one another on lines of their own, with "\r\n" or "\n" line ends. On failure returns
// false and says why in `error` (one line, as app/files/ErrorLine.h says): the file missing or
// unreadable, not GGF, the game damaged, no such game in the file.
bool readGgfFileGame(const std::string& path, std::size_t number, GameRecord& out, std::string& error);

// `argument` (see above) played over; `recordsPath` is the kept games' file. On failure returns
// false and says why in `error`, one line.
bool resolveGame(const std::string& argument, const std::string& recordsPath, Replay& out, std::string& error);

} // namespace records
