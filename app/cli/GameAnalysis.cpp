#include "app/cli/GameAnalysis.h"

#include "engine/Search.h"

#include <algorithm>

namespace analysis {
namespace {

// Large enough that the exact part of a game stays in the table from one position to the next.
constexpr std::size_t TableMegabytes = 64;
// A fixed seed: the same game at the same level reads the same every time.
constexpr std::uint32_t Seed = 1;

struct Valued {
    int value = 0; // for the side to move, in discs
    int best = -1; // the engine's move; -1 when there is none
    bool exact = false;
    bool searched = false;
};

} // namespace

GameReview reviewGame(const records::Replay& game, int level, int exactEmpties, const Progress& progress)
{
    engine::Search search(engine::Evaluator::builtIn(), TableMegabytes, Seed);
    const std::size_t count = game.positions.size();
    std::vector<Valued> values(count);

    // Which positions need a value: the one before each move and the one after it. A pass
    // between two of them needs none of its own.
    std::vector<bool> needed(count, false);
    int total = 0;
    for (std::size_t i = 0; i < game.turns.size(); ++i) {
        if (game.turns[i].square != records::Pass) {
            needed[i] = needed[i + 1] = true;
            ++total;
        }
    }
    int done = 0;
    // From the end backwards: the exact solves then start with the smallest, and each fills the
    // table for the one before it.
    for (std::size_t k = count; k-- > 0;) {
        if (!needed[k])
            continue;
        const engine::Position& position = game.positions[k];
        Valued& v = values[k];
        v.searched = true;
        if (position.isOver()) {
            v.value = position.finalDiff();
            v.exact = true;
        } else if (position.empties() <= exactEmpties) {
            const engine::SearchResult result = search.solve(position);
            v.value = result.score;
            v.best = result.move;
            v.exact = true;
        } else {
            const engine::SearchResult result = search.chooseMove(position, level);
            v.value = result.score;
            v.best = result.move;
            v.exact = result.exact;
        }
        // A move is looked at once the positions before and after it have their values.
        if (progress && k < game.turns.size() && game.turns[k].square != records::Pass)
            progress(++done, total);
    }

    GameReview review;
    int number = 0;
    for (std::size_t i = 0; i < game.turns.size(); ++i) {
        const records::RecordedTurn& turn = game.turns[i];
        if (turn.square == records::Pass)
            continue;
        MoveReview move;
        move.number = ++number;
        move.black = turn.black;
        move.played = turn.square;
        move.best = values[i].best < 0 ? turn.square : values[i].best;
        move.value = values[i].value;
        move.exact = values[i].exact && values[i + 1].exact;
        const int playedValue = -values[i + 1].value; // after a move the other side is to move
        move.cost = move.best == move.played ? 0 : std::max(0, values[i].value - playedValue);
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

} // namespace analysis
