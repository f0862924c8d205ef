// The title screen as a player meets it: a half-transparent orange veil over black that turns
// solid, then the spinning board with its prompt while the veil fades away; Escape goes to the
// credits, and any key there ends the game with status 0.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"
#include "tests/e2e/TgaPicture.h"

#include <gtest/gtest.h>

namespace {

const std::string prompt = "Appuyer sur une touche pour commencer\n";
constexpr double promptX = 0.158; // (38 bytes centred)
constexpr double enoughInk = 0.85;
constexpr int creditsTextTop = 700; // screen row above the credits line's glyph cells

// The board region in the middle of the screen, where the spin shows.
constexpr int middleLeft = 312, middleTop = 234, middleRight = 712, middleBottom = 534;
// Pixels that change by more than this between two pictures moved; the veil alone fades by a
// few steps per frame and stays below it.
constexpr int movedBy = 60;
constexpr int spinPixels = 500;

} // namespace

TEST(TitleScreen, VeilThenSpinningBoardWithPromptThenCredits)
{
    GameSession session;
    ASSERT_TRUE(session.isReady()) << session.problem();

    int firstStrength = -1;
    auto veil = session.waitForScreen("title-veil", [&](const Screenshot& shot) {
        firstStrength = evenVeilStrength(shot);
        return firstStrength > 0 && firstStrength < 250;
    });
    ASSERT_TRUE(veil) << "no half-transparent orange veil over black";
    session.keep(*veil, "title-veil");

    // The veil grows until it is solid, and only then does the board appear.
    ASSERT_TRUE(session.waitForScreen("title-veil-growing", [&](const Screenshot& shot) {
        return evenVeilStrength(shot) > firstStrength + 8;
    }));
    ASSERT_TRUE(session.waitForScreen("title-veil-solid", isSolidOrange));

    auto board = session.waitForScreen("title-board", [&](const Screenshot& shot) {
        return evenVeilStrength(shot) < 0 && !isSolidOrange(shot) &&
               session.font().inkCoverage(shot, promptX, messageY, prompt) >= enoughInk;
    });
    ASSERT_TRUE(board) << "the board and the prompt never appeared";

    // The board turns under the prompt, which stays where it is.
    auto turned = session.waitForScreen("title-board-turning", [&](const Screenshot& shot) {
        return shot.countDifferences(*board, middleLeft, middleTop, middleRight, middleBottom,
                                     movedBy) > spinPixels;
    });
    ASSERT_TRUE(turned) << "the board does not spin";
    EXPECT_GE(session.font().inkCoverage(*turned, promptX, messageY, prompt), enoughInk);

    // Once the veil has gone the background is black again around the board.
    auto clear = session.waitForScreen("title-board-clear", [&](const Screenshot& shot) {
        return shot.at(2, 2).red == 0 && shot.at(screenWidth - 3, 2).red == 0 &&
               session.font().inkCoverage(shot, promptX, messageY, prompt) >= enoughInk;
    });
    ASSERT_TRUE(clear) << "the veil never faded away";
    session.keep(*clear, "title-board");

    session.player().tap(XK_Escape);
    auto credits = session.waitForScreen("credits", [&](const Screenshot& shot) {
        return showsCredits(session.font(), shot);
    });
    ASSERT_TRUE(credits) << "Escape on the title did not lead to the credits";
    EXPECT_EQ(session.font().read(*credits, 0.0, creditsY, creditsLine.size()), creditsLine);
    // The background picture fills the screen behind the line.
    TgaPicture background(projectRoot() + "/data/image/fond.tga");
    ASSERT_TRUE(background.isLoaded());
    EXPECT_TRUE(showsPictureAbove(*credits, background, creditsTextTop));
    session.keep(*credits, "credits");

    session.player().tap(XK_space);
    std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
    ASSERT_TRUE(status) << "the game did not end after a key on the credits";
    EXPECT_EQ(*status, 0);
}
