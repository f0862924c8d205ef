// The table: which bounds a stored search proves, and which entry gives way when a bucket is full.
#include "engine/Score.h"
#include "engine/TranspositionTable.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

TEST(TranspositionTable, KeepsTheBoundsEachSearchProves)
{
    struct Case {
        const char* what;
        int depth, alpha, beta, value; // the stores, in order (depth 0: none)
        int depth2, alpha2, beta2, value2;
        int lower, upper;
    };
    const Case cases[] = {
        {"inside the window: exact", 4, -10, 10, 3, 0, 0, 0, 0, 3, 3},
        {"fail high: a lower bound", 4, -10, 10, 12, 0, 0, 0, 0, 12, Infinity},
        {"fail low: an upper bound", 4, -10, 10, -12, 0, 0, 0, 0, -Infinity, -12},
        {"same depth: both bounds kept", 4, 0, 1, 5, 4, 7, 8, 7, 5, 7},
        {"same depth: contradiction, the newer wins", 4, 0, 1, 9, 4, 7, 8, 2, 2, 2},
        {"deeper replaces shallower", 3, -10, 10, 3, 5, -10, 10, -4, -4, -4},
        {"shallower never replaces deeper", 5, -10, 10, 3, 3, -10, 10, -4, 3, 3},
    };
    const Position p = Position::start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TranspositionTable table(1);
        table.store(p, c.depth, c.alpha, c.beta, c.value, 19);
        if (c.depth2 > 0)
            table.store(p, c.depth2, c.alpha2, c.beta2, c.value2, -1);
        const auto entry = table.find(p);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->lower, c.lower);
        EXPECT_EQ(entry->upper, c.upper);
        EXPECT_EQ(entry->move, 19); // a store without a move keeps the one known
    }
}

TEST(TranspositionTable, ReplacesTheShallowestAndTheOldestFirst)
{
    // One bucket: every position competes for its two entries.
    const Position positions[] = {
        {bitOf(0), bitOf(1)}, {bitOf(2), bitOf(3)}, {bitOf(4), bitOf(5)}, {bitOf(6), bitOf(7)}, {bitOf(8), bitOf(9)},
    };
    struct Step {
        const char* what;
        int stored; // index into positions, -1: a new search starts, -2: the table is cleared
        int depth;
        const char* kept; // one letter per position: which are found after the step
    };
    const Step steps[] = {
        {"first", 0, 5, "10000"},
        {"a shallower one takes the second entry", 1, 3, "11000"},
        {"and gives it up to the next shallower one", 2, 4, "10100"},
        {"a deeper one takes the first entry, the old first moves to the second", 3, 6, "10010"},
        {"a new search", -1, 0, "10010"},
        {"entries of older searches give way whatever their depth", 4, 1, "00011"},
        {"cleared", -2, 0, "00000"},
        {"in use again after a clear", 2, 2, "00100"},
    };
    TranspositionTable table = TranspositionTable::withBuckets(1);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.stored == -2)
            table.clear();
        else if (step.stored < 0)
            table.nextGeneration();
        else
            table.store(positions[step.stored], step.depth, -Infinity, Infinity, 8 * step.stored, -1);
        for (int i = 0; i < 5; ++i) {
            const auto entry = table.find(positions[i]);
            EXPECT_EQ(entry.has_value(), step.kept[i] == '1') << "position " << i;
            if (entry) {
                EXPECT_EQ(entry->lower, 8 * i);
            }
        }
    }
}

} // namespace
