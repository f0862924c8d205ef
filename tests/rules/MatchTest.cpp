// The match move by move: turns, the pass rule, scoring, the end and its result, restarts.
#include "rules/Board.h"
#include "rules/Match.h"
#include "tests/rules/BoardSetup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A full board: no empty square, so neither side can move whatever the colours.
const std::vector<std::string> FullBoard(8, "BBBBWWWW");

class MatchPlay : public testing::Test {
protected:
    void SetUp() override
    {
        auto one = std::make_unique<HumanPlayer>(1, "Joueur 1");
        auto two = std::make_unique<HumanPlayer>(2, "Joueur 2");
        m_one = one.get();
        m_two = two.get();
        match().start(std::move(one), std::move(two));
    }
    void TearDown() override { Match::destroyInstance(); }

    static Match& match() { return *Match::instance(); }
    static Board& board() { return *Board::instance(); }

    Player* m_one = nullptr;
    Player* m_two = nullptr;
};

TEST_F(MatchPlay, StartSetsUpTheFirstMove)
{
    EXPECT_EQ(match().turn(), 1);
    EXPECT_FALSE(match().isGameOver());
    EXPECT_EQ(match().result(), nullptr);
    EXPECT_EQ(match().player(1), m_one);
    EXPECT_EQ(match().player(2), m_two);
    EXPECT_EQ(match().player(0), nullptr);
    EXPECT_EQ(match().player(3), nullptr);
    EXPECT_EQ(m_one->score(), 2);
    EXPECT_EQ(m_two->score(), 2);
    EXPECT_EQ(board().count(Black), 2);
    EXPECT_EQ(board().cellValue(4, 4), Black);
    EXPECT_EQ(board().cellValue(5, 4), White);
}

TEST_F(MatchPlay, SubmittedMoveIsPlayedAtTheNextStep)
{
    match().submitMove(CellPos{3, 5});
    EXPECT_EQ(board().cellValue(3, 5), Empty) << "submitting alone plays nothing";
    match().step();
    EXPECT_EQ(board().cellValue(3, 5), Black);
    EXPECT_EQ(board().cellValue(4, 5), Black);
    EXPECT_EQ(m_one->score(), 4);
    EXPECT_EQ(m_two->score(), 1);
    EXPECT_EQ(match().turn(), 2);

    match().submitMove(CellPos{3, 4}); // goes to player two now
    EXPECT_FALSE(m_one->takeMove());
    match().step();
    EXPECT_EQ(board().cellValue(3, 4), White);
    EXPECT_EQ(board().cellValue(4, 4), White);
    EXPECT_EQ(m_one->score(), 3);
    EXPECT_EQ(m_two->score(), 3);
    EXPECT_EQ(match().turn(), 1);
}

TEST_F(MatchPlay, IllegalSquareIsDroppedAndUsedUp)
{
    const boardsetup::Snapshot before = boardsetup::snapshot();
    for (CellPos pos : {CellPos{1, 1}, CellPos{4, 4}}) { // captures nothing; occupied
        match().submitMove(pos);
        match().step();
        EXPECT_EQ(boardsetup::snapshot(), before);
        EXPECT_EQ(match().turn(), 1);
        EXPECT_EQ(m_one->score(), 2);
        EXPECT_FALSE(m_one->takeMove()) << "the dropped square is used up";
        match().step();
        EXPECT_EQ(boardsetup::snapshot(), before);
    }
    match().submitMove(CellPos{5, 3});
    match().step();
    EXPECT_EQ(board().cellValue(5, 3), Black);
    EXPECT_EQ(match().turn(), 2);
}

TEST_F(MatchPlay, OnlyTheLastSubmissionBeforeAStepIsPlayed)
{
    match().submitMove(CellPos{3, 5});
    match().submitMove(CellPos{5, 3});
    match().step();
    EXPECT_EQ(board().cellValue(3, 5), Empty);
    EXPECT_EQ(board().cellValue(5, 3), Black);
    EXPECT_EQ(board().cellValue(5, 4), Black);
}

