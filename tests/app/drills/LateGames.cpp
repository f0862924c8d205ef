#include "tests/app/drills/LateGames.h"

#include "app/cli/AnalysisCommand.h"
#include "app/records/Transcript.h"
#include "engine/PositionText.h"
#include "tests/app/records/PublishedGames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

namespace lategames {
namespace {

// --solve's value for the side to move, or the final difference when the game is over.
int solved(const engine::Position& position, bool blackToMove)
{
    if (position.isOver())
        return position.finalDiff();
    cli::GameOptions options;
    options.action = cli::GameOptions::Action::Solve;
    options.position = engine::positionText(position, blackToMove);
    const cli::AnalysisOutcome outcome = cli::analyse(options);
    EXPECT_EQ(outcome.status, 0) << (outcome.errors.empty() ? "" : outcome.errors[0]);
    return std::atoi(outcome.output.c_str() + outcome.output.find(' ') + 1);
}

} // namespace

int solvedValue(const std::string& text, int square)
{
    // Each --solve takes a table of its own: the rows of a test share the positions they meet.
    static std::map<std::pair<std::string, int>, int> known;
    const auto found = known.find({text, square});
    if (found != known.end())
        return found->second;
    engine::ParsedPosition parsed;
    EXPECT_TRUE(engine::parsePosition(text, parsed, nullptr)) << text;
    engine::Position child = parsed.position;
    engine::play(child, square);
    return known[{text, square}] = -solved(child, !parsed.blackToMove);
}

MadeGame lateGame(const char* black, const char* white, Plays blackPlays, Plays whitePlays, int empties)
{
    const records::Replay draw = records::readTranscript(published::DrawTranscript);
    EXPECT_TRUE(draw.ok);
    std::size_t at = 0;
    while (at + 1 < draw.positions.size() && draw.positions[at].empties() > empties)
        ++at;
    MadeGame made;
    records::GameRecord& record = made.record;
    record.date = records::recordDate(0);
    record.black = black;
    record.white = white;
    record.start = draw.positions[at];
    record.blackToMoveAtStart = draw.blackToMove[at];

    engine::Position position = record.start;
    bool blackToMove = record.blackToMoveAtStart;
    while (!position.isOver()) {
        if (position.moves() == 0) {
            record.turns.push_back(records::RecordedTurn{blackToMove, records::Pass});
            engine::pass(position);
            blackToMove = !blackToMove;
            continue;
        }
        KnownMove move;
        move.position = engine::positionText(position, blackToMove);
        move.black = blackToMove;
        std::vector<std::pair<int, int>> values; // value, square
        for (int square = 0; square < 64; ++square)
            if (position.moves() & engine::bitOf(square))
                values.push_back({solvedValue(move.position, square), square});
        const auto best = std::max_element(values.begin(), values.end());
        const auto worst = std::min_element(values.begin(), values.end());
        const Plays plays = blackToMove ? blackPlays : whitePlays;
        move.played = (plays == Plays::Best ? best : worst)->second;
        move.cost = best->first - (plays == Plays::Best ? best : worst)->first;
        for (const auto& [value, square] : values)
            if (value == best->first)
                move.best.push_back(square);
        made.moves.push_back(move);
        record.turns.push_back(records::RecordedTurn{blackToMove, move.played});
        engine::play(position, move.played);
        blackToMove = !blackToMove;
    }
    record.finished = true;
    record.result = blackToMove ? position.finalDiff() : -position.finalDiff();
    return made;
}

} // namespace lategames
