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
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int valueReach = 7; // pixels round a square's middle: the middle glyph's strokes fall there

using Squares = std::vector<SquarePos>;
using Square = ExpectedBoard::Square;

int changedAround(const Screenshot& a, const Screenshot& b, SquarePos square)
{
    const PixelPos middle = projectSquare(square.x, square.y, 0.0, startTilt);
    return a.countDifferences(b, middle.column() - valueReach, middle.row() - valueReach,
                              middle.column() + valueReach, middle.row() + valueReach, 8);
}

// Pale blue, the exact values' colour: blue well above red somewhere round the square's middle.
bool inExactBlue(const Screenshot& shot, SquarePos square)
{
    const PixelPos middle = projectSquare(square.x, square.y, 0.0, startTilt);
    for (int row = middle.row() - valueReach; row <= middle.row() + valueReach; ++row)
        for (int column = middle.column() - valueReach; column <= middle.column() + valueReach; ++column) {
            const Rgb seen = shot.at(column, row);
            if (seen.blue > 150 && seen.blue > seen.red + 60)
                return true;
        }
    return false;
}

// Waits until `shown` holds on every legal square of `board` (`mover` to move, the cone on
// `cone`); then no other empty square away from the cone may differ from `before`. The picture
// with the values, or nothing.
std::optional<Screenshot> waitForValues(GameSession& session, const Screenshot& before, const ExpectedBoard& board,
                                        Square mover, SquarePos cone,
                                        const std::function<bool(const Screenshot&, SquarePos)>& shown)
{
    const Squares legal = legalMoves(board, mover);
    auto with = session.waitForScreen("values-shown", [&](const Screenshot& shot) {
        return std::all_of(legal.begin(), legal.end(), [&](SquarePos square) { return shown(shot, square); });
    });
    if (!with) {
        ADD_FAILURE() << "V did not write on every legal square";
        return with;
    }
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            const bool isLegal = std::any_of(legal.begin(), legal.end(), [&](SquarePos s) { return s.x == x && s.y == y; });
            const bool nearCone = std::abs(x - cone.x) <= 1 && std::abs(y - cone.y) <= 1;
            if (board.at(x, y) == Square::Empty && !isLegal && !nearCone) {
                EXPECT_EQ(changedAround(*with, before, {x, y}), 0) << "not legal: " << x << "," << y;
            }
        }
    return with;
}

Square otherSide(Square side)
{
    return side == Square::Dark ? Square::Light : Square::Dark;
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

    const std::vector<std::vector<const char*>> steps = {{}, {"f5", "d6", "c3"}}; // played before each V
    ExpectedBoard board;
    Square mover = Square::Dark;
    for (const std::vector<const char*>& moves : steps) {
        SCOPED_TRACE(moves.size());
        for (const char* name : moves) {
            const SquarePos square = squareNamed(name);
            const PixelPos on = projectSquare(square.x, square.y, 0.0, startTilt);
            player.movePointer(on.column(), on.row());
            player.click(1);
            ASSERT_GT(board.play(square.x, square.y, mover), 0) << name;
            mover = otherSide(mover);
        }
        player.movePointer(onA8.column(), onA8.row());
        auto before = session.waitForScreen("values-before", [&](const Screenshot& shot) {
            return cursorMarkerAt(shot, a8.x, a8.y, startTilt) && showsBoard(shot, board, startTilt, a8);
        });
        ASSERT_TRUE(before) << "the position with the cone on a8 never showed";
        // The start at level 3 is valued to its last depth within a few frames: 30 more settle it.
        auto changed = [&](const Screenshot& shot, SquarePos square) { return changedAround(shot, *before, square) > 0; };
        player.tap(XK_v);
        ASSERT_TRUE(waitForValues(session, *before, board, mover, a8, changed));
        ASSERT_TRUE(seeFramesPass(session, 30));
        auto settled = waitForValues(session, *before, board, mover, a8, changed);
        ASSERT_TRUE(settled);
        session.keep(*settled, moves.empty() ? "values-start" : "values-midgame");
        const Squares legal = legalMoves(board, mover);

        player.tap(XK_v);
        ASSERT_TRUE(session.waitForScreen("values-hidden", [&](const Screenshot& shot) {
            return std::none_of(legal.begin(), legal.end(), [&](SquarePos s) { return changed(shot, s); });
        })) << "V again did not take the values away";
    }
    EXPECT_EQ(session.errorOutput(), "");
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
    Square mover = Square::Dark;
    for (std::size_t i = 0; i < moves.size(); i += 2, mover = otherSide(mover))
        ASSERT_GT(board.play(squareNamed(moves.substr(i, 2)).x, squareNamed(moves.substr(i, 2)).y, mover), 0) << i / 2;
    auto before = session.waitForScreen("review-values-before", [&](const Screenshot& shot) {
        return showsBoard(shot, board, startTilt, startCursor);
    });
    ASSERT_TRUE(before) << "the review never showed the position after 45 moves";
    session.player().tap(XK_v);
    auto shown = waitForValues(session, *before, board, mover, startCursor, inExactBlue);
    ASSERT_TRUE(shown) << "V on the review did not write exact values on every legal square";
    session.keep(*shown, "values-review");
    EXPECT_EQ(session.errorOutput(), "");
}
