// Starting a match: the solid orange flash that swallows every key, then the play screen with
// the start position, the cursor on c4 and player one to move; Escape leaves for the credits.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"

#include <chrono>
#include <gtest/gtest.h>
#include <iostream>

TEST(StartFlash, IgnoresKeysThenShowsTheStartPosition)
{
    GameSession session;
    ASSERT_TRUE(session.isReady()) << session.problem();

    ASSERT_TRUE(session.waitForScreen("title", [](const Screenshot& shot) {
        return evenVeilStrength(shot) > 0;
    }));
    auto started = std::chrono::steady_clock::now();
    session.player().tap(XK_Return);
    auto flash = session.waitForScreen("start-flash", isSolidOrange);
    ASSERT_TRUE(flash) << "no solid orange flash after Return on the title";
    session.keep(*flash, "start-flash");

    // Each of these would leave a mark on the play screen if the flash let it through: the
    // credits, a moved cursor, a played c4, a changed tilt.
    for (KeySym key : {XK_Escape, XK_Left, XK_Up, XK_Return, XK_space, XK_KP_Enter})
        session.player().tap(key);
    session.player().press(XK_Next);
    session.player().release(XK_Next);

    ExpectedBoard start;
    auto play = session.waitForScreen("start-position", [&](const Screenshot& shot) {
        return showsPlayScreen(session.font(), shot, start, startCursor, turnMessage(1));
    });
    ASSERT_TRUE(play) << "the flash did not end in the untouched start of a match";
    auto flashLasted = std::chrono::steady_clock::now() - started;
    std::cout << "From the start key to the play screen: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(flashLasted).count()
              << " ms\n";

    ASSERT_TRUE(seeFramesPass(session, 10));
    Screenshot settled = session.player().grabScreen();
    std::string mismatch;
    EXPECT_TRUE(showsBoard(settled, start, startTilt, startCursor, &mismatch)) << mismatch;
    SquarePos marker = cursorMarkerSquare(settled, startTilt);
    EXPECT_EQ(marker.x, startCursor.x);
    EXPECT_EQ(marker.y, startCursor.y);
    EXPECT_TRUE(farFrameEdgeMatches(settled, startTilt)) << "the tilt is not the start tilt";
    EXPECT_EQ(readMessage(session.font(), settled, turnMessage(1).size()), turnMessage(1));
    ScorePanel panel = readScorePanel(session.font(), settled);
    EXPECT_EQ(panel.nameOne, "Joueur 1");
    EXPECT_EQ(panel.scoreOne, "2");
    EXPECT_EQ(panel.nameTwo, "Joueur 2");
    EXPECT_EQ(panel.scoreTwo, "2");
    session.keep(settled, "start-position");

    session.player().tap(XK_Escape);
    ASSERT_TRUE(session.waitForScreen("credits-from-play", [&](const Screenshot& shot) {
        return showsCredits(session.font(), shot);
    })) << "Escape on the play screen did not lead to the credits";
    session.player().tap(XK_Return);
    std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
}
