// The tilt keys: held down, Page Down (or keypad minus) raises the view to straight above and
// no further; Page Up (or keypad plus) lowers it to 30 degrees and no further; letting go stops it.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"

#include <gtest/gtest.h>

namespace {

constexpr double highestTilt = 90.0;
constexpr double lowestTilt = 30.0;
constexpr int holdFrames = 30; // frames a key stays held after the limit was reached
constexpr int stillTolerance = 8;

// The whole screen but the square around the spinning cone is the same in both pictures.
bool sameAsidefromCone(const Screenshot& a, const Screenshot& b, SquarePos cursor, double tilt)
{
    PixelPos cone = projectSquare(cursor.x, cursor.y, cursorMarkerHeight, tilt);
    constexpr int reach = 40;
    int inCone = a.countDifferences(b, cone.column() - reach, cone.row() - reach,
                                    cone.column() + reach, cone.row() + reach, stillTolerance);
    int everywhere = a.countDifferences(b, 0, 0, screenWidth, screenHeight, stillTolerance);
    return everywhere == inCone;
}

// Straight from above the board fills the screen from top to bottom down the middle.
bool boardFillsMiddleColumn(const Screenshot& shot)
{
    for (int row : {2, 60, 700, 765})
        if (shot.brightness(screenWidth / 2, row) < 8)
            return false;
    return true;
}

} // namespace

TEST(Tilt, KeysRaiseAndLowerTheViewWithinLimits)
{
    GameSession session;
    ASSERT_TRUE(session.isReady()) << session.problem();
    ASSERT_TRUE(startMatch(session));
    ASSERT_TRUE(farFrameEdgeMatches(session.player().grabScreen(), startTilt));

    session.player().press(XK_Next);
    ASSERT_TRUE(session.waitForScreen("tilt-rising", boardFillsMiddleColumn))
        << "holding Page Down did not raise the view";
    ASSERT_TRUE(seeFramesPass(session, holdFrames));
    Screenshot top = session.player().grabScreen();
    ASSERT_TRUE(seeFramesPass(session, holdFrames));
    Screenshot stillTop = session.player().grabScreen();
    session.player().release(XK_Next);
    EXPECT_TRUE(sameAsidefromCone(top, stillTop, startCursor, highestTilt))
        << "the view kept moving past straight above";
    std::string mismatch;
    EXPECT_TRUE(showsBoard(stillTop, ExpectedBoard{}, highestTilt, startCursor, &mismatch))
        << "seen from straight above: " << mismatch;
    session.keep(stillTop, "tilt-highest");

    // Lower it part of the way and let go: the view stays where it was left.
    session.player().press(XK_KP_Add);
    ASSERT_TRUE(session.waitForScreen("tilt-lowering", [](const Screenshot& shot) {
        return !boardFillsMiddleColumn(shot);
    })) << "holding keypad plus did not lower the view";
    session.player().release(XK_KP_Add);
    ASSERT_TRUE(seeFramesPass(session, 2));
    Screenshot released = session.player().grabScreen();
    ASSERT_TRUE(seeFramesPass(session, holdFrames));
    EXPECT_TRUE(sameAsidefromCone(released, session.player().grabScreen(), startCursor,
                                  highestTilt))
        << "the view kept moving after the key was let go";

    session.player().press(XK_Prior);
    auto bottom = session.waitForScreen("tilt-lowest", [](const Screenshot& shot) {
        return farFrameEdgeMatches(shot, lowestTilt);
    });
    ASSERT_TRUE(bottom) << "holding Page Up never brought the view down to 30 degrees";
    ASSERT_TRUE(seeFramesPass(session, holdFrames));
    Screenshot stillBottom = session.player().grabScreen();
    session.player().release(XK_Prior);
    EXPECT_TRUE(farFrameEdgeMatches(stillBottom, lowestTilt))
        << "the view kept going below 30 degrees";
    session.keep(stillBottom, "tilt-lowest");

    // Keypad minus raises it again.
    session.player().press(XK_KP_Subtract);
    EXPECT_TRUE(session.waitForScreen("tilt-rising-again", boardFillsMiddleColumn))
        << "holding keypad minus did not raise the view";
    session.player().release(XK_KP_Subtract);
}
