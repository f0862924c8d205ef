#include "app/drills/Phases.h"

#include "engine/Levels.h"

namespace drills {

std::vector<PhaseRow> phaseRows(const std::vector<records::GameRecord>& games, const VerdictMap& verdicts)
{
    // One row per game first, then the tenths summed from them.
    std::vector<PhaseRow> perGame;
    const engine::SearchLimits limits = engine::analysisLimits(DrillLevel);
    for (std::size_t g = 0; g < games.size(); ++g) {
        const HumanSides humans = humanSides(games[g]);
        if (humans.black == humans.white)
            continue; // two people, or the computer alone
        const auto found = verdicts.find(gameKey(games[g], limits));
        if (found == verdicts.end())
            continue;
        const records::Replay replayed =
            records::replay(games[g].start, games[g].blackToMoveAtStart, games[g].turns, false);
        PhaseRow row;
        row.firstGame = row.lastGame = int(g) + 1;
        for (const MoveVerdict& move : found->second.moves) {
            if (move.turn >= int(replayed.positions.size()))
                continue;
            const int number = 61 - replayed.positions[std::size_t(move.turn)].empties();
            const int phase = number <= OpeningEnds ? 0 : number <= MiddleEnds ? 1 : 2;
            ++row.moves[phase];
            row.discsLost[phase] += move.cost;
        }
        perGame.push_back(row);
    }
    std::vector<PhaseRow> rows;
    const std::size_t count = perGame.size();
    const std::size_t tenths = count < Tenths ? count : Tenths;
    for (std::size_t t = 0; t < tenths; ++t) {
        const std::size_t from = t * count / tenths, to = (t + 1) * count / tenths;
        PhaseRow row;
        row.firstGame = perGame[from].firstGame;
        row.lastGame = perGame[to - 1].lastGame;
        for (std::size_t g = from; g < to; ++g) {
            for (int phase = 0; phase < Phases; ++phase) {
                row.moves[phase] += perGame[g].moves[phase];
                row.discsLost[phase] += perGame[g].discsLost[phase];
            }
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace drills