TEST_F(MatchPlay, PassesWhenStuckAndMovesAgainWhenTheOtherIs)
{
    // Black is stuck: White sits in two corners; White can take (2, 2) and then (7, 7).
    boardsetup::set({"W", ".B", "", "", "", "", "......B", ".......W"});
    match().submitMove(CellPos{3, 3}); // player one's square, kept through the pass
    match().step();
    EXPECT_EQ(match().turn(), 2);
    EXPECT_EQ(board().cellValue(2, 2), Black);
    EXPECT_EQ(board().cellValue(3, 3), Empty);

    match().submitMove(CellPos{3, 3});
    match().step();
    EXPECT_EQ(board().cellValue(2, 2), White);
    EXPECT_EQ(m_one->score(), 1);
    EXPECT_EQ(m_two->score(), 4);
    EXPECT_EQ(match().turn(), 2) << "Black still cannot move, so White goes again";

    match().step(); // nothing submitted
    EXPECT_EQ(match().turn(), 2);
    EXPECT_FALSE(match().isGameOver());

    match().submitMove(CellPos{6, 6});
    match().step();
    EXPECT_EQ(board().count(Black), 0);
    EXPECT_EQ(m_two->score(), 6);
    EXPECT_EQ(match().turn(), 2);

    match().step(); // neither side can move now
    EXPECT_EQ(match().turn(), 0);
    EXPECT_TRUE(match().isGameOver());
    ASSERT_NE(match().result(), nullptr);
    EXPECT_STREQ(match().result()->winner().name(), "Joueur 2");
    EXPECT_EQ(match().result()->winner().score(), 6);
    EXPECT_STREQ(match().result()->loser().name(), "Joueur 1");
    EXPECT_EQ(match().result()->loser().score(), 0);

    EXPECT_TRUE(m_one->takeMove()) << "a pass leaves the pending square alone";
    EXPECT_EQ(m_one->pendingMove().x, 3);

    // Both passes of Black are kept, the end is not a pass.
    const std::vector<std::string> expected = {"1 pass", "2 3,3", "1 pass", "2 6,6"};
    std::vector<std::string> turns;
    for (const PlayedTurn& turn : match().history())
        turns.push_back(std::to_string(turn.side) + (turn.pass ? std::string(" pass")
                        : " " + std::to_string(turn.pos.x) + "," + std::to_string(turn.pos.y)));
    EXPECT_EQ(turns, expected);
}

