// The one background search under the computer and the hint: a cancel holds whenever it comes,
// also before the search has begun; an answer comes once, and only once
// its job has returned. Runs under ThreadSanitizer too (tools/test.sh).
#include "app/opponent/BackgroundSearch.h"
#include "engine/Position.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::size_t TableMegabytes = 1;

// Unstopped, an exact solve of the start position runs for ever: a lost cancel hangs here.
engine::SearchResult solveTheStart(engine::Search& search)
{
    return search.solve(engine::Position::start());
}

// Polls until an answer comes or `limit` has passed.
template <class Answer>
std::optional<Answer> waitForAnswer(BackgroundSearch<Answer>& background, Clock::duration limit = 30s)
{
    const Clock::time_point giveUp = Clock::now() + limit;
    while (Clock::now() < giveUp) {
        if (std::optional<Answer> answer = background.poll())
            return answer;
        std::this_thread::sleep_for(1ms);
    }
    return std::nullopt;
}

TEST(BackgroundSearch, ACancelAtAnyMomentHoldsReturnsPromptlyAndDeliversNothing)
{
    struct Moment {
        const char* name;
        Clock::duration after; // from the start
    };
    const Moment moments[] = {
        {"at once, mostly before the worker has begun", 0us},
        {"as the worker begins", 50us},
        {"early in the search", 1ms},
        {"deep in the search", 30ms},
    };
    engine::Search search(engine::Evaluator::builtIn(), TableMegabytes);
    for (const Moment& moment : moments) {
        SCOPED_TRACE(moment.name);
        for (int run = 0; run < 20; ++run) {
            MoveSearch background;
            background.start(search, solveTheStart);
            EXPECT_TRUE(background.isRunning());
            if (moment.after > Clock::duration::zero())
                std::this_thread::sleep_for(moment.after);
            background.cancel(); // a lost cancel hangs here, and the test's timeout ends it
            EXPECT_FALSE(background.isRunning());
            EXPECT_FALSE(background.poll()) << "a cancelled run answers nothing";
        }
    }
}

// The engine's search clears its stop as it begins. This work does the same, and only once the
// first stop has come, so that stop is certainly lost: the cancel must ask again.
TEST(BackgroundSearch, AStopLostAsTheSearchBeginsIsSentAgain)
{
    std::atomic<bool> begun{false};
    std::atomic<bool> stopRequested{false};
    std::atomic<int> stops{0};
    BackgroundWork work;
    work.start(
        [&] {
            begun.store(true);
            while (stops.load() == 0)
                std::this_thread::yield();
            stopRequested.store(false); // the search begins
            while (!stopRequested.load())
                std::this_thread::yield();
        },
        [&] {
            stopRequested.store(true);
            stops.fetch_add(1); // after the request: the work clears it only once counted
        });
    while (!begun.load())
        std::this_thread::yield();
    work.cancel(); // hangs (and the test times out) if the lost stop is not sent again
    EXPECT_GE(stops.load(), 2);
    EXPECT_FALSE(work.isRunning());
    EXPECT_FALSE(work.finished());
}

TEST(BackgroundSearch, TheAnswerComesOnlyAfterTheJobHasReturnedAndOnlyOnce)
{
    engine::Search search(engine::Evaluator::builtIn(), TableMegabytes);
    std::atomic<bool> released{false};
    // Any answer a job gives: here the square alone.
    BackgroundSearch<int> background;
    background.start(search, [&released](engine::Search& searching) {
        while (!released.load())
            std::this_thread::sleep_for(1ms);
        return searching.chooseMove(engine::Position::start(), 1).move;
    });
    for (int frame = 0; frame < 5; ++frame) {
        EXPECT_FALSE(background.poll()) << "frame " << frame << ": the job has not returned";
        EXPECT_TRUE(background.isRunning());
        std::this_thread::sleep_for(2ms);
    }
    released.store(true);
    const std::optional<int> square = waitForAnswer(background);
    ASSERT_TRUE(square);
    EXPECT_NE(engine::Position::start().moves() & (engine::Bits(1) << *square), 0u) << "a legal move";
    EXPECT_FALSE(background.isRunning());
    EXPECT_FALSE(background.poll()) << "the answer was delivered already";
}

TEST(BackgroundSearch, ANewStartCancelsTheRunBeforeIt)
{
    engine::Search search(engine::Evaluator::builtIn(), TableMegabytes);
    MoveSearch background;
    background.start(search, solveTheStart);
    std::this_thread::sleep_for(5ms);
    background.start(search, [](engine::Search& searching) {
        return searching.chooseMove(engine::Position::start(), 1);
    });
    const std::optional<engine::SearchResult> answer = waitForAnswer(background);
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->exact) << "the level's answer, not the solve's";
    EXPECT_GE(answer->move, 0);
    EXPECT_FALSE(background.poll());
}

} // namespace
