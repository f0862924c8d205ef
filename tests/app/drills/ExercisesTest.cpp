// The mistake finder on games whose every cost --solve knows: each move of a person that lost 4
// discs or more is an exercise, with --solve's best moves and cost, and no move of the computer
// ever is; a position met twice is one exercise; an answer within a disc of the best is right.
#include "app/cli/GameAnalysis.h"
#include "app/drills/Exercises.h"
#include "app/records/Ggf.h"
#include "app/records/RecordsFile.h"
#include "engine/PositionText.h"
#include "tests/app/drills/LateGames.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using lategames::Plays;

TEST(DrillExercises, EveryCostlyMoveOfAPersonAndNoneOfTheComputer)
{
    struct Row {
        const char* black;
        const char* white;
        Plays blackPlays;
        Plays whitePlays;
        bool blackListed; // Black's mistakes are exercises
        bool whiteListed;
    };
    const Row rows[] = {
        {"Joueur 1", "Ordinateur niveau 3", Plays::Worst, Plays::Worst, true, false},
        {"Ordinateur niveau 2", "Joueur 1", Plays::Worst, Plays::Worst, false, true},
        {"Joueur 1", "Joueur 2", Plays::Worst, Plays::Worst, true, true},
        {"Ordinateur niveau 1", "Ordinateur niveau 5", Plays::Worst, Plays::Worst, false, false},
        {"Joueur 1", "Ordinateur niveau 4", Plays::Best, Plays::Worst, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.black) + " - " + row.white);
        const lategames::MadeGame made = lategames::lateGame(row.black, row.white, row.blackPlays, row.whitePlays);
        TempFolder folder("reversi-drills");
        const drills::Collected collected = drills::collectExercises({made.record}, folder.path("verdicts"), nullptr);
        EXPECT_TRUE(collected.notes.empty()) << collected.notes.front();

        std::vector<lategames::KnownMove> expected;
        for (const lategames::KnownMove& move : made.moves)
            if ((move.black ? row.blackListed : row.whiteListed) && move.cost >= analysis::MistakeDiscs)
                expected.push_back(move);
        if (row.blackPlays == Plays::Worst && row.blackListed) {
            ASSERT_FALSE(expected.empty()) << "the worst moves lose something";
        }
        ASSERT_EQ(collected.exercises.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const drills::Exercise& exercise = collected.exercises[i];
            SCOPED_TRACE(exercise.position);
            EXPECT_EQ(exercise.position, expected[i].position);
            EXPECT_EQ(exercise.blackToMove, expected[i].black);
            EXPECT_EQ(exercise.mover, expected[i].black ? row.black : row.white);
            EXPECT_EQ(exercise.played, expected[i].played);
            EXPECT_EQ(exercise.cost, expected[i].cost);
            EXPECT_EQ(exercise.bestMoves(), expected[i].best);
            EXPECT_EQ(exercise.game, 1);
            EXPECT_EQ(exercise.moveNumber,
                      61 - int(std::count(exercise.position.begin(), exercise.position.begin() + 64, '-')));
            // The best move is right, the mistake is wrong by its cost, a square off the moves neither.
            const drills::Judgement best = drills::judge(exercise, expected[i].best.front());
            EXPECT_TRUE(best.legal && best.right && best.lost == 0);
            const drills::Judgement played = drills::judge(exercise, exercise.played);
            EXPECT_TRUE(played.legal && !played.right);
            EXPECT_EQ(played.lost, exercise.cost);
            EXPECT_FALSE(drills::judge(exercise, engine::squareFromName("d4")).legal); // the centre is never empty
        }
    }
}

TEST(DrillExercises, RightWithinOneDiscAndAPositionMetTwiceIsOneExercise)
{
    // Judged from the values alone.
    drills::Exercise exercise;
    exercise.values = {{19, 6}, {20, 5}, {26, 4}, {27, -2}};
    struct Row {
        int square;
        bool legal, right;
        int lost;
    };
    for (const Row& row : {Row{19, true, true, 0}, Row{20, true, true, 1}, Row{26, true, false, 2},
                           Row{27, true, false, 8}, Row{0, false, false, 0}}) {
        SCOPED_TRACE(row.square);
        const drills::Judgement judged = drills::judge(exercise, row.square);
        EXPECT_EQ(judged.legal, row.legal);
        EXPECT_EQ(judged.right, row.right);
        EXPECT_EQ(judged.lost, row.lost);
    }
    // The same game kept twice, once more between other names: its mistakes once, from the first.
    const lategames::MadeGame made = lategames::lateGame("Joueur 1", "Ordinateur niveau 3", Plays::Worst, Plays::Best);
    records::GameRecord again = made.record;
    again.black = "Joueur 2";
    TempFolder folder("reversi-drills");
    const drills::Collected once = drills::collectExercises({made.record}, folder.path("a"), nullptr);
    const drills::Collected twice = drills::collectExercises({made.record, made.record, again}, folder.path("b"), nullptr);
    ASSERT_FALSE(once.exercises.empty());
    ASSERT_EQ(twice.exercises.size(), once.exercises.size());
    EXPECT_EQ(twice.analysed, 1) << "the same moves by the same kinds of sides are looked over once";
    for (std::size_t i = 0; i < once.exercises.size(); ++i) {
        EXPECT_EQ(twice.exercises[i].position, once.exercises[i].position);
        EXPECT_EQ(twice.exercises[i].game, 1);
        EXPECT_EQ(twice.exercises[i].mover, "Joueur 1");
    }
}

} // namespace
