// The review screen with the real game: R on the title opens the last kept game at its final
// position, Home, Right and End step through it and the top line names each move, P plays on from
// the position shown and the match is kept with the game's moves up to there; --review opens the
// window straight on a game, and Escape then goes to the credits.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenProbe.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> keptMoves = {"f5", "d6", "c5", "f4", "e3", "f6"};

// The position after the first `count` of keptMoves, Black first.
ExpectedBoard afterMoves(std::size_t count)
{
    ExpectedBoard board;
    for (std::size_t i = 0; i < count; ++i) {
        const SquarePos square = squareNamed(keptMoves[i]);
        const auto colour = i % 2 == 0 ? ExpectedBoard::Square::Dark : ExpectedBoard::Square::Light;
        EXPECT_GT(board.play(square.x, square.y, colour), 0) << keptMoves[i];
    }
    return board;
}

// The top line as the font reader reads it: it knows printable ASCII only, and reads the accented
// letters of these lines as their plain ones.
std::string asRead(std::string line)
{
    for (char& c : line)
        if (c == '\xE9')
            c = 'e';
    return line;
}

// The review shows `board` (the cone's square aside) under the top line `line`.
bool showsReview(GameSession& session, const Screenshot& shot, const ExpectedBoard& board, const std::string& line)
{
    return showsBoard(shot, board, startTilt, startCursor) &&
           readMessage(session.font(), shot, line.size()) == asRead(line) &&
           session.font().inkCoverage(shot, centredMessageX(line.size()), messageY, line) >= 0.85;
}

bool waitForReview(GameSession& session, const std::string& what, const ExpectedBoard& board, const std::string& line)
{
    if (const std::optional<Screenshot> shot = session.waitForScreen(
            what, [&](const Screenshot& shot) { return showsReview(session, shot, board, line); })) {
        session.keep(*shot, what);
        return true;
    }
    const Screenshot last = session.player().grabScreen();
    std::string mismatch;
    showsBoard(last, board, startTilt, startCursor, &mismatch);
    ADD_FAILURE() << what << ": the board differs at " << mismatch << ", the top line reads '"
                  << readMessage(session.font(), last, line.size()) << "'";
    return false;
}

} // namespace

TEST(Review, TitleROpensTheKeptGameAndStepsThroughIt)
{
    const std::string dataHome = makeTempDirectory("reversi-review-kept");
    ASSERT_TRUE(std::filesystem::create_directories(dataHome + "/reversi"));
    std::string moves;
    for (std::size_t i = 0; i < keptMoves.size(); ++i)
        moves += std::string(i % 2 == 0 ? "B[" : "W[") + keptMoves[i] + "]";
    std::ofstream(dataHome + "/reversi/games.ggf", std::ios::binary)
        << "(;GM[Othello]PC[reversi]DT[2026.12.08_10:07:36.UTC]PB[Joueur 1]PW[Joueur 2]TY[8]"
           "BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- -------- *]"
        << moves << ";)\n";

    GameSession::Setup setup;
    setup.environment = {"XDG_DATA_HOME=" + dataHome};
    {
        GameSession session(setup);
        ASSERT_TRUE(session.isReady()) << session.problem();
        ASSERT_TRUE(session.waitForScreen("title", [](const Screenshot& shot) { return evenVeilStrength(shot) > 0; }));
        XClient& player = session.player();
        player.tap(XK_r);
        ASSERT_TRUE(waitForReview(session, "review-final", afterMoves(6), "Coup 6 : Joueur 2 a jou\xE9 f6"))
            << "R did not show the kept game's final position";
        player.tap(XK_Home);
        ASSERT_TRUE(waitForReview(session, "review-start", afterMoves(0), "D\xE9" "but de partie"));
        for (int tap = 0; tap < 3; ++tap)
            player.tap(XK_Right);
        ASSERT_TRUE(waitForReview(session, "review-third", afterMoves(3), "Coup 3 : Joueur 1 a jou\xE9 c5"));
        player.tap(XK_End);
        ASSERT_TRUE(waitForReview(session, "review-end", afterMoves(6), "Coup 6 : Joueur 2 a jou\xE9 f6"));

        // Escape goes back to the title.
        player.tap(XK_Escape);
        ASSERT_TRUE(session.waitForScreen("title-again", [&](const Screenshot& shot) {
            return session.font().read(shot, 0.158, messageY, 7) == "Appuyer"; // the prompt, 38 bytes centred
        })) << "Escape did not go back to the title";

        // R again, the third move's position, and P plays on from there: Joueur 2 to move.
        player.tap(XK_r);
        ASSERT_TRUE(waitForReview(session, "review-again", afterMoves(6), "Coup 6 : Joueur 2 a jou\xE9 f6"));
        player.tap(XK_Home);
        for (int tap = 0; tap < 3; ++tap)
            player.tap(XK_Right);
        ASSERT_TRUE(waitForReview(session, "review-third-again", afterMoves(3), "Coup 3 : Joueur 1 a jou\xE9 c5"));
        player.tap(XK_p);
        ASSERT_TRUE(session.waitForScreen("play-on", [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, afterMoves(3), startCursor, turnMessage(2));
        })) << "P did not open the play screen on the position shown";
        // One move played on: f4, the kept game's own fourth.
        const SquarePos f4 = squareNamed("f4");
        ASSERT_TRUE(moveCursor(session, startCursor, f4));
        player.tap(XK_Return);
        ASSERT_TRUE(session.waitForScreen("played-on", [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, afterMoves(4), f4, turnMessage(1));
        })) << "the move played on did not land";

        // Escape leaves the match (it is kept) for the credits.
        player.tap(XK_Escape);
        ASSERT_TRUE(session.waitForScreen("credits", [&](const Screenshot& shot) {
            return showsCredits(session.font(), shot);
        }));
        player.tap(XK_Return);
        const std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
        ASSERT_TRUE(status);
        EXPECT_EQ(*status, 0);
        EXPECT_EQ(session.errorOutput(), "");
    }
    // The match played on is kept after the reviewed game, with its three moves first.
    std::ifstream kept(dataHome + "/reversi/games.ggf", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(kept, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("PB[Joueur 1]PW[Joueur 2]"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("*]B[f5]W[d6]B[c5]W[f4];)"), std::string::npos) << lines[1];
    removeTree(dataHome);
}

TEST(Review, CommandLineOpensTheWindowOnTheGameAndEscapeGoesToTheCredits)
{
    GameSession::Setup setup;
    setup.arguments = {"--review", "f5d6c5"};
    GameSession session(setup);
    ASSERT_TRUE(session.isReady()) << session.problem();
    ASSERT_TRUE(waitForReview(session, "review-given", afterMoves(3), "Coup 3 : Joueur 1 a jou\xE9 c5"));
    session.player().tap(XK_Left);
    ASSERT_TRUE(waitForReview(session, "review-back", afterMoves(2), "Coup 2 : Joueur 2 a jou\xE9 d6"));
    session.player().tap(XK_Escape);
    ASSERT_TRUE(session.waitForScreen("credits", [&](const Screenshot& shot) {
        return showsCredits(session.font(), shot);
    }));
    session.player().tap(XK_Return);
    const std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
}
