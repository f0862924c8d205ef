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

// The verdict on `turn`, the game's `number`th move, from the values of the position before it.
MoveReview judged(const records::RecordedTurn& turn, int number, const engine::MoveValues& valued)
{
    MoveReview move;
    move.number = number;
    move.black = turn.black;
    move.played = turn.square;
    move.value = valued.bestValue();
    move.cost = move.value - valued.valueOf(turn.square);
    move.best = move.cost == 0 ? turn.square : valued.bestMove();
    move.exact = valued.exact;
    return move;
}

GameReview review(const records::Replay& game, const engine::SearchLimits& limits, const Progress& progress,
                  const MoveDone& moveDone)
{
    engine::Search search(engine::Evaluator::builtIn(), TableMegabytes, Seed);
    const std::size_t count = game.turns.size();
    std::vector<int> numbers(count, 0); // each move's number, 0 for a pass
    int total = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (game.turns[i].square != records::Pass)
            numbers[i] = ++total;
    std::vector<MoveReview> moves(count);
    int done = 0;
    // From the end backwards: the exact counts then start with the smallest, and each fills the
    // table for the one before it. (The values owe nothing to the order.)
    for (std::size_t i = count; i-- > 0;) {
        if (numbers[i] == 0)
            continue;
        moves[i] = judged(game.turns[i], numbers[i], search.valueAllMoves(game.positions[i], limits));
        if (moveDone)
            moveDone(moves[i]);
        if (progress)
            progress(++done, total);
    }

    GameReview review;
    for (std::size_t i = 0; i < count; ++i) {
        if (numbers[i] == 0)
            continue;
        const MoveReview& move = moves[i];
        if (move.exact && review.firstExactMove == 0) {
            review.firstExactMove = move.number;
            review.firstExactEmpties = game.positions[i].empties();
        }
        SideSummary& side = move.black ? review.black : review.white;
        ++side.moves;
        side.discsLost += move.cost;
        if (move.cost >= MistakeDiscs)
            ++side.mistakes;
        review.moves.push_back(move);
    }
    return review;
}

} // namespace

GameReview reviewGame(const records::Replay& game, int level, const Progress& progress, const MoveDone& moveDone,
                      int threads)
{
    engine::SearchLimits limits = engine::analysisLimits(level);
    limits.threads = threads;
    return review(game, limits, progress, moveDone);
}

GameReview reviewGame(const records::Replay& game, int level, int exactEmpties, const Progress& progress,
                      const MoveDone& moveDone)
{
    return review(game, engine::fixedLimits(engine::analysisLimits(level).depth, exactEmpties), progress,
                  moveDone);
}

} // namespace analysis
