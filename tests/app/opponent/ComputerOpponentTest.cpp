// The computer opponent as the match sees it: whole games of computer against computer through
// the match's own path, and the pace at which a player sees its move.
#include "app/opponent/ComputerPlayer.h"
#include "app/opponent/ComputerTurn.h"
#include "render/CursorControl.h"
#include "rules/Match.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <thread>

namespace {

class ComputerOpponent : public ::testing::Test {
protected:
    void TearDown() override
    {
        Match::destroyInstance();
    }

    // The computer's choice once its worker has finished.
    static CellPos waitForChoice(ComputerPlayer& computer)
    {
        for (;;) {
            if (std::optional<CellPos> chosen = computer.chosenMove())
                return *chosen;
            EXPECT_TRUE(computer.isThinking()) << "nothing chosen and not thinking";
            if (!computer.isThinking())
                return {};
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    struct Played {
        int moves = 0;
        int repeatedTurns = 0; // moves made right after the same side's own move
    };

    // Steps the match as the play screen does, handing each computer's choice to the match,
    // until the match is over; every choice must be legal on the board as it stands.
    static Played playOut(ComputerPlayer& one, ComputerPlayer& two)
    {
        Match& match = *Match::instance();
        Board& board = *Board::instance();
        Played played;
        int lastSide = 0;
        for (int frame = 0; frame < 1000 && !match.isGameOver(); ++frame) {
            match.step();
            if (match.isGameOver())
                break;
            const int side = match.turn();
            ComputerPlayer& mover = side == 1 ? one : two;
            const Cell colour = side == 1 ? Black : White;
            mover.startThinking(board, colour);
            const CellPos square = waitForChoice(mover);
            EXPECT_GT(board.flipCount(square.x, square.y, colour), 0)
                << "side " << side << " chose (" << int(square.x) << ", " << int(square.y) << ")";
            match.submitMove(square);
            match.step(); // the move lands
            ++played.moves;
            played.repeatedTurns += side == lastSide ? 1 : 0;
            lastSide = side;
        }
        return played;
    }
};

TEST_F(ComputerOpponent, WholeGamesAtLevelOneEndWithTheBoardsResult)
{
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        auto one = std::make_unique<ComputerPlayer>(1, "Ordinateur", 1, seed);
        auto two = std::make_unique<ComputerPlayer>(2, "Ordinateur bis", 1, seed + 100);
        ComputerPlayer& first = *one;
        ComputerPlayer& second = *two;
        Match::instance()->start(std::move(one), std::move(two));
        const Played played = playOut(first, second);

        const Board& board = *Board::instance();
        const Match& match = *Match::instance();
        ASSERT_TRUE(match.isGameOver());
        EXPECT_FALSE(board.hasLegalMove(Black) || board.hasLegalMove(White));
        EXPECT_GE(played.moves, 9); // the shortest possible game
        const int black = board.count(Black);
        const int white = board.count(White);
        EXPECT_EQ(first.score(), black);
        EXPECT_EQ(second.score(), white);
        EXPECT_EQ(match.result()->winner().score(), std::max(black, white));
    }
}

TEST_F(ComputerOpponent, TheSideThatCannotAnswerPassesAndTheOtherMovesAgain)
{
    auto one = std::make_unique<ComputerPlayer>(1, "Ordinateur", 3, 1);
    auto two = std::make_unique<ComputerPlayer>(2, "Ordinateur bis", 3, 2);
    ComputerPlayer& first = *one;
    ComputerPlayer& second = *two;
    Match::instance()->start(std::move(one), std::move(two));
    // Black takes (3, 1) and (3, 3) in either order; White never has a move.
    boardsetup::set({"BW", "", "BW"});
    const Played played = playOut(first, second);
    EXPECT_EQ(played.moves, 2);
    EXPECT_EQ(played.repeatedTurns, 1);
    EXPECT_EQ(Board::instance()->count(Black), 6);
    EXPECT_EQ(first.score(), 6);
    EXPECT_EQ(second.score(), 0);
}

// Nothing shows before 0.6 s; then the cone walks one square every 0.1 s, and the disc drops
// once it stands on the chosen square.
TEST_F(ComputerOpponent, ThePlayerSeesTheConeWalkThenTheDisc)
{
    Board::instance()->reset();
    ComputerPlayer computer(2, "Ordinateur", 1, 7);
    ComputerTurn turn;
    const double start = 100.0;
    const double justAfter = 0.001; // seconds: clear of rounding at each threshold
    ComputerTurn::Step step = turn.update(computer, *Board::instance(), Black, {1, 8}, start);
    EXPECT_EQ(step.cursorDirection, 0);
    EXPECT_TRUE(computer.isThinking());
    const CellPos chosen = waitForChoice(computer);
    const CellPos cone{1, 8};
    const int walk = std::abs(chosen.x - cone.x) + std::abs(chosen.y - cone.y);

    step = turn.update(computer, *Board::instance(), Black, cone, start + 0.59);
    EXPECT_TRUE(step.cursorDirection == 0 && !step.drop) << "too early";

    CellPos cursor = cone;
    double now = start + ComputerTurn::ShowThinkingSeconds + justAfter;
    for (int i = 0; i < walk; ++i, now += ComputerTurn::CursorStepSeconds + justAfter) {
        step = turn.update(computer, *Board::instance(), Black, cursor, now);
        ASSERT_NE(step.cursorDirection, 0) << "step " << i;
        const CellPos next = movedCursor(cursor, step.cursorDirection);
        EXPECT_EQ(std::abs(chosen.x - next.x) + std::abs(chosen.y - next.y), walk - i - 1) << "towards the square";
        cursor = next;
        step = turn.update(computer, *Board::instance(), Black, cursor, now + 0.05);
        EXPECT_EQ(step.cursorDirection, 0) << "one square per step time";
    }
    step = turn.update(computer, *Board::instance(), Black, cursor, now);
    EXPECT_TRUE(step.drop);
    EXPECT_EQ(step.cursorDirection, 0);
}

} // namespace
