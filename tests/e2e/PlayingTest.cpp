// The play screen under a player's hands: the cursor follows the arrow keys and stops at the
// board's edges, Return on a square that captures nothing changes nothing, and a legal move
// flips discs and hands the turn to the other player.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"

#include <chrono>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>

namespace {

// Frames to let pass after a key that should change nothing, before looking.
constexpr int settleFrames = 8;

// The screen still shows the start of the match with the cursor on `cursor`.
void expectUnchangedStart(GameSession& session, SquarePos cursor, const std::string& why)
{
    ASSERT_TRUE(seeFramesPass(session, settleFrames)) << why;
    Screenshot shot = session.player().grabScreen();
    SquarePos marker = cursorMarkerSquare(shot, startTilt);
    EXPECT_EQ(marker.x, cursor.x) << why;
    EXPECT_EQ(marker.y, cursor.y) << why;
    std::string mismatch;
    EXPECT_TRUE(showsBoard(shot, ExpectedBoard{}, startTilt, cursor, &mismatch))
        << why << ": " << mismatch;
    EXPECT_EQ(readMessage(session.font(), shot, turnMessage(1).size()), turnMessage(1)) << why;
    ScorePanel panel = readScorePanel(session.font(), shot);
    EXPECT_EQ(panel.scoreOne, "2") << why;
    EXPECT_EQ(panel.scoreTwo, "2") << why;
}

// Taps `key` `times` times against an edge the cursor already stands on.
void pushAgainstEdge(GameSession& session, KeySym key, int times)
{
    for (int i = 0; i < times; ++i)
        session.player().tap(key);
}

} // namespace

TEST(PlayScreen, CursorEdgesIllegalAndLegalMoves)
{
    GameSession session;
    ASSERT_TRUE(session.isReady()) << session.problem();
    ASSERT_TRUE(startMatch(session));

    // What the game and the X server cost while nothing happens on the play screen.
    // Measured and reported, not judged: it depends on the machine and what else runs.
    double gameBefore = cpuSecondsOf(session.game().pid());
    double serverBefore = cpuSecondsOf(session.serverPid());
    auto measuredFrom = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(3));
    double gameSeconds = cpuSecondsOf(session.game().pid()) - gameBefore;
    double serverSeconds = cpuSecondsOf(session.serverPid()) - serverBefore;
    double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - measuredFrom).count();
    std::cout << "Idle play screen: the game used " << 100.0 * gameSeconds / wallSeconds
              << " % of one core, the X server " << 100.0 * serverSeconds / wallSeconds << " %\n";

    // One step each way: Up goes up the screen, away from the players.
    ASSERT_TRUE(moveCursor(session, {3, 5}, {4, 5}));
    ASSERT_TRUE(moveCursor(session, {4, 5}, {4, 6}));
    Screenshot upOnce = session.player().grabScreen();
    EXPECT_LT(projectSquare(4, 6, cursorMarkerHeight, startTilt).y,
              projectSquare(4, 5, cursorMarkerHeight, startTilt).y);
    EXPECT_TRUE(cursorMarkerAt(upOnce, 4, 6, startTilt));
    ASSERT_TRUE(moveCursor(session, {4, 6}, {4, 5}));
    ASSERT_TRUE(moveCursor(session, {4, 5}, {3, 5}));

    // Into each edge and a few taps beyond it; the cursor stays on the last square.
    struct EdgeRow {
        const char* edge;
        SquarePos from;
        SquarePos edgeSquare;
        KeySym push;
    };
    const EdgeRow edges[] = {
        {"left", {3, 5}, {1, 5}, XK_Left},
        {"bottom", {1, 5}, {1, 1}, XK_Down},
        {"right", {1, 1}, {8, 1}, XK_Right},
        {"top", {8, 1}, {8, 8}, XK_Up},
    };
    for (const EdgeRow& row : edges) {
        ASSERT_TRUE(moveCursor(session, row.from, row.edgeSquare)) << row.edge;
        pushAgainstEdge(session, row.push, 3);
        ASSERT_TRUE(seeFramesPass(session, settleFrames)) << row.edge;
        SquarePos marker = cursorMarkerSquare(session.player().grabScreen(), startTilt);
        EXPECT_EQ(marker.x, row.edgeSquare.x) << row.edge;
        EXPECT_EQ(marker.y, row.edgeSquare.y) << row.edge;
    }
    // Keypad arrows steer too: 4 left, 2 down, back to the corner.
    session.player().tap(XK_KP_4);
    ASSERT_TRUE(session.waitForScreen("keypad-left", [](const Screenshot& shot) {
        SquarePos marker = cursorMarkerSquare(shot, startTilt);
        return marker.x == 7 && marker.y == 8;
    }));
    session.player().tap(XK_KP_2);
    ASSERT_TRUE(session.waitForScreen("keypad-down", [](const Screenshot& shot) {
        SquarePos marker = cursorMarkerSquare(shot, startTilt);
        return marker.x == 7 && marker.y == 7;
    }));

    // Return where nothing is captured: an empty corner, then an occupied square.
    ASSERT_TRUE(moveCursor(session, {7, 7}, {1, 1}));
    session.player().tap(XK_Return);
    expectUnchangedStart(session, {1, 1}, "Return on an empty square that captures nothing");
    ASSERT_TRUE(moveCursor(session, {1, 1}, {4, 4}));
    session.player().tap(XK_Return);
    expectUnchangedStart(session, {4, 4}, "Return on an occupied square");

    // f5 captures e5: four dark discs against one light, and player two to move.
    SquarePos f5 = squareNamed("f5");
    ASSERT_TRUE(moveCursor(session, {4, 4}, f5));
    session.player().tap(XK_Return);
    ExpectedBoard afterMove;
    ASSERT_EQ(afterMove.play(f5.x, f5.y, ExpectedBoard::Square::Dark), 1);
    auto played = session.waitForScreen("move-played", [&](const Screenshot& shot) {
        return showsPlayScreen(session.font(), shot, afterMove, f5, turnMessage(2));
    });
    ASSERT_TRUE(played) << "f5 was not played, or the turn did not pass";
    ScorePanel panel = readScorePanel(session.font(), *played);
    EXPECT_EQ(panel.scoreOne, "4");
    EXPECT_EQ(panel.scoreTwo, "1");
    session.keep(*played, "move-played");

    // The played square itself, once the cone has moved off it.
    ASSERT_TRUE(moveCursor(session, f5, {f5.x, f5.y - 1}));
    EXPECT_EQ(discSeenAt(session.player().grabScreen(), f5.x, f5.y, startTilt),
              ExpectedBoard::Square::Dark);
}
