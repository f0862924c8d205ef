// The player's aids as a player uses them: a click plays f5, C marks the legal squares (and,
// after f4, names the parallel opening),
// Backspace takes the move back, I walks the cone to a legal square and names it, F1 shows the
// help over the board and Escape only closes it, and M silences
// the game for this run and the next one (the settings file keeps it).
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

constexpr int markReach = 4; // pixels round a square's middle where its mark shows
constexpr int audibleSample = 1000;
constexpr std::uintmax_t recordingWanted = 256 * 1024; // bytes of output to judge

// How many pixels differ round the middle of the surface of square `square`.
int changedAround(const Screenshot& a, const Screenshot& b, SquarePos square)
{
    PixelPos middle = projectSquare(square.x, square.y, 0.0, startTilt);
    return a.countDifferences(b, middle.column() - markReach, middle.row() - markReach,
                              middle.column() + markReach, middle.row() + markReach, 8);
}

std::string nameOf(SquarePos square)
{
    return std::string(1, char('a' + square.x - 1)) + char('0' + 9 - square.y);
}

int loudestSample(const std::string& recording)
{
    int loudest = 0;
    for (size_t i = 0; i + 1 < recording.size(); i += 2) {
        auto sample = static_cast<std::int16_t>(static_cast<std::uint16_t>(
            static_cast<std::uint8_t>(recording[i]) | (static_cast<std::uint8_t>(recording[i + 1]) << 8)));
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    }
    return loudest;
}

} // namespace

