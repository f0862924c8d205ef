// The values on the legal squares: the deepening ends on the very values a search of every move
// at the level's analysis limits gives, each step replacing the whole set; a new position starts
// again and a stop holds while a step runs. Runs under ThreadSanitizer too (tools/test.sh).
#include "app/opponent/SquareValues.h"
#include "engine/Levels.h"
#include "engine/PositionText.h"
#include "tests/app/records/PublishedGames.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// The position after the first `count` moves of `transcript` (no pass among them).
engine::Position played(const std::string& transcript, std::size_t count)
{
    engine::Position position = engine::Position::start();
    for (std::size_t i = 0; i < count; ++i)
        engine::play(position, engine::squareFromName(transcript.substr(2 * i, 2)));
    return position;
}

// Frames of 1 ms until the values are final, at most `limit`; the depths of the snapshots seen.
std::vector<int> followToTheEnd(SquareValues& values, Clock::duration limit = 60s)
{
    std::vector<int> depths;
    const Clock::time_point giveUp = Clock::now() + limit;
    int stepsSeen = 0;
    while (!values.snapshot().final && Clock::now() < giveUp) {
        values.update();
        if (values.snapshot().steps != stepsSeen) {
            stepsSeen = values.snapshot().steps;
            depths.push_back(values.snapshot().depth);
        }
        std::this_thread::sleep_for(1ms);
    }
    return depths;
}

void expectSameValues(const std::vector<engine::MoveValue>& seen, const engine::MoveValues& wanted)
{
    ASSERT_EQ(seen.size(), wanted.moves.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].move, wanted.moves[i].move) << i;
        EXPECT_EQ(seen[i].value, wanted.moves[i].value) << i;
    }
}

TEST(SquareValues, DeepeningEndsOnTheValuesOfTheLevelsAnalysis)
{
    struct Row {
        const char* what;
        engine::Position position;
        int level;
        std::size_t steps; // valueAllMoves runs to the end
        bool exact;
    };
    const std::vector<Row> rows = {
        {"the start at level 1: depths 1 to 4", engine::Position::start(), 1, 4, false},
        {"the start at level 3: depths 1 to 8", engine::Position::start(), 3, 8, false},
        {"a midgame at level 2", played(published::DrawTranscript, 20), 2, 6, false},
        {"12 empties at level 1: the count at once", played(published::DrawTranscript, 48), 1, 1, true},
        {"14 empties at level 3: four midgame steps, then the count", played(published::DrawTranscript, 46), 3, 5, true},
    };
    engine::Search reference(engine::Evaluator::builtIn(), 16);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_NE(row.position.moves(), 0u);
        EXPECT_EQ(SquareValues::stepsFor(row.position, row.level).size(), row.steps);
        SquareValues values;
        values.follow(row.position, row.level);
        const std::vector<int> depths = followToTheEnd(values);
        ASSERT_TRUE(values.snapshot().final);
        EXPECT_FALSE(values.isSearching());
        EXPECT_EQ(depths.size(), row.steps) << "each finished step is one whole set";
        EXPECT_TRUE(std::is_sorted(depths.begin(), depths.end()));
        EXPECT_EQ(values.snapshot().exact, row.exact);
        const engine::MoveValues wanted = reference.valueAllMoves(row.position, engine::analysisLimits(row.level));
        EXPECT_EQ(values.snapshot().depth, wanted.depth);
        expectSameValues(values.snapshot().moves, wanted);
    }
}

TEST(SquareValues, NewPositionsStopsAndPassesLeaveNothingBehind)
{
    struct Row {
        const char* what;
        int level;        // of the first position followed
        Clock::duration after; // before the change
        int change;       // 0: a new position (at level 2), 1: level 1, 2: stop, 3: the same position again
    };
    const std::vector<Row> rows = {
        {"a new position at once", 5, 0ms, 0},
        {"a new position mid-step", 5, 20ms, 0},
        {"another level mid-step", 5, 20ms, 1},
        {"a stop at once", 5, 0ms, 2},
        {"a stop mid-step", 5, 30ms, 2},
        {"the same position again keeps its steps", 3, 50ms, 3},
    };
    const engine::Position first = played(published::DrawTranscript, 8);
    const engine::Position second = played(published::DrawTranscript, 3);
    engine::Search reference(engine::Evaluator::builtIn(), 16);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SquareValues values;
        values.follow(first, row.level);
        EXPECT_TRUE(values.isFollowing());
        std::this_thread::sleep_for(row.after);
        values.update();
        const int stepsBefore = values.snapshot().steps;
        const auto changed = Clock::now();
        if (row.change == 0)
            values.follow(second, 2);
        else if (row.change == 1)
            values.follow(first, 1);
        else if (row.change == 2)
            values.stop();
        else
            values.follow(first, row.level);
        EXPECT_LT(Clock::now() - changed, 2s) << "the step under way stops promptly";
        if (row.change == 2) {
            EXPECT_FALSE(values.isFollowing());
            EXPECT_FALSE(values.isSearching());
            values.update();
            EXPECT_TRUE(values.snapshot().moves.empty());
            EXPECT_EQ(values.snapshot().steps, 0);
            continue;
        }
        EXPECT_EQ(values.snapshot().steps, row.change == 3 ? stepsBefore : 0) << "what is shown is the position's own";
        followToTheEnd(values);
        const engine::Position& now = row.change == 0 ? second : first;
        const int level = row.change == 0 ? 2 : row.change == 1 ? 1 : row.level;
        expectSameValues(values.snapshot().moves, reference.valueAllMoves(now, engine::analysisLimits(level)));
        EXPECT_EQ(values.snapshot().steps, int(SquareValues::stepsFor(now, level).size()));
    }

    // A side that must pass: no step, final at once, nothing to show.
    engine::Position blocked;
    blocked.player = engine::Bits(1) << engine::squareFromName("a1");
    blocked.opponent = engine::Bits(1) << engine::squareFromName("h8");
    SquareValues values;
    values.follow(blocked, 3);
    EXPECT_TRUE(values.snapshot().final);
    EXPECT_FALSE(values.isSearching());
    EXPECT_TRUE(values.snapshot().moves.empty());
}

} // namespace
