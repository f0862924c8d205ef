// A search on several threads against the same search on one: the same values whatever the number
// of threads, a best move that reaches them, and stop() ending every thread. The table under stores
// from several threads at once. (Also run under ThreadSanitizer: tools/test.sh.)
#include "engine/Levels.h"
#include "engine/PositionText.h"
#include "engine/Score.h"
#include "engine/Search.h"
#include "engine/TranspositionTable.h"
#include "tests/engine/RandomPlay.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace engine;

namespace {

// A position of `empties` empty squares with at least two legal moves.
Position positionWithAChoice(int empties, std::mt19937& random)
{
    Position p;
    do
        p = randomplay::playDownTo(empties, random);
    while (popCount(p.moves()) < 2);
    return p;
}

TEST(ParallelSearch, ExactCountsAgreeWithOneThread)
{
    struct Case {
        int threads;
        int empties;
        int positions;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {2, 12, 6, 11}, {2, 16, 3, 12}, {2, 18, 1, 13}, {3, 16, 2, 14}, {4, 14, 3, 15},
    };
    Search one(Evaluator::builtIn(), 4, 1);
    for (const Case& c : cases) {
        Search several(Evaluator::builtIn(), 4, 1);
        std::mt19937 random(c.seed);
        for (int i = 0; i < c.positions; ++i) {
            const Position p = positionWithAChoice(c.empties, random);
            SCOPED_TRACE(testing::Message() << c.threads << " threads: " << positionText(p, true));
            const SearchResult alone = one.solve(p);
            const SearchResult shared = several.solve(p, c.threads);
            ASSERT_TRUE(shared.exact);
            EXPECT_EQ(shared.score, alone.score);
            ASSERT_TRUE(p.moves() & bitOf(shared.move));
            // The move found best reaches the value (several moves may).
            Position child = p;
            play(child, shared.move);
            const SearchResult after = one.solve(child);
            EXPECT_EQ(child.moves() ? -after.score : after.score, alone.score);
            // The line of best play is as long as the game.
            EXPECT_EQ(shared.line.front(), shared.move);
            // The level's exact count, the clock put aside, agrees too.
            SearchLimits limits = fixedLimits(4, 60, c.threads);
            EXPECT_EQ(several.run(p, limits).score, alone.score);
        }
    }
}

TEST(ParallelSearch, MidgameValuesAgreeAtTheSameDepth)
{
    struct Case {
        int threads;
        int empties;
        int depth;
        std::uint32_t seed;
    };
    const Case cases[] = {
        {2, 44, 6, 21}, {2, 36, 7, 22}, {2, 28, 8, 23}, {3, 40, 6, 24},
    };
    for (const Case& c : cases) {
        std::mt19937 random(c.seed);
        const Position p = positionWithAChoice(c.empties, random);
        SCOPED_TRACE(testing::Message() << c.threads << " threads, depth " << c.depth << ": " << positionText(p, true));
        // Fresh tables: no deeper entry from an earlier search answers for the depth asked.
        Search one(Evaluator::builtIn(), 4, 1), several(Evaluator::builtIn(), 4, 1);
        const SearchResult alone = one.run(p, fixedLimits(c.depth));
        const SearchResult shared = several.run(p, fixedLimits(c.depth, 0, c.threads));
        EXPECT_EQ(shared.depth, c.depth);
        EXPECT_EQ(shared.score, alone.score);
        EXPECT_TRUE(p.moves() & bitOf(shared.move));
        // Every move's value, one search for all.
        const MoveValues aloneValues = one.valueAllMoves(p, fixedLimits(c.depth - 2));
        const MoveValues sharedValues = several.valueAllMoves(p, fixedLimits(c.depth - 2, 0, c.threads));
        ASSERT_TRUE(sharedValues.complete);
        ASSERT_EQ(sharedValues.moves.size(), aloneValues.moves.size());
        for (const MoveValue& m : aloneValues.moves)
            EXPECT_EQ(sharedValues.valueOf(m.move), m.value) << squareName(m.move);
    }
}

TEST(ParallelSearch, StopEndsEveryThread)
{
    std::mt19937 random(5);
    const Position opening = randomplay::playDownTo(50, random);
    Search search(Evaluator::builtIn(), 4, 3);
    struct Case {
        const char* what;
        int threads;
        bool solve; // else level 5 by its clock
    };
    const Case cases[] = {{"a solve on 2 threads", 2, true}, {"on 4", 4, true}, {"level 5 on 2", 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::atomic<bool> done{false};
        SearchResult result;
        std::thread worker([&] {
            if (c.solve) {
                result = search.solve(opening, c.threads);
            } else {
                SearchLimits limits = levelLimits(MaxLevel);
                limits.threads = c.threads;
                result = search.run(opening, limits);
            }
            done = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        while (!done) {
            search.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        worker.join();
        EXPECT_TRUE(opening.moves() & bitOf(result.move));
        EXPECT_FALSE(result.exact);
    }
    // The helpers are left waiting, ready for the next search.
    std::mt19937 later(8);
    const Position p = positionWithAChoice(14, later);
    EXPECT_EQ(search.solve(p, 4).score, Search(Evaluator::builtIn(), 1, 1).solve(p).score);
}

// The value every thread stores for `p`: a function of the position, so that a reader can tell
// whether an entry's values belong to its masks.
int valueOf(const Position& p)
{
    return static_cast<int>((p.player * 31 + p.opponent * 17) % 801) - 400; // within the evaluation's range
}

TEST(TranspositionTable, ConcurrentStoresNeverMixEntries)
{
    struct Case {
        const char* what;
        std::size_t buckets;
        int threads;
    };
    const Case cases[] = {{"two threads, one bucket", 1, 2}, {"four threads, a few buckets", 8, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TranspositionTable table = TranspositionTable::withBuckets(c.buckets);
        std::vector<Position> positions;
        for (int i = 0; i < 16; ++i)
            positions.push_back({bitOf(i) | bitOf(40 + i % 8), bitOf(20 + i) | (i % 3 ? bitOf(63) : 0)});
        std::atomic<int> mixed{0}, found{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < c.threads; ++t) {
            threads.emplace_back([&, t] {
                for (int round = 0; round < 4000; ++round) {
                    const Position& p = positions[(round * 7 + t * 5) % positions.size()];
                    table.store(p, 1 + round % 20, -Infinity, Infinity, valueOf(p), -1);
                    const Position& q = positions[(round * 3 + t) % positions.size()];
                    if (const auto entry = table.find(q)) {
                        ++found;
                        mixed += entry->lower != valueOf(q) || entry->upper != valueOf(q);
                    }
                }
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        EXPECT_EQ(mixed.load(), 0);
        EXPECT_GT(found.load(), 0) << "nothing was ever found: the test proves nothing";
    }
}

} // namespace
