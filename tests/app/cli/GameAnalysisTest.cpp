// --analyze on games published by a server: every best move is legal, every exact value is what
// --solve says of the same position, and over the exact part the costs add up to the result; a
// game reads the same every time, and the four first moves (one move turned) cost nothing.
#include "app/cli/AnalysisCommand.h"
#include "app/cli/GameAnalysis.h"
#include "app/records/Transcript.h"
#include "engine/Levels.h"
#include "engine/PositionText.h"
#include "tests/app/records/PublishedGames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using namespace cli;

// Fewer exact positions than the command's, so that the sanitizer build keeps up; what must hold
// holds at any threshold.
constexpr int ExactEmpties = 16;

// --solve's value of `position`: "<move> <value>".
int solvedValue(const engine::Position& position, bool blackToMove)
{
    GameOptions options;
    options.action = GameOptions::Action::Solve;
    options.position = engine::positionText(position, blackToMove);
    const AnalysisOutcome outcome = analyse(options);
    EXPECT_EQ(outcome.status, 0) << (outcome.errors.empty() ? "" : outcome.errors[0]);
    return std::atoi(outcome.output.c_str() + outcome.output.find(' ') + 1);
}

TEST(GameAnalysis, PublishedGamesAgreeWithSolveAndAddUp)
{
    struct Row {
        const char* transcript;
        bool againstSolve; // each --solve takes a while: one game is enough for that
    };
    for (const Row& row : {Row{published::DrawTranscript, true}, Row{published::KomiTranscript, false}}) {
        const char* transcript = row.transcript;
        SCOPED_TRACE(transcript);
        const records::Replay game = records::readTranscript(transcript);
        ASSERT_TRUE(game.ok) << game.error;
        const analysis::GameReview review = analysis::reviewGame(game, 1, ExactEmpties, nullptr);
        ASSERT_GT(review.firstExactMove, 0);

        int blackLost = 0;
        int whiteLost = 0;
        int firstExactValue = 0; // for Black
        std::size_t move = 0;
        for (std::size_t i = 0; i < game.turns.size(); ++i) {
            if (game.turns[i].square == records::Pass)
                continue;
            ASSERT_LT(move, review.moves.size());
            const analysis::MoveReview& seen = review.moves[move++];
            SCOPED_TRACE(seen.number);
            EXPECT_EQ(seen.played, game.turns[i].square);
            EXPECT_EQ(seen.black, game.blackToMove[i]);
            EXPECT_TRUE(game.positions[i].moves() & engine::bitOf(seen.best)) << engine::squareName(seen.best);
            EXPECT_GE(seen.cost, 0);
            EXPECT_EQ(seen.exact, seen.number >= review.firstExactMove);
            if (!seen.exact)
                continue;
            if (row.againstSolve) {
                EXPECT_EQ(seen.value, solvedValue(game.positions[i], game.blackToMove[i]));
            }
            if (seen.number == review.firstExactMove)
                firstExactValue = seen.black ? seen.value : -seen.value;
            (seen.black ? blackLost : whiteLost) += seen.cost;
        }
        EXPECT_EQ(move, review.moves.size());
        ASSERT_TRUE(game.isOver());
        // Each exact cost is the value lost by the mover: Black's losses lower Black's value,
        // White's raise it, from the first exact position to the end.
        EXPECT_EQ(firstExactValue - blackLost + whiteLost, game.blackResult());
    }
}

void expectSameReview(const analysis::GameReview& a, const analysis::GameReview& b)
{
    ASSERT_EQ(a.moves.size(), b.moves.size());
    for (std::size_t i = 0; i < a.moves.size(); ++i) {
        SCOPED_TRACE(a.moves[i].number);
        EXPECT_EQ(a.moves[i].number, b.moves[i].number);
        EXPECT_EQ(a.moves[i].best, b.moves[i].best);
        EXPECT_EQ(a.moves[i].value, b.moves[i].value);
        EXPECT_EQ(a.moves[i].cost, b.moves[i].cost);
        EXPECT_EQ(a.moves[i].exact, b.moves[i].exact);
    }
    EXPECT_EQ(a.firstExactMove, b.firstExactMove);
    EXPECT_EQ(a.black.discsLost, b.black.discsLost);
    EXPECT_EQ(a.white.discsLost, b.white.discsLost);
}

TEST(GameAnalysis, APublishedGameReadsTheSameTwice)
{
    const records::Replay game = records::readTranscript(published::KomiTranscript);
    ASSERT_TRUE(game.ok) << game.error;
    for (int level : {1, 2}) {
        SCOPED_TRACE(level);
        const analysis::GameReview first = analysis::reviewGame(game, level, nullptr);
        ASSERT_GT(first.firstExactMove, 0);
        expectSameReview(first, analysis::reviewGame(game, level, nullptr));
    }
}

TEST(GameAnalysis, TheFourFirstMovesCostNothing)
{
    for (int level = engine::MinLevel; level <= engine::MaxLevel; ++level) {
        SCOPED_TRACE(level);
        int startValue = 0;
        for (const char* first : {"f5", "d3", "c4", "e6"}) {
            SCOPED_TRACE(first);
            const analysis::GameReview review = analysis::reviewGame(records::readTranscript(first), level, nullptr);
            ASSERT_EQ(review.moves.size(), 1u);
            const analysis::MoveReview& move = review.moves[0];
            EXPECT_EQ(move.cost, 0);
            EXPECT_EQ(move.best, move.played);
            if (first[0] == 'f')
                startValue = move.value;
            EXPECT_EQ(move.value, startValue);
        }
    }
}

TEST(GameAnalysis, EachMoveIsHandedOverAsTheFinishedReviewHoldsIt)
{
    struct Row {
        const char* transcript;
        int level;
    };
    // The published game has a pass among its turns.
    for (const Row& row : {Row{published::DrawTranscript, 1}, Row{"f5d6c5", 3}}) {
        SCOPED_TRACE(row.transcript);
        const records::Replay game = records::readTranscript(row.transcript);
        ASSERT_TRUE(game.ok) << game.error;
        analysis::GameReview handed; // as handed over: from the last move back
        const analysis::GameReview review = analysis::reviewGame(
            game, row.level, ExactEmpties,
            [&](int done, int) { EXPECT_EQ(done, int(handed.moves.size())); }, // handed over, then counted
            [&](const analysis::MoveReview& move) {
                handed.moves.insert(handed.moves.begin(), move);
                (move.black ? handed.black : handed.white).discsLost += move.cost;
                if (move.exact)
                    handed.firstExactMove = move.number;
            });
        expectSameReview(handed, review);
    }
}

} // namespace
