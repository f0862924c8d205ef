// V as a player uses it in a match between two players: a value appears on every legal square of
// the side to move and on no other empty square, at the start and after three moves, and V again
// takes them away. The cone waits on a8, in the near left corner, where no legal square is.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int valueReach = 7; // pixels round a square's middle: the middle glyph's strokes fall there
constexpr int framesSettled = 30; // after the values show: the deepening is done long before

int changedAround(const Screenshot& a, const Screenshot& b, SquarePos square)
{
    const PixelPos middle = projectSquare(square.x, square.y, 0.0, startTilt);
    return a.countDifferences(b, middle.column() - valueReach, middle.row() - valueReach,
                              middle.column() + valueReach, middle.row() + valueReach, 8);
}

// The empty squares of `board` that are not legal for `colour`, away from the cone on a8 (it
// spins over a8 and the squares behind and beside it).
std::vector<SquarePos> otherEmptySquares(const ExpectedBoard& board, ExpectedBoard::Square colour)
{
    const std::vector<SquarePos> legal = legalMoves(board, colour);
    std::vector<SquarePos> others;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            const bool isLegal = std::any_of(legal.begin(), legal.end(),
                                             [&](SquarePos s) { return s.x == x && s.y == y; });
            if (board.at(x, y) == ExpectedBoard::Square::Empty && !isLegal && (x > 2 || y > 2))
                others.push_back({x, y});
        }
    return others;
}

} // namespace

TEST(ValuesOnSquares, VMarksEveryLegalSquareOfTheSideToMoveAndNoOther)
{
    GameSession session;
    ASSERT_TRUE(session.isReady()) << session.problem();
    ASSERT_TRUE(startMatch(session));
    XClient& player = session.player();
    const SquarePos a8 = squareNamed("a8");
    const PixelPos onA8 = projectSquare(a8.x, a8.y, 0.0, startTilt);

    struct Step {
        const char* what;
        std::vector<const char*> moves; // played by clicks before V
        ExpectedBoard::Square toMove;
    };
    const Step steps[] = {
        {"the start, Black to move", {}, ExpectedBoard::Square::Dark},
        {"after f5 d6 c3, White to move", {"f5", "d6", "c3"}, ExpectedBoard::Square::Light},
    };
    ExpectedBoard board;
    ExpectedBoard::Square mover = ExpectedBoard::Square::Dark;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        for (const char* name : step.moves) {
            const SquarePos square = squareNamed(name);
            const PixelPos on = projectSquare(square.x, square.y, 0.0, startTilt);
            player.movePointer(on.column(), on.row());
            player.click(1);
            ASSERT_GT(board.play(square.x, square.y, mover), 0) << name;
            mover = mover == ExpectedBoard::Square::Dark ? ExpectedBoard::Square::Light : ExpectedBoard::Square::Dark;
        }
        ASSERT_EQ(mover, step.toMove);
        player.movePointer(onA8.column(), onA8.row());
        auto before = session.waitForScreen("values-before", [&](const Screenshot& shot) {
            return cursorMarkerAt(shot, a8.x, a8.y, startTilt) && showsBoard(shot, board, startTilt, a8);
        });
        ASSERT_TRUE(before) << "the position with the cone on a8 never showed";

        const std::vector<SquarePos> legal = legalMoves(board, mover);
        player.tap(XK_v);
        ASSERT_TRUE(session.waitForScreen("values-shown", [&](const Screenshot& shot) {
            return std::all_of(legal.begin(), legal.end(),
                               [&](SquarePos square) { return changedAround(shot, *before, square) > 0; });
        })) << "V did not write on every legal square";
        ASSERT_TRUE(seeFramesPass(session, framesSettled));
        auto settled = session.waitForScreen("values-settled", [](const Screenshot&) { return true; });
        ASSERT_TRUE(settled);
        session.keep(*settled, step.moves.empty() ? "values-start" : "values-midgame");
        for (SquarePos square : legal)
            EXPECT_GT(changedAround(*settled, *before, square), 0) << "legal " << square.x << "," << square.y;
        for (SquarePos square : otherEmptySquares(board, mover))
            EXPECT_EQ(changedAround(*settled, *before, square), 0) << "not legal " << square.x << "," << square.y;

        player.tap(XK_v);
        ASSERT_TRUE(session.waitForScreen("values-hidden", [&](const Screenshot& shot) {
            return std::all_of(legal.begin(), legal.end(),
                               [&](SquarePos square) { return changedAround(shot, *before, square) == 0; });
        })) << "V again did not take the values away";
    }
}