TEST(PlayerAids, ClickMarksTakeBackHintAndMuteKeptForTheNextRun)
{
    const std::string config = makeTempDirectory("reversi-aids");
    GameSession::Setup setup;
    setup.environment = {"XDG_CONFIG_HOME=" + config};
    {
        GameSession session(setup);
        ASSERT_TRUE(session.isReady()) << session.problem();
        ASSERT_TRUE(startMatch(session));
        XClient& player = session.player();

        // A click on f5 plays it, as Return would with the cone there.
        const SquarePos f5 = squareNamed("f5");
        PixelPos onF5 = projectSquare(f5.x, f5.y, 0.0, startTilt);
        player.movePointer(onF5.column(), onF5.row());
        player.click(1);
        ExpectedBoard board;
        board.play(f5.x, f5.y, ExpectedBoard::Square::Dark);
        auto played = session.waitForScreen("clicked-f5", [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, board, f5, turnMessage(2));
        });
        ASSERT_TRUE(played) << "a click on f5 did not play it";

        // C: a mark on each of White's legal squares, none elsewhere.
        const std::vector<SquarePos> legal = legalMoves(board, ExpectedBoard::Square::Light);
        const SquarePos corner{1, 1}; // empty and not legal
        player.tap(XK_c);
        auto marked = session.waitForScreen("marks-shown", [&](const Screenshot& shot) {
            return std::all_of(legal.begin(), legal.end(),
                               [&](SquarePos square) { return changedAround(shot, *played, square) > 0; });
        });
        ASSERT_TRUE(marked) << "C did not mark the legal squares";
        EXPECT_EQ(changedAround(*marked, *played, corner), 0) << "a square that is not legal was marked";
        session.keep(*marked, "aids-marks");

        // With the marks on, f4 after f5 names the parallel opening under the prompt; Backspace
        // takes it back and the pointer goes back to f5, as before the click.
        const std::string parallel = "Ouverture : Parall\xE8le";
        const double openingX = centredMessageX(parallel.size());
        constexpr double openingY = 0.91; // the line under the prompt
        EXPECT_EQ(session.font().read(*marked, openingX, openingY, 18), std::string(18, ' '))
            << "an opening was named after f5 alone";
        const SquarePos f4 = squareNamed("f4");
        PixelPos onF4 = projectSquare(f4.x, f4.y, 0.0, startTilt);
        player.movePointer(onF4.column(), onF4.row());
        player.click(1);
        auto named = session.waitForScreen("opening-named", [&](const Screenshot& shot) {
            return session.font().read(shot, openingX, openingY, 18) == "Ouverture : Parall" &&
                   session.font().inkCoverage(shot, openingX, openingY, parallel) >= 0.85;
        });
        ASSERT_TRUE(named) << "f5 f4 with the marks on did not name the parallel opening";
        session.keep(*named, "aids-opening");
        player.tap(XK_BackSpace);
        player.movePointer(onF5.column(), onF5.row());
        ASSERT_TRUE(session.waitForScreen("f4-taken-back", [&](const Screenshot& shot) {
            return cursorMarkerAt(shot, f5.x, f5.y, startTilt) && showsBoard(shot, board, startTilt, f5) &&
                   std::all_of(legal.begin(), legal.end(),
                               [&](SquarePos square) { return changedAround(shot, *played, square) > 0; });
        })) << "Backspace did not take f4 back with the marks still on";
        player.tap(XK_c);
        ASSERT_TRUE(session.waitForScreen("marks-hidden", [&](const Screenshot& shot) {
            return changedAround(shot, *played, legal.front()) == 0;
        })) << "C again did not hide the marks";

        // Backspace: the start position again, Black to move.
        player.tap(XK_BackSpace);
        ASSERT_TRUE(session.waitForScreen("taken-back", [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, ExpectedBoard(), f5, turnMessage(1));
        })) << "Backspace did not take the move back";

        // I: with the cone off the legal squares, it walks to one and the prompt names it.
        const SquarePos a8 = squareNamed("a8");
        PixelPos onA8 = projectSquare(a8.x, a8.y, 0.0, startTilt);
        player.movePointer(onA8.column(), onA8.row());
        ASSERT_TRUE(session.waitForScreen("cone-on-a8", [&](const Screenshot& shot) {
            return cursorMarkerAt(shot, a8.x, a8.y, startTilt);
        })) << "moving the pointer over a8 did not bring the cone";
        player.tap(XK_i);
        const std::vector<SquarePos> blackMoves = legalMoves(ExpectedBoard(), ExpectedBoard::Square::Dark);
        auto hinted = session.waitForScreen("hint", [&](const Screenshot& shot) {
            for (SquarePos square : blackMoves) {
                const std::string named = "Indice : " + nameOf(square);
                if (cursorMarkerAt(shot, square.x, square.y, startTilt) &&
                    readMessage(session.font(), shot, named.size()) == named)
                    return true;
            }
            return false;
        });
        ASSERT_TRUE(hinted) << "I did not walk the cone to a legal square named in the prompt";
        session.keep(*hinted, "aids-hint");

        // F1: the help panel darkens the board; any key closes it and does nothing else.
        const PixelPos boardMiddle = projectSquare(2, 3, 0.0, startTilt); // empty felt
        const int lit = hinted->brightness(boardMiddle.column(), boardMiddle.row());
        player.tap(XK_F1);
        auto help = session.waitForScreen("help", [&](const Screenshot& shot) {
            return shot.brightness(boardMiddle.column(), boardMiddle.row()) < lit / 2;
        });
        ASSERT_TRUE(help) << "F1 showed no help panel";
        session.keep(*help, "aids-help");
        player.tap(XK_Escape);
        ASSERT_TRUE(session.waitForScreen("help-closed", [&](const Screenshot& shot) {
            return shot.brightness(boardMiddle.column(), boardMiddle.row()) >= lit * 3 / 4 &&
                   readMessage(session.font(), shot, 11).rfind("Indice : ", 0) == 0;
        })) << "a key did not close the help, or it did more";

        // M, then leave: the settings file says the sound is off.
        player.tap(XK_m);
        ASSERT_TRUE(seeFramesPass(session, 3));
        player.tap(XK_Escape);
        ASSERT_TRUE(session.waitForScreen("credits", [&](const Screenshot& shot) {
            return showsCredits(session.font(), shot);
        }));
        player.tap(XK_Return);
        std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
        ASSERT_TRUE(status);
        EXPECT_EQ(*status, 0);
        EXPECT_EQ(session.errorOutput(), "");
    }
    EXPECT_NE(readWholeFile(config + "/reversi/settings").find("sound = off"), std::string::npos);

    // The next run: the title's music and the start cue stay silent.
    const std::string recording = config + "/speakers.raw";
    setup.audioDriver = "disk";
    setup.environment.push_back("SDL_DISKAUDIOFILE=" + recording);
    {
        GameSession session(setup);
        ASSERT_TRUE(session.isReady()) << session.problem();
        ASSERT_TRUE(startMatch(session));
        ASSERT_TRUE(session.waitForScreen("recorded", [&](const Screenshot&) {
            std::error_code ignored;
            return std::filesystem::file_size(recording, ignored) >= recordingWanted &&
                   !ignored;
        }));
        EXPECT_LT(loudestSample(readWholeFile(recording)), audibleSample) << "the sound was on";
    }
    removeTree(config);
}
