// The play and game-over messages built from the players' names and the result.
#include "app/screens/ScreenTexts.h"
#include "rules/MatchResult.h"

#include <gtest/gtest.h>

#include <cstring>

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

} // namespace
