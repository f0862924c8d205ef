#pragma once
// The file of kept games: $XDG_DATA_HOME/reversi/games.ggf (~/.local/share/reversi/games.ggf when
// XDG_DATA_HOME is unset or not absolute: see app/files/XdgPaths.h), one game per line in GGF
// (see Ggf.h).
//
// The file is only ever appended to, one whole line per game in a single write, under an
// exclusive lock so two games running at once cannot interleave. A line a crash cut short gets
// its newline from the next game's write, so it never swallows that game. Reading skips and
// counts what cannot be a game of ours (cut lines, foreign text, binary bytes, lines too long
// to be a game) and never fails because of them.
#include "app/records/GameRecord.h"

#include <cstddef>
#include <string>
#include <vector>

namespace records {

// The file's path, or "" when neither XDG_DATA_HOME nor HOME gives a folder.
std::string recordsPath();

// Appends `line` and a newline to the file at `path`, creating it and its folders as needed.
// On failure returns false and says why in `error` (one line, as app/files/ErrorLine.h says);
// the file is then as it was.
bool appendLine(const std::string& path, const std::string& line, std::string& error);

struct KeptGames {
    bool readable = false;         // the file exists and was read (a missing file is no error)
    std::string error;             // why not, when it exists but could not be read
    std::vector<GameRecord> games; // the good lines in file order
    std::size_t skipped = 0;       // lines that are not a game we can replay
};

// The games kept in `path`. A game is kept when its line reads as GGF and its moves replay from
// its start board.
KeptGames readKeptGames(const std::string& path);

// Lines longer than this are not games (a whole game with long names stays far below it).
constexpr std::size_t LongestLine = 64 * 1024;

} // namespace records
