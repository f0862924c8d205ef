#include "app/MatchRecording.h"

#include "app/opponent/BoardPosition.h"
#include "app/records/Ggf.h"
#include "app/records/RecordsFile.h"
#include "rules/Board.h"
#include "rules/Match.h"

#include <cstdio>
#include <ctime>

namespace {

std::string recordName(const Player* player)
{
    return player ? player->recordedName() : "";
}

} // namespace

records::GameRecord recordOf(const Match& match, long long seconds)
{
    records::GameRecord game;
    game.date = records::recordDate(seconds);
    game.black = recordName(match.player(1));
    game.white = recordName(match.player(2));
    for (const PlayedTurn& turn : match.history())
        game.turns.push_back({turn.side == 1, turn.pass ? records::Pass : squareOf(turn.pos.x, turn.pos.y)});
    if (match.isGameOver()) {
        game.finished = true;
        // Counted as --solve counts it: the empty squares go to the winner.
        game.result = positionOf(*Board::instance(), Black).finalDiff();
    }
    return game;
}

void keepMatch(const Match& match)
{
    if (match.history().empty())
        return;
    const std::string path = records::recordsPath();
    std::string error = "neither XDG_DATA_HOME nor HOME is set";
    const std::string line = records::ggfLine(recordOf(match, std::time(nullptr)));
    if (path.empty() || !records::appendLine(path, line, error))
        std::fprintf(stderr, "reversi: the game was not kept: %s\n", error.c_str());
}
