#include "app/cli/GameAnalysis.h"

#include "engine/Levels.h"
#include "engine/Search.h"

#include <cstddef>

namespace analysis {
namespace {

// Large enough that the exact part of a game stays in the table from one position to the next.
constexpr std::size_t TableMegabytes = 64;
// valueAllMoves draws nothing at random; any seed will do.
constexpr std::uint32_t Seed = 1;

GameReview review(const records::Replay& game, const engine::SearchLimits& limits, const Progress& progress)
{
    engine::Search search(engine::Evaluator::builtIn(), TableMegabytes, Seed);
    const std::size_t count = game.turns.size();
    std::vector<engine::MoveValues> values(count);
    int total = 0;
    for (const records::RecordedTurn& turn : game.turns)
        total += turn.square != records::Pass;
    int done = 0;
    // From the end backwards: the exact counts then start with the smallest, and each fills the
    // table for the one before it. (The values owe nothing to the order.)
    for (std::size_t i = count; i-- > 0;) {
        if (game.turns[i].square == records::Pass)
            continue;
        values[i] = search.valueAllMoves(game.positions[i], limits);
        if (progress)
            progress(++done, total);
    }

    GameReview review;
    int number = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const records::RecordedTurn& turn = game.turns[i];
        if (turn.square == records::Pass)
            continue;
        const engine::MoveValues& valued = values[i];
        MoveReview move;
        move.number = ++number;
        move.black = turn.black;
        move.played = turn.square;
        move.value = valued.bestValue();
        move.cost = move.value - valued.valueOf(turn.square);
        move.best = move.cost == 0 ? turn.square : valued.bestMove();
        move.exact = valued.exact;
        if (move.exact && review.firstExactMove == 0) {
            review.firstExactMove = move.number;
            review.firstExactEmpties = game.positions[i].empties();
        }
        SideSummary& side = turn.black ? review.black : review.white;
        ++side.moves;
        side.discsLost += move.cost;
        if (move.cost >= MistakeDiscs)
            ++side.mistakes;
        review.moves.push_back(move);
    }
    return review;
}

} // namespace

GameReview reviewGame(const records::Replay& game, int level, const Progress& progress, int threads)
{
    engine::SearchLimits limits = engine::analysisLimits(level);
    limits.threads = threads;
    return review(game, limits, progress);
}

GameReview reviewGame(const records::Replay& game, int level, int exactEmpties, const Progress& progress)
{
    return review(game, engine::fixedLimits(engine::analysisLimits(level).depth, exactEmpties), progress);
}

} // namespace analysis
