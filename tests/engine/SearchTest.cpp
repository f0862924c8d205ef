// Choosing a move under the level's budget, passing, and stopping a search from another thread.
#include "engine/Levels.h"
#include "engine/Search.h"
#include "tests/engine/RandomPlay.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace engine;

namespace {

bool isLegal(const Position& p, int move)
{
    return move >= 0 && move < 64 && (p.moves() & bitOf(move));
}

TEST(Search, EveryLevelPlaysALegalMove)
{
    struct Case {
        int level;
        int empties;
    };
    // Opening, midgame and ending positions, each level near its own exact-count threshold.
    const Case cases[] = {{0, 56}, {1, 56}, {2, 40}, {3, 24}, {4, 16}, {5, 10}, {6, 8}};
    Search search(Evaluator::builtIn(), 4, 42);
    std::mt19937 random(99);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << ", " << c.empties << " empties");
        const Position p = randomplay::playDownTo(c.empties, random);
        ASSERT_NE(p.moves(), 0u);
        const SearchResult result = search.chooseMove(p, c.level);
        EXPECT_TRUE(isLegal(p, result.move));
        EXPECT_GT(result.nodes, 0u);
    }
}

TEST(Search, PassesWhenNoMoveIsLegal)
{
    // X (to move) on b1 cannot take O's a1; O still has c1.
    const Position p{bitOf(1), bitOf(0)};
    Search search(Evaluator::builtIn(), 1, 1);
    EXPECT_EQ(search.chooseMove(p, 5).move, -1);
    EXPECT_EQ(search.solve(p).move, -1);
}

TEST(Search, FixedLimitsAreKeptAndGiveTheSameAnswerEveryTime)
{
    struct Case {
        int empties;
        SearchLimits limits;
        bool exact;
    };
    const Case cases[] = {
        {44, fixedLimits(1), false},
        {44, fixedLimits(4), false},
        {30, fixedLimits(6, 20), false},
        {14, fixedLimits(3, 14), true},
        {14, fixedLimits(3, 13), false},
    };
    std::mt19937 random(31);
    Search search(Evaluator::builtIn(), 4, 1), again(Evaluator::builtIn(), 4, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.empties << " empties, depth " << c.limits.depth << ", exact from "
                                        << c.limits.exactFrom);
        Position p;
        do
            p = randomplay::playDownTo(c.empties, random);
        while (popCount(p.moves()) < 2);
        const SearchResult result = search.run(p, c.limits);
        EXPECT_TRUE(isLegal(p, result.move));
        EXPECT_EQ(result.exact, c.exact);
        EXPECT_EQ(result.depth, c.exact ? c.empties : c.limits.depth);
        if (c.exact) {
            EXPECT_EQ(result.score, search.solve(p).score);
        }
        // No clock: another search, with its own table, comes to the same move, value and work.
        const SearchResult other = again.run(p, c.limits);
        EXPECT_EQ(other.move, result.move);
        EXPECT_EQ(other.score, result.score);
        EXPECT_EQ(other.nodes, result.nodes);
        search.clear();
        again.clear();
    }
}

// Runs `think` on a worker thread and asks it to stop until it returns (a request made before
// the search starts is forgotten, so it is repeated).
template <class Think>
void stopFromAnotherThread(Search& search, Think think)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        think();
        done = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    while (!done) {
        search.stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker.join();
}

TEST(Search, StopEndsALongSearchWithALegalMove)
{
    std::mt19937 random(5);
    const Position opening = randomplay::playDownTo(54, random);
    Search search(Evaluator::builtIn(), 4, 3);
    SearchResult chosen;
    stopFromAnotherThread(search, [&] { chosen = search.chooseMove(opening, MaxLevel); });
    EXPECT_TRUE(isLegal(opening, chosen.move));
    // An exact solve of a midgame position has no time limit: only stop() ends it.
    SearchResult solved;
    stopFromAnotherThread(search, [&] { solved = search.solve(opening); });
    EXPECT_TRUE(isLegal(opening, solved.move));
    EXPECT_FALSE(solved.exact);
}

} // namespace
