// V as a player uses it. In a match between two players: a value appears on every legal square of
// the side to move and on no other empty square, at the start and after three moves, and V again
// takes them away; the cone waits on a8, in the near left corner, where no legal square is. On the
// review screen, 15 squares from the end: the values are exact, in their own pale blue.
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
std::vector<SquarePos> otherEmptySquares(const ExpectedBoard& board, ExpectedBoard::Square colour,
                                         SquarePos cone = {1, 1})
{
    const std::vector<SquarePos> legal = legalMoves(board, colour);
    std::vector<SquarePos> others;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            const bool isLegal = std::any_of(legal.begin(), legal.end(),
                                             [&](SquarePos s) { return s.x == x && s.y == y; });
            const bool nearCone = x >= cone.x - 1 && x <= cone.x + 1 && y >= cone.y - 1 && y <= cone.y + 1;
            if (board.at(x, y) == ExpectedBoard::Square::Empty && !isLegal && !nearCone)
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

TEST(ValuesOnSquares, OnTheReviewScreenNearTheEndTheyAreExact)
{
    // A published game's first 45 moves: White to move with 15 empty squares, within level 3's count.
    const std::string moves = "d3c5e6d2c6d6b5f5e7f6f4f3g4d7g3g5h6h5h4e8c7h3c3h7e3b6g6f7d8c2d1c4b4a5f8f2e2a4a3b3f1g7b7c8a6";
    GameSession::Setup setup;
    setup.arguments = {"--review", moves};
    GameSession session(setup);
    ASSERT_TRUE(session.isReady()) << session.problem();
    ExpectedBoard board;
    ExpectedBoard::Square mover = ExpectedBoard::Square::Dark;
    for (std::size_t i = 0; i < moves.size(); i += 2) {
        const SquarePos square = squareNamed(moves.substr(i, 2));
        ASSERT_GT(board.play(square.x, square.y, mover), 0) << moves.substr(i, 2);
        mover = mover == ExpectedBoard::Square::Dark ? ExpectedBoard::Square::Light : ExpectedBoard::Square::Dark;
    }
    auto before = session.waitForScreen("review-values-before", [&](const Screenshot& shot) {
        return showsBoard(shot, board, startTilt, startCursor);
    });
    ASSERT_TRUE(before) << "the review never showed the position after 45 moves";

    const std::vector<SquarePos> legal = legalMoves(board, mover);
    ASSERT_FALSE(legal.empty());
    // Pale blue: blue well above red somewhere round the square's middle.
    auto inExactBlue = [](const Screenshot& shot, SquarePos square) {
        const PixelPos middle = projectSquare(square.x, square.y, 0.0, startTilt);
        for (int row = middle.row() - valueReach; row <= middle.row() + valueReach; ++row)
            for (int column = middle.column() - valueReach; column <= middle.column() + valueReach; ++column) {
                const Rgb seen = shot.at(column, row);
                if (seen.blue > 150 && seen.blue > seen.red + 60)
                    return true;
            }
        return false;
    };
    session.player().tap(XK_v);
    auto shown = session.waitForScreen("review-values", [&](const Screenshot& shot) {
        return std::all_of(legal.begin(), legal.end(), [&](SquarePos square) { return inExactBlue(shot, square); });
    });
    ASSERT_TRUE(shown) << "V on the review did not write exact values on every legal square";
    session.keep(*shown, "values-review");
    for (SquarePos square : otherEmptySquares(board, mover, startCursor))
        EXPECT_EQ(changedAround(*shown, *before, square), 0) << "not legal " << square.x << "," << square.y;
}
