#include "app/drills/Exercises.h"

#include "app/cli/GameAnalysis.h"
#include "engine/Levels.h"
#include "engine/PositionText.h"

#include <algorithm>
#include <set>

namespace drills {

std::vector<int> Exercise::bestMoves() const
{
    std::vector<int> best;
    for (const engine::MoveValue& value : values)
        if (value.value == bestValue())
            best.push_back(value.move);
    std::sort(best.begin(), best.end());
    return best;
}

Judgement judge(const Exercise& exercise, int square)
{
    Judgement judgement;
    for (const engine::MoveValue& value : exercise.values) {
        if (value.move != square)
            continue;
        judgement.legal = true;
        judgement.lost = std::max(0, exercise.bestValue() - value.value);
        judgement.right = judgement.lost <= RightWithin;
    }
    return judgement;
}

namespace {

bool againstComputer(const records::GameRecord& game)
{
    const HumanSides humans = humanSides(game);
    return humans.black != humans.white;
}

} // namespace

Collected collectExercises(const std::vector<records::GameRecord>& games, const std::string& cachePath,
                           const Progress& progress, bool onlyAgainstComputer, int threads)
{
    Collected collected;
    engine::SearchLimits limits = engine::analysisLimits(DrillLevel);
    limits.threads = threads;
    std::string error;
    const VerdictMap cached = cachePath.empty() ? VerdictMap() : readVerdictCache(cachePath, error);
    bool rewrite = !error.empty();
    if (!error.empty())
        collected.notes.push_back(error);

    // Which games need judging, first, so that the progress can count them.
    struct Pending {
        std::size_t game;
        std::string key;
    };
    std::vector<Pending> pending;
    std::set<std::string> pendingKeys; // a game kept twice is judged once
    std::vector<std::string> keys(games.size());
    for (std::size_t g = 0; g < games.size(); ++g) {
        const HumanSides humans = humanSides(games[g]);
        if (!humans.black && !humans.white)
            continue;
        if (onlyAgainstComputer && !againstComputer(games[g]))
            continue;
        keys[g] = gameKey(games[g], limits);
        const auto found = cached.find(keys[g]);
        if (found != cached.end())
            collected.verdicts[keys[g]] = found->second;
        else if (pendingKeys.insert(keys[g]).second)
            pending.push_back(Pending{g, keys[g]});
    }
    int number = 0;
    for (const Pending& next : pending) {
        ++number;
        const records::GameRecord& game = games[next.game];
        const records::Replay replayed = records::replay(game.start, game.blackToMoveAtStart, game.turns, false);
        if (!replayed.ok)
            continue; // the kept games' reader lets none of these through
        MoveProgress moves;
        if (progress)
            moves = [&](int done, int total) { progress(number, int(pending.size()), done, total); };
        collected.verdicts[next.key] = judgeGame(replayed, humanSides(game), limits, moves);
        ++collected.analysed;
    }
    // Lines of games no longer kept go when the file is written again.
    rewrite = rewrite || collected.analysed > 0 || (!onlyAgainstComputer && cached.size() != collected.verdicts.size());
    if (onlyAgainstComputer && collected.analysed > 0) {
        // The statistics judge part of the games: the cache keeps the others' lines as they were.
        for (const auto& [key, verdicts] : cached)
            collected.verdicts.emplace(key, verdicts);
    }
    // One line in all: a damaged cache that cannot be written again either says so once.
    if (rewrite && !cachePath.empty() && !writeVerdictCache(cachePath, collected.verdicts, error) &&
        collected.notes.empty())
        collected.notes.push_back(error + "; the games will be looked over again next time");

    std::set<std::string> seen;
    for (std::size_t g = 0; g < games.size(); ++g) {
        if (keys[g].empty())
            continue;
        const auto found = collected.verdicts.find(keys[g]);
        if (found == collected.verdicts.end())
            continue;
        const records::GameRecord& game = games[g];
        const records::Replay replayed = records::replay(game.start, game.blackToMoveAtStart, game.turns, false);
        for (const MoveVerdict& move : found->second.moves) {
            if (move.cost < analysis::MistakeDiscs || move.values.empty() || move.turn >= int(replayed.turns.size()))
                continue;
            const std::size_t turn = std::size_t(move.turn);
            Exercise exercise;
            exercise.blackToMove = replayed.blackToMove[turn];
            exercise.position = engine::positionText(replayed.positions[turn], exercise.blackToMove);
            if (!seen.insert(exercise.position).second)
                continue;
            exercise.mover = exercise.blackToMove ? game.black : game.white;
            exercise.played = move.played;
            exercise.cost = move.cost;
            exercise.values = move.values;
            exercise.game = int(g) + 1;
            exercise.moveNumber = 61 - replayed.positions[turn].empties();
            collected.exercises.push_back(std::move(exercise));
        }
    }
    return collected;
}

} // namespace drills
