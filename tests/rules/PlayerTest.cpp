// Players hand over a submitted square once; results copy what they are given.
#include "rules/MatchResult.h"
#include "rules/Player.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HumanPlayer, StartsWithTwoDiscsAndNothingPending)
{
    HumanPlayer player(2, "Joueur 2");
    EXPECT_STREQ(player.name(), "Joueur 2");
    EXPECT_EQ(player.number(), 2);
    EXPECT_EQ(player.score(), 2);
    EXPECT_EQ(player.pendingMove().x, 0);
    EXPECT_EQ(player.pendingMove().y, 0);
    EXPECT_FALSE(player.takeMove());
}

TEST(HumanPlayer, HandsOverTheLastSquareOnce)
{
    HumanPlayer player(1, "Joueur 1");
    player.setMove(CellPos{3, 5});
    player.setMove(CellPos{6, 4}); // overwrites the first
    EXPECT_TRUE(player.takeMove());
    EXPECT_EQ(player.pendingMove().x, 6);
    EXPECT_EQ(player.pendingMove().y, 4);
    EXPECT_FALSE(player.takeMove());
    EXPECT_EQ(player.pendingMove().x, 6) << "taking the move keeps the square readable";
}

TEST(HumanPlayer, NameIsCopied)
{
    std::string name = "Joueur 1";
    HumanPlayer player(1, name.c_str());
    name = "changed";
    EXPECT_STREQ(player.name(), "Joueur 1");
    player.setScore(64);
    EXPECT_EQ(player.score(), 64);
}

TEST(MatchResult, CopiesBothLines)
{
    std::string winnerName = "Joueur 2";
    const MatchResult result(ScoreLine(winnerName.c_str(), 40), ScoreLine("Joueur 1", 24), false);
    winnerName = "changed";
    EXPECT_STREQ(result.winner().name(), "Joueur 2");
    EXPECT_EQ(result.winner().score(), 40);
    EXPECT_STREQ(result.loser().name(), "Joueur 1");
    EXPECT_EQ(result.loser().score(), 24);
    EXPECT_FALSE(result.isDraw());
}

} // namespace
