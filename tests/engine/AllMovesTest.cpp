// The search that values every legal move at one depth: each value is the move's minimax value at
// that depth (against a plain negamax with no table and no pruning), or its solved value when
// exact, whatever the table kept from earlier searches; the four first moves are worth the same.
#include "engine/Levels.h"
#include "engine/Search.h"
#include "tests/engine/RandomPlay.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

using namespace engine;

namespace {

// The depth-limited value as the midgame search defines it (a pass is no ply), searched in full.
int negamax(Position& p, int depth, const Evaluator& evaluate)
{
    if (depth <= 0)
        return evaluate(p);
    const Bits moves = p.moves();
    if (!moves) {
        if (!legalMoves(p.opponent, p.player))
            return p.finalDiff() * UnitsPerDisc;
        pass(p);
        const int v = -negamax(p, depth, evaluate);
        pass(p);
        return v;
    }
    int best = -Infinity;
    for (Bits left = moves; left; left &= left - 1) {
        const int square = firstSquare(left);
        const Bits flips = play(p, square);
        best = std::max(best, -negamax(p, depth - 1, evaluate));
        undo(p, square, flips);
    }
    return best;
}

// Every legal move with the value `childValue(position after it)` gives it, in discs.
template <class ChildValue>
std::vector<MoveValue> eachMove(const Position& position, ChildValue childValue)
{
    std::vector<MoveValue> values;
    for (Bits left = position.moves(); left; left &= left - 1) {
        Position child = position;
        const int square = firstSquare(left);
        play(child, square);
        values.push_back({square, childValue(child)});
    }
    return values;
}

void expectSameValues(const MoveValues& searched, const std::vector<MoveValue>& expected)
{
    ASSERT_TRUE(searched.complete);
    ASSERT_EQ(searched.moves.size(), expected.size());
    for (const MoveValue& move : expected) {
        SCOPED_TRACE(move.move);
        EXPECT_EQ(searched.valueOf(move.move), move.value);
    }
    for (std::size_t i = 1; i < searched.moves.size(); ++i)
        EXPECT_GE(searched.moves[i - 1].value, searched.moves[i].value);
}

Position withChoice(int empties, std::mt19937& random)
{
    Position p;
    do
        p = randomplay::playDownTo(empties, random);
    while (popCount(p.moves()) < 2);
    return p;
}

TEST(AllMoves, EachValueIsTheMinimaxValueAtThatDepthOrTheSolvedValueWhenExact)
{
    struct Case {
        int empties;
        int depth;
        int exactFrom; // 0: never exact
        int positions;
    };
    // Depth 5 and more reach the table (it serves from 4 plies left).
    const Case cases[] = {{56, 1, 0, 4}, {50, 2, 0, 4}, {44, 3, 0, 3}, {36, 4, 0, 2}, {30, 5, 0, 1},
                          {22, 5, 0, 1}, {14, 6, 0, 1}, {8, 4, 8, 1},  {11, 4, 14, 1}, {14, 4, 14, 1}};
    const Evaluator evaluate = Evaluator::builtIn().resolved();
    std::mt19937 random(17);
    Search search(Evaluator::builtIn(), 4, 1), solver(Evaluator::builtIn(), 4, 1);
    for (const Case& c : cases) {
        for (int n = 0; n < c.positions; ++n) {
            SCOPED_TRACE(testing::Message() << c.empties << " empties, depth " << c.depth << ", position " << n);
            const Position p = withChoice(c.empties, random);
            const MoveValues searched = search.valueAllMoves(p, fixedLimits(c.depth, c.exactFrom));
            const bool exact = c.exactFrom >= c.empties;
            EXPECT_EQ(searched.exact, exact);
            EXPECT_EQ(searched.depth, exact ? c.empties : c.depth);
            expectSameValues(searched, eachMove(p, [&](Position& child) {
                                 if (!exact)
                                     return unitsToDiscs(-negamax(child, c.depth - 1, evaluate));
                                 return child.isOver() ? -child.finalDiff() : -solver.solve(child).score;
                             }));
        }
    }
}

TEST(AllMoves, ValuesOweNothingToEarlierSearches)
{
    // Deeper searches of the same positions leave deeper entries in the table; a search of the
    // fixed depth must not take its cut-offs from them.
    const int empties[] = {48, 36, 26};
    std::mt19937 random(29);
    for (int e : empties) {
        SCOPED_TRACE(testing::Message() << e << " empties");
        const Position p = withChoice(e, random);
        Search used(Evaluator::builtIn(), 4, 1), fresh(Evaluator::builtIn(), 4, 1);
        used.run(p, fixedLimits(8));
        used.valueAllMoves(p, fixedLimits(6));
        const MoveValues after = used.valueAllMoves(p, fixedLimits(5));
        const MoveValues alone = fresh.valueAllMoves(p, fixedLimits(5));
        ASSERT_TRUE(alone.complete);
        expectSameValues(after, alone.moves);
    }
}

TEST(AllMoves, TheFourFirstMovesAreWorthTheSameAtEveryLevel)
{
    for (int level = MinLevel; level <= MaxLevel; ++level) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        Search search(Evaluator::builtIn(), 4, 1);
        const MoveValues values = search.valueAllMoves(Position::start(), analysisLimits(level));
        ASSERT_EQ(values.moves.size(), 4u);
        for (const MoveValue& move : values.moves)
            EXPECT_EQ(move.value, values.bestValue()) << move.move;
    }
}

TEST(AllMoves, NoLegalMoveGivesNoValue)
{
    // X (to move) on b1 cannot take O's a1; O still has c1.
    Search search(Evaluator::builtIn(), 1, 1);
    const MoveValues values = search.valueAllMoves(Position{bitOf(1), bitOf(0)}, fixedLimits(4, 60));
    EXPECT_TRUE(values.complete);
    EXPECT_TRUE(values.moves.empty());
    EXPECT_EQ(values.bestMove(), -1);
}

TEST(AllMoves, StopLeavesTheValuesIncomplete)
{
    std::mt19937 random(37);
    const Position opening = withChoice(50, random);
    Search search(Evaluator::builtIn(), 4, 1);
    std::atomic<bool> done{false};
    MoveValues values;
    std::thread worker([&] {
        values = search.valueAllMoves(opening, fixedLimits(30));
        done = true;
    });
    // A request made before the search starts is forgotten: repeated until it returns.
    while (!done) {
        search.stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker.join();
    EXPECT_FALSE(values.complete);
    EXPECT_TRUE(values.moves.empty());
}

} // namespace
