// Playing against the computer as a player does: the human plays f5, the computer thinks (the
// frames keep coming), walks its cone to a legal square and plays it; Escape during its next
// think leads to the credits, and one more key ends the game cleanly.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenProbe.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <vector>

namespace {

// "Ordinateur réfléchit..." in the game's Windows-1252 bytes.
const std::string thinking = "Ordinateur r\xE9" "fl\xE9" "chit...";

// The thinking prompt shows: its ASCII letters read back as they are (the reader knows only
// printable ASCII), and the whole text, accents included, is inked where it belongs.
bool showsThinking(const OverlayText& font, const Screenshot& shot)
{
    const std::string seen = readMessage(font, shot, thinking.size());
    for (size_t i = 0; i < thinking.size(); ++i) {
        if (static_cast<unsigned char>(thinking[i]) < 0x80 && seen[i] != thinking[i])
            return false;
    }
    return font.inkCoverage(shot, centredMessageX(thinking.size()), messageY, thinking) >= 0.85;
}

// Plays `move` for the human (dark) from the cone on `cursor`, and waits until the computer is
// seen thinking about the new position.
bool playAndSeeTheComputerThink(GameSession& session, ExpectedBoard& board, SquarePos cursor, SquarePos move)
{
    if (!moveCursor(session, cursor, move))
        return false;
    session.player().tap(XK_Return);
    board.play(move.x, move.y, ExpectedBoard::Square::Dark);
    return bool(session.waitForScreen("computer-thinking", [&](const Screenshot& shot) {
        return showsBoard(shot, board, startTilt, move) && showsThinking(session.font(), shot);
    }));
}

} // namespace

TEST(ComputerOpponent, AnswersWithALegalMoveAndEscapeLeavesMidThink)
{
    GameSession::Setup setup;
    setup.arguments = {"--computer", "2", "--level", "1"};
    GameSession session(setup);
    ASSERT_TRUE(session.isReady()) << session.problem();
    ASSERT_TRUE(startMatch(session)); // the keyboard player, "Joueur 1", moves first

    ExpectedBoard board;
    ASSERT_TRUE(playAndSeeTheComputerThink(session, board, startCursor, squareNamed("f5")));
    EXPECT_TRUE(seeFramesPass(session, 5)) << "frames stopped while the computer thought";

    // Its answer: one of White's legal moves, the cone on it, and the turn back to the player.
    const std::vector<SquarePos> replies = legalMoves(board, ExpectedBoard::Square::Light);
    ASSERT_FALSE(replies.empty());
    SquarePos reply{};
    auto answered = session.waitForScreen("computer-answered", [&](const Screenshot& shot) {
        for (SquarePos candidate : replies) {
            ExpectedBoard after = board;
            after.play(candidate.x, candidate.y, ExpectedBoard::Square::Light);
            if (showsPlayScreen(session.font(), shot, after, candidate, turnMessage(1))) {
                reply = candidate;
                return true;
            }
        }
        return false;
    });
    ASSERT_TRUE(answered) << "no legal answer from the computer showed";
    board.play(reply.x, reply.y, ExpectedBoard::Square::Light);
    session.keep(*answered, "computer-answered");

    // The player's next move, then Escape while the computer thinks about it.
    const std::vector<SquarePos> mine = legalMoves(board, ExpectedBoard::Square::Dark);
    ASSERT_FALSE(mine.empty());
    ASSERT_TRUE(playAndSeeTheComputerThink(session, board, reply, mine.front()));
    session.player().tap(XK_Escape);
    ASSERT_TRUE(session.waitForScreen("credits-mid-think", [&](const Screenshot& shot) {
        return showsCredits(session.font(), shot);
    }));
    // Kept on leaving, before the game ends: no result, the computer under its level.
    const std::string kept = session.keptGames();
    EXPECT_NE(kept.find("PB[Joueur 1]PW[Ordinateur niveau 1]TY[8]"), std::string::npos) << kept;
    EXPECT_NE(kept.find("]B[f5]W["), std::string::npos) << kept;
    EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 1) << kept;
    session.player().tap(XK_Return);
    std::optional<int> status = session.game().waitForExit(GameSession::defaultLimit);
    ASSERT_TRUE(status) << "the game did not end after a key on the credits";
    EXPECT_EQ(*status, 0);
}
