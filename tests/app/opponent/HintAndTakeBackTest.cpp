// The hint's search and a take-back while the computer thinks: both stop a worker thread
// mid-search, so these also run under ThreadSanitizer (tools/test.sh).
#include "app/opponent/ComputerPlayer.h"
#include "app/opponent/HintGuide.h"
#include "render/CursorControl.h"
#include "render/Directions.h"
#include "rules/Match.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace {

class HintAndTakeBack : public ::testing::Test {
protected:
    void TearDown() override
    {
        Match::destroyInstance();
    }
};

TEST_F(HintAndTakeBack, TheHintIsALegalSquareAndTheConeWalksThereAStepAtATime)
{
    Board& board = *Board::instance();
    board.reset();
    HintGuide hint;
    hint.ask(board, Black, 0);
    CellPos cone{1, 8};
    double now = 0.0;
    int steps = 0;
    // Frames every 50 ms of the guide's clock until the cone stands on the hint.
    for (int frame = 0; frame < 100000 && !(hint.square() && cone.x == hint.square()->x && cone.y == hint.square()->y);
         ++frame, now += 0.05) {
        if (const std::int32_t direction = hint.update(cone, 0, now)) {
            cone = movedCursor(cone, direction);
            ++steps;
        }
        if (!hint.square())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(hint.square());
    EXPECT_GT(board.flipCount(hint.square()->x, hint.square()->y, Black), 0);
    EXPECT_EQ(steps, std::abs(hint.square()->x - 1) + std::abs(hint.square()->y - 8)) << "one square per step";
    EXPECT_EQ(hint.update(cone, 0, now + 1.0), 0) << "standing on it, the cone stays";

    hint.update(cone, 1, now + 2.0); // a move was played: the hint is gone
    EXPECT_FALSE(hint.square());
}

TEST_F(HintAndTakeBack, AHintStillSearchingIsStoppedByANewPosition)
{
    Board& board = *Board::instance();
    boardsetup::set({"..WWWW..", ".BBBWW..", "BBWBW.W.", "BWBWBW..", "BBWWBB..", "B.BWW...", "..BB....", "........"});
    HintGuide hint;
    hint.ask(board, Black, 20);
    hint.update(CellPos{1, 1}, 21, 0.0); // returns only once the worker is joined
    EXPECT_FALSE(hint.square());
    hint.ask(board, Black, 21);
    hint.cancel();
    EXPECT_FALSE(hint.square());
}

TEST_F(HintAndTakeBack, TakingBackDuringTheComputersSearchLandsNoMove)
{
    Match& match = *Match::instance();
    auto computerOwned = std::make_unique<ComputerPlayer>(2, "Ordinateur", 5, 1);
    ComputerPlayer& computer = *computerOwned;
    match.start(std::make_unique<HumanPlayer>(1, "Joueur 1"), std::move(computerOwned));
    match.submitMove(CellPos{6, 4}); // f5
    match.step();
    ASSERT_EQ(match.turn(), 2);
    computer.startThinking(*Board::instance(), White);
    ASSERT_TRUE(computer.isThinking());

    // As the play screen does it: the search stops first, then the take-back.
    computer.stopThinking();
    ASSERT_TRUE(match.takeBack(1));
    for (int frame = 0; frame < 5; ++frame)
        match.step();
    EXPECT_EQ(match.turn(), 1);
    EXPECT_TRUE(match.history().empty());
    EXPECT_EQ(Board::instance()->count(Black), 2);
    EXPECT_EQ(Board::instance()->count(White), 2);
    EXPECT_TRUE(computer.isIdle());
    EXPECT_FALSE(computer.chosenMove());
}

} // namespace
