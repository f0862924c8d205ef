// The play and game-over messages built from the players' names and the result.
#include "app/screens/ScreenTexts.h"
#include "rules/MatchResult.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(ScreenTexts, MessagesAreTheNameFollowedByTheirPhrase)
{
    std::string message = "a longer text that was there before";
    EXPECT_EQ(turnMessage(text::PlayerOneName, message), "Joueur 1 a toi de jouer.");
    EXPECT_EQ(message.size(), 24u); // the overlay centres on this count
    EXPECT_EQ(turnMessage(text::PlayerTwoName, message), "Joueur 2 a toi de jouer.");
    EXPECT_EQ(std::strlen(text::TitlePrompt), 38u);         // the newline counts
}

TEST(ScreenTexts, GameOverNamesTheWinnerOrCallsTheDraw)
{
    struct Row {
        MatchResult result;
        const char* message;
    };
    const Row rows[] = {
        {MatchResult(ScoreLine("Joueur 2", 40), ScoreLine("Joueur 1", 24), false), "Joueur 2 est le gagnant !"},
        {MatchResult(ScoreLine("Joueur 1", 13), ScoreLine("Joueur 2", 0), false), "Joueur 1 est le gagnant !"},
        {MatchResult(ScoreLine("Joueur 1", 32), ScoreLine("Joueur 2", 32), true), "Match nul !"},
    };
    std::string message = "Joueur 1 a toi de jouer.";
    for (const Row& row : rows)
        EXPECT_EQ(gameOverMessage(row.result, message), row.message);
}

TEST(ScreenTexts, OpeningLineNamesTheLongestLineTheGameWentThrough)
{
    // Squares 0 = a1 ... 63 = h8.
    constexpr int c4 = 26, c5 = 34, d6 = 43, f4 = 29, f5 = 37, a1 = 0;
    struct Row {
        std::vector<int> moves;
        const char* line;
    };
    const Row rows[] = {
        {{}, ""},
        {{f5}, ""},
        {{f5, f4}, "Ouverture : Parall\xE8le"},
        {{c4, c5}, "Ouverture : Parall\xE8le"}, // the same line, the board turned
        {{f5, d6}, "Ouverture : Perpendiculaire"},
        {{f5, f4, c5}, "Ouverture : Parall\xE8le"}, // past its opening: the name stays
        {{f5, f4, -1}, "Ouverture : Parall\xE8le"}, // a pass ends the reading
        {{f5, f4, a1}, "Ouverture : Parall\xE8le"}, // an illegal move too
    };
    std::string line = "a longer text that was there before";
    for (const Row& row : rows)
        EXPECT_EQ(openingMessage(row.moves, line), row.line) << row.moves.size() << " moves";
}

} // namespace
