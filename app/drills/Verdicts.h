#pragma once
// The verdicts on the moves of a kept game's human sides, and the cache that keeps them so that
// no game is looked over twice.
//
// A game's verdicts hold one entry per move of a side not named as the computer
// (records::computerLevelOf), in turn order: the turn's index in the game's replay, the square
// played and its cost in discs against the best move, from one search that values every legal
// move at the drills' fixed analysis limits (DrillLevel's, no clock: a verdict never depends on
// the machine). A mistake (cost >= analysis::MistakeDiscs) also keeps every move's value, best
// first, so that an exercise made of it is judged without searching again.
//
// The cache is $XDG_DATA_HOME/reversi/verdicts.cache, beside the games it speaks of: whatever
// moves, copies or isolates the games (a test's XDG_DATA_HOME) takes their verdicts along. It is
// a text file, a header line then one line per game:
//
//   <key> <turn>:<square>:<cost>[:<square>=<value>,...] ...
//
// where the key is a hash of what the verdicts depend on (the start, the turns, which sides are
// human, the limits), so a line can only ever be read back for the very game it was made of. It
// is written whole (temporary file and rename) and holds the kept games' lines only; it may be
// deleted at any time (the games are then looked over again). A file that does not read as one
// (cut, binary, foreign) is ignored as a whole with one line and written again.
#include "app/records/GameRecord.h"
#include "app/records/GameReplay.h"
#include "engine/Search.h"
#include "engine/SearchLimits.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace drills {

// The level whose analysis limits judge the moves (engine::analysisLimits): depth 10, exact
// over the last 18 empty squares.
constexpr int DrillLevel = 4;

struct MoveVerdict {
    int turn = 0;   // index in the replay's turns and positions
    int played = 0; // square
    int cost = 0;   // discs, 0 or more
    std::vector<engine::MoveValue> values; // a mistake's: every legal move, best first; else empty
};

struct GameVerdicts {
    std::vector<MoveVerdict> moves; // the human sides' moves, in turn order
};

// Which sides of `game` are human: its names that are no computer's.
struct HumanSides {
    bool black = false;
    bool white = false;
};
HumanSides humanSides(const records::GameRecord& game);

// The cache key of `game` judged with `limits`: 16 hexadecimal digits.
std::string gameKey(const records::GameRecord& game, const engine::SearchLimits& limits);

// Called after each move judged: how many of the game's human moves are done out of how many.
// It may throw to cancel; the exception leaves judgeGame as it came.
using MoveProgress = std::function<void(int done, int total)>;

// The verdicts on the human sides' moves of `game` (`replayed` is its replay, which is ok).
GameVerdicts judgeGame(const records::Replay& replayed, HumanSides humans, const engine::SearchLimits& limits,
                       const MoveProgress& progress);

// The cache's path, or "" when neither XDG_DATA_HOME nor HOME gives a folder.
std::string verdictCachePath();

// The verdicts of the games, by key.
using VerdictMap = std::map<std::string, GameVerdicts>;

// The verdicts in `path`: empty when the file is missing; empty with one line in `error` when it
// cannot be read or does not read as a whole.
VerdictMap readVerdictCache(const std::string& path, std::string& error);
// Writes `verdicts` to `path` whole. False, with one line in `error`, when it could not.
bool writeVerdictCache(const std::string& path, const VerdictMap& verdicts, std::string& error);

// Larger cache files are not read (a game's line is well under 8 kB).
constexpr std::size_t LargestCacheFile = 64 * 1024 * 1024;

} // namespace drills
