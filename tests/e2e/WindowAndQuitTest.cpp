// How the game shows its picture and how it leaves: with --windowed in an ordinary 1024 x 768
// window, else over the whole screen; either way a match plays, and SIGTERM or SIGINT in the
// middle of it ends the game at once through its normal shutdown, with status 0.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ShownWindows.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>

namespace {

bool anyWindow(const std::vector<ShownWindow>& windows, bool overrideRedirect)
{
    return std::any_of(windows.begin(), windows.end(), [&](const ShownWindow& window) {
        return window.width == 1024 && window.height == 768 &&
               window.overrideRedirect == overrideRedirect;
    });
}

} // namespace

TEST(WindowAndQuitSignal, MatchPlaysThenTheSignalEndsTheGameWithStatusZero)
{
    struct Row {
        const char* situation;
        std::vector<std::string> arguments;
        bool windowed;
        int signal;
    };
    const Row rows[] = {
        {"--windowed, then SIGTERM", {"--windowed"}, true, SIGTERM},
        {"full screen, then SIGINT", {}, false, SIGINT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.situation);
        GameSession::Setup setup;
        setup.arguments = row.arguments;
        GameSession session(setup);
        ASSERT_TRUE(session.isReady()) << session.problem();
        ASSERT_TRUE(startMatch(session));

        const std::vector<ShownWindow> windows = shownWindows(session.displayName());
        EXPECT_TRUE(anyWindow(windows, false)) << "no ordinary 1024 x 768 window";
        EXPECT_EQ(anyWindow(windows, true), !row.windowed)
            << "a full-screen window is shown exactly when not windowed";

        // One move, and the other side's turn.
        const SquarePos f5 = squareNamed("f5");
        ASSERT_TRUE(moveCursor(session, startCursor, f5));
        session.player().tap(XK_Return);
        ExpectedBoard board;
        ASSERT_GT(board.play(f5.x, f5.y, ExpectedBoard::Square::Dark), 0);
        ASSERT_TRUE(session.waitForScreen("after-f5", [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, board, f5, turnMessage(2));
        })) << "the move was not played";

        const auto sent = std::chrono::steady_clock::now();
        ASSERT_EQ(kill(session.game().pid(), row.signal), 0);
        std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
        const auto delay = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - sent);
        ASSERT_TRUE(status) << "still running, or ended by signal "
                            << session.game().terminatingSignal();
        EXPECT_EQ(*status, 0);
        // The match left by the signal is kept, without a result.
        const std::string kept = session.keptGames();
        EXPECT_NE(kept.find("PB[Joueur 1]PW[Joueur 2]TY[8]"), std::string::npos) << kept;
        ASSERT_GE(kept.size(), 9u);
        EXPECT_EQ(kept.substr(kept.size() - 9), "]B[f5];)\n") << kept;
        EXPECT_EQ(kept.find("RE["), std::string::npos) << kept;
        // Measured and reported, not judged: it depends on the machine and what else runs.
        std::cout << row.situation << ": the game ended " << delay.count()
                  << " ms after the signal\n";
    }
}