TEST_F(MatchPlay, StepReportsTheSquaresItsMoveWrote)
{
    using Squares = std::vector<std::pair<int, int>>;
    const auto squaresOf = [](const WrittenSquares& written) {
        Squares squares;
        for (const CellPos& pos : written)
            squares.push_back({pos.x, pos.y});
        return squares;
    };
    const struct {
        const char* what;
        std::vector<std::string> rows; // empty: the start position
        bool submit;
        CellPos square;
        Squares written;
    } rows[] = {
        {"nothing submitted", {}, false, {}, {}},
        {"a square that captures nothing", {}, true, {1, 1}, {}},
        {"an occupied square", {}, true, {4, 4}, {}},
        {"the opening move", {}, true, {3, 5}, {{3, 5}, {4, 5}}},
        {"Black stuck: the pass", {"W", ".B"}, true, {3, 3}, {}},
        {"neither side can move: the end", FullBoard, true, {3, 5}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        match().start(std::make_unique<HumanPlayer>(1, "Joueur 1"), std::make_unique<HumanPlayer>(2, "Joueur 2"));
        if (!row.rows.empty())
            boardsetup::set(row.rows);
        if (row.submit)
            match().submitMove(row.square);
        EXPECT_EQ(squaresOf(match().step()), row.written);
    }
}

TEST_F(MatchPlay, LastSquareFilledEndsTheMatchAtTheNextStep)
{
    // Black's (1, 1) takes (2, 1) and fills the board: 40 Black against 24 White.
    boardsetup::set({".WBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "WWWWWWWW",
                   "WWWWWWWW", "WWWWWWWW"});
    match().submitMove(CellPos{1, 1});
    match().step();
    EXPECT_EQ(m_one->score(), 40);
    EXPECT_EQ(m_two->score(), 24);
    EXPECT_EQ(match().turn(), 1);
    EXPECT_FALSE(match().isGameOver());

    match().step();
    ASSERT_TRUE(match().isGameOver());
    const MatchResult* result = match().result();
    ASSERT_NE(result, nullptr);
    EXPECT_STREQ(result->winner().name(), "Joueur 1");
    EXPECT_EQ(result->winner().score(), 40);
    EXPECT_STREQ(result->loser().name(), "Joueur 2");
    EXPECT_EQ(result->loser().score(), 24);
    EXPECT_FALSE(result->isDraw());

    // Later steps build the same result again; submissions go nowhere.
    match().submitMove(CellPos{1, 1});
    match().step();
    match().step();
    EXPECT_EQ(match().turn(), 0);
    EXPECT_TRUE(match().isGameOver());
    ASSERT_NE(match().result(), nullptr);
    EXPECT_STREQ(match().result()->winner().name(), "Joueur 1");
    EXPECT_EQ(match().result()->winner().score(), 40);
    EXPECT_EQ(match().result()->loser().score(), 24);
    EXPECT_FALSE(m_one->takeMove());
    EXPECT_FALSE(m_two->takeMove());
}

TEST_F(MatchPlay, ResultFollowsTheScores)
{
    const struct {
        std::uint8_t one, two;
        const char* winner;
        std::uint8_t winnerScore, loserScore;
        bool draw;
    } rows[] = {
        {40, 24, "Joueur 1", 40, 24, false},
        {24, 40, "Joueur 2", 40, 24, false},
        {32, 32, "Joueur 1", 32, 32, true},
        {0, 64, "Joueur 2", 64, 0, false},
        {33, 31, "Joueur 1", 33, 31, false},
        {0, 0, "Joueur 1", 0, 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << int(row.one) << " against " << int(row.two));
        boardsetup::set(FullBoard);
        m_one->setScore(row.one);
        m_two->setScore(row.two);
        match().step();
        ASSERT_TRUE(match().isGameOver());
        const MatchResult* result = match().result();
        ASSERT_NE(result, nullptr);
        EXPECT_STREQ(result->winner().name(), row.winner);
        EXPECT_EQ(result->winner().score(), row.winnerScore);
        EXPECT_STREQ(result->loser().name(), std::string(row.winner) == "Joueur 1" ? "Joueur 2" : "Joueur 1");
        EXPECT_EQ(result->loser().score(), row.loserScore);
        EXPECT_EQ(result->isDraw(), row.draw);
    }
}

TEST_F(MatchPlay, StartDiscardsTheOldMatch)
{
    // Once mid-match and once after the end.
    for (bool ended : {false, true}) {
        SCOPED_TRACE(ended ? "after the end" : "mid-match");
        match().submitMove(CellPos{3, 5});
        match().step();
        ASSERT_EQ(match().history().size(), 1u);
        if (ended) {
            boardsetup::set(FullBoard);
            match().step();
            ASSERT_NE(match().result(), nullptr);
        }
        auto one = std::make_unique<HumanPlayer>(1, "Joueur 1");
        auto two = std::make_unique<HumanPlayer>(2, "Joueur 2");
        m_one = one.get();
        m_two = two.get();
        match().start(std::move(one), std::move(two));
        EXPECT_EQ(match().player(1), m_one);
        EXPECT_EQ(match().player(2), m_two);
        EXPECT_EQ(match().turn(), 1);
        EXPECT_FALSE(match().isGameOver());
        EXPECT_EQ(match().result(), nullptr);
        EXPECT_TRUE(match().history().empty());
        EXPECT_EQ(board().cellValue(3, 5), Empty);
        EXPECT_EQ(board().count(Black), 2);
        EXPECT_EQ(board().count(White), 2);
    }
}

TEST(Match, DestroyInstanceTwiceThenAFreshMatch)
{
    Match* first = Match::instance();
    first->start(std::make_unique<HumanPlayer>(1, "Joueur 1"),
                 std::make_unique<HumanPlayer>(2, "Joueur 2"));
    Match::destroyInstance();
    Match::destroyInstance();
    Match* fresh = Match::instance();
    EXPECT_EQ(fresh->player(1), nullptr);
    EXPECT_EQ(fresh->player(2), nullptr);
    EXPECT_EQ(fresh->result(), nullptr);
    EXPECT_EQ(Match::instance(), fresh);
    Match::destroyInstance();
}

} // namespace
