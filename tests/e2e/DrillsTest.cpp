// The exercises with the real game: E on the title sets the position of the kept game's mistake on
// the board, a click on its best square plays it there and the verdict says it was right; the
// schedule file exists afterwards, and the next run has nothing due until tomorrow; S then counts
// the game and the exercise solved.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenGeometry.h"
#include "tests/e2e/ScreenProbe.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A game of "Joueur 1" against the computer from ten empty squares, where Black's b1 loses 14
// discs against h8 (--solve: h8 +22; --drills lists it so). Every other move of Black's is its best.
constexpr const char* KeptGame =
    "(;GM[Othello]PC[reversi]DT[2026.12.08_10:00:00.UTC]PB[Joueur 1]PW[Ordinateur niveau 3]TY[8]"
    "BO[8 --OO***- *-OOO*-- **OO*O** *O*OO*** *O**OO** *OO***** *OOO*OOO --OOOO-- *]"
    "B[b1]W[h2]B[h8]W[g8]B[h1]W[g2]B[b2]W[a1]B[b8]W[a8];)";
// The position before b1 as --drills lists it: a1 b1 ... h1, a2 ... h8.
constexpr const char* Exercise = "--OOXXX-X-OOOX--XXOOXOXXXOXOOXXXXOXXOOXXXOOXXXXXXOOOXOOO--OOOO-- X";
constexpr double verdictY = 0.91; // the line under the top line

ExpectedBoard boardOf(const std::string& position)
{
    ExpectedBoard board;
    for (int square = 0; square < 64; ++square) {
        const char c = position[std::size_t(square)];
        board.set(square % 8 + 1, 8 - square / 8,
                  c == 'X'   ? ExpectedBoard::Square::Dark
                  : c == 'O' ? ExpectedBoard::Square::Light
                             : ExpectedBoard::Square::Empty);
    }
    return board;
}

bool toTitle(GameSession& session, const std::string& what)
{
    return session
        .waitForScreen(what,
                       [&](const Screenshot& shot) {
                           return session.font().read(shot, 0.158, messageY, 7) == "Appuyer"; // the prompt
                       })
        .has_value();
}

void quitFromTitle(GameSession& session)
{
    session.player().tap(XK_Escape);
    ASSERT_TRUE(session.waitForScreen("credits", [&](const Screenshot& shot) { return showsCredits(session.font(), shot); }));
    session.player().tap(XK_Return);
    const std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
}

} // namespace

TEST(Drills, TitleESetsTheMistakeAClickOnTheBestSquarePlaysItAndItIsNotDueAgainToday)
{
    const std::string dataHome = makeTempDirectory("reversi-drills-data");
    const std::string configHome = makeTempDirectory("reversi-drills-config");
    ASSERT_TRUE(std::filesystem::create_directories(dataHome + "/reversi"));
    std::ofstream(dataHome + "/reversi/games.ggf", std::ios::binary) << KeptGame << "\n";
    const std::string schedule = dataHome + "/reversi/drills.schedule";

    GameSession::Setup setup;
    setup.environment = {"XDG_DATA_HOME=" + dataHome, "XDG_CONFIG_HOME=" + configHome};
    {
        GameSession session(setup);
        ASSERT_TRUE(session.isReady()) << session.problem();
        ASSERT_TRUE(session.waitForScreen("title", [](const Screenshot& shot) { return evenVeilStrength(shot) > 0; }));
        XClient& player = session.player();
        player.tap(XK_e);
        const ExpectedBoard asked = boardOf(Exercise);
        const auto shown = session.waitForScreen("drill-asked", [&](const Screenshot& shot) {
            return showsBoard(shot, asked, startTilt, startCursor);
        });
        ASSERT_TRUE(shown) << "E did not set the exercise's position on the board";
        session.keep(*shown, "drill-asked");
        EXPECT_FALSE(std::filesystem::exists(schedule)) << "nothing answered yet";

        const SquarePos h8 = squareNamed("h8");
        const PixelPos onH8 = projectSquare(h8.x, h8.y, 0.0, startTilt);
        player.movePointer(onH8.column(), onH8.row());
        player.click(1);
        ExpectedBoard played = asked;
        ASSERT_GT(played.play(h8.x, h8.y, ExpectedBoard::Square::Dark), 0);
        const std::string right = "Bien vu !";
        const auto answered = session.waitForScreen("drill-answered", [&](const Screenshot& shot) {
            return showsBoard(shot, played, startTilt, h8) &&
                   session.font().read(shot, centredMessageX(right.size()), verdictY, right.size()) == right;
        });
        ASSERT_TRUE(answered) << "a click on h8 did not play it and say it was right";
        session.keep(*answered, "drill-answered");
        EXPECT_TRUE(std::filesystem::is_regular_file(schedule)) << "the answer was not kept";

        // Any key: no exercise left today; Escape on that line goes back to the title.
        player.tap(XK_space);
        const std::string none = "Aucun exercice \xE0 faire, le prochain demain";
        const std::string tail = "faire, le prochain demain"; // the reader knows ASCII only
        const double tailX = centredMessageX(none.size()) + 0.018 * double(none.size() - tail.size());
        ASSERT_TRUE(session.waitForScreen("drill-none-left", [&](const Screenshot& shot) {
            return session.font().read(shot, tailX, messageY, tail.size()) == tail;
        })) << "the last exercise did not lead to the line saying when the next one is";
        player.tap(XK_Escape);
        ASSERT_TRUE(toTitle(session, "drill-title"));
        quitFromTitle(session);
        EXPECT_EQ(session.errorOutput(), "");
    }
    {
        // The next run: the exercise is not due before tomorrow.
        GameSession session(setup);
        ASSERT_TRUE(session.isReady()) << session.problem();
        ASSERT_TRUE(session.waitForScreen("title", [](const Screenshot& shot) { return evenVeilStrength(shot) > 0; }));
        session.player().tap(XK_e);
        const std::string none = "Aucun exercice \xE0 faire, le prochain demain";
        const std::string tail = "faire, le prochain demain";
        const double tailX = centredMessageX(none.size()) + 0.018 * double(none.size() - tail.size());
        ASSERT_TRUE(session.waitForScreen("drill-not-due", [&](const Screenshot& shot) {
            return session.font().read(shot, tailX, messageY, tail.size()) == tail;
        })) << "the exercise answered right was due again the same day";
        session.player().tap(XK_Return);
        ASSERT_TRUE(toTitle(session, "drill-title-again"));
        // S: the one game against the computer and the exercise solved, over the chart.
        session.player().tap(XK_s);
        const std::string counts = "1 partie, 1 exercice r";
        const auto stats = session.waitForScreen("stats", [&](const Screenshot& shot) {
            return session.font().read(shot, centredMessageX(counts.size() + 11), messageY, counts.size()) == counts;
        });
        ASSERT_TRUE(stats) << "S did not count the game and the exercise solved";
        session.keep(*stats, "stats");
        session.player().tap(XK_Return);
        ASSERT_TRUE(toTitle(session, "stats-title"));
        quitFromTitle(session);
        EXPECT_EQ(session.errorOutput(), "");
    }
    removeTree(dataHome);
    removeTree(configHome);
}
