// A whole match played from the keyboard: the nine-move wipe-out f5 d6 c5 f4 e3 f6 g5 e6 e7,
// checked position by position, to the winner screen, the credits and a clean exit.
// With REVERSI_SDL_LIBRARY_DIR set, the game takes SDL 1.2 from that folder (LD_LIBRARY_PATH),
// e.g. sdl12-compat's, and the match checks that it really did.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/MappedFiles.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenProbe.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const std::string winnerMessage = "Joueur 1 est le gagnant !";

} // namespace

TEST(WholeMatch, WipeOutToWinnerAndCredits)
{
    GameSession::Setup setup;
    const char* sdlFolder = std::getenv("REVERSI_SDL_LIBRARY_DIR");
    if (sdlFolder != nullptr)
        setup.environment = {std::string("LD_LIBRARY_PATH=") + sdlFolder};
    GameSession session(setup);
    ASSERT_TRUE(session.isReady()) << session.problem();
    ASSERT_TRUE(startMatch(session));
    if (sdlFolder != nullptr) {
        const std::vector<std::string> sdl = mappedFiles(session.game().pid(), "/libSDL-1.2.so");
        ASSERT_EQ(sdl.size(), 1u) << "the game maps no libSDL-1.2, or more than one";
        EXPECT_EQ(sdl.front().rfind(std::string(sdlFolder) + "/", 0), 0u) << sdl.front();
    }

    ExpectedBoard board;
    SquarePos cursor = startCursor;
    int side = 1;
    for (const char* move : {"f5", "d6", "c5", "f4", "e3", "f6", "g5", "e6", "e7"}) {
        SCOPED_TRACE(move);
        SquarePos target = squareNamed(move);
        // Every square the cone leaves is checked on the way.
        ASSERT_TRUE(moveCursor(session, cursor, target));
        cursor = target;
        std::string mismatch;
        EXPECT_TRUE(showsBoard(session.player().grabScreen(), board, startTilt, cursor, &mismatch))
            << mismatch;

        session.player().tap(XK_Return);
        auto colour = side == 1 ? ExpectedBoard::Square::Dark : ExpectedBoard::Square::Light;
        ASSERT_GT(board.play(target.x, target.y, colour), 0);
        auto other = side == 1 ? ExpectedBoard::Square::Light : ExpectedBoard::Square::Dark;
        if (board.hasMove(other))
            side = 3 - side;
        bool over = !board.hasMove(ExpectedBoard::Square::Dark) &&
                    !board.hasMove(ExpectedBoard::Square::Light);
        std::string message = over ? winnerMessage : turnMessage(side);
        ASSERT_TRUE(session.waitForScreen(std::string("after-") + move, [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, board, cursor, message);
        })) << "the position after " << move << " never showed";
    }

    EXPECT_EQ(board.count(ExpectedBoard::Square::Dark), 13);
    EXPECT_EQ(board.count(ExpectedBoard::Square::Light), 0);
    Screenshot over = session.player().grabScreen();
    EXPECT_EQ(readMessage(session.font(), over, winnerMessage.size()), winnerMessage);
    ScorePanel panel = readScorePanel(session.font(), over);
    EXPECT_EQ(panel.nameOne, "Joueur 1");
    EXPECT_EQ(panel.scoreOne, "13");
    EXPECT_EQ(panel.nameTwo, "Joueur 2");
    EXPECT_EQ(panel.scoreTwo, "0");
    session.keep(over, "game-over");

    // Any key leaves the winner screen for the credits, and any key there ends the game.
    session.player().tap(XK_Left);
    auto credits = session.waitForScreen("credits-after-match", [&](const Screenshot& shot) {
        return showsCredits(session.font(), shot);
    });
    ASSERT_TRUE(credits) << "no credits after the winner screen";
    session.player().tap(XK_Return);
    std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
    ASSERT_TRUE(status) << "the game did not end after a key on the credits";
    EXPECT_EQ(*status, 0);
}
