// The GGF writer and reader: what the game writes reads back the same, games published by a
// server read and replay, and lines that are no game are refused with a reason.
#include "app/records/GameReplay.h"
#include "app/records/Ggf.h"
#include "app/records/Transcript.h"
#include "tests/app/records/PublishedGames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using records::GameRecord;

// A game from the start position with `transcript`'s moves and passes, the way the game keeps it.
GameRecord gameOf(const std::string& transcript, const char* black, const char* white, bool finished)
{
    const records::Replay played = records::readTranscript(transcript);
    EXPECT_TRUE(played.ok) << played.error;
    GameRecord game;
    game.date = "2026.12.08_10:07:36.UTC";
    game.black = black;
    game.white = white;
    game.turns = played.turns;
    game.finished = finished;
    game.result = finished ? played.blackResult() : 0;
    return game;
}

const char* const StartBoard = "BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- -------- *]";

TEST(Ggf, WritesOneLineThatReadsBackTheSame)
{
    struct Row {
        const char* what;
        GameRecord game;
        std::vector<std::string> fragments; // in the line, in this order
    };
    const std::vector<Row> rows = {
        {"a wipe-out, won by Black with every square",
         gameOf("f5d6c5f4e3f6g5e6e7", "Joueur 1", "Joueur 2", true),
         {"(;GM[Othello]PC[reversi]DT[2026.12.08_10:07:36.UTC]PB[Joueur 1]PW[Joueur 2]RE[+64.000]TY[8]",
          StartBoard, "B[f5]W[d6]B[c5]W[f4]B[e3]W[f6]B[g5]W[e6]B[e7];)"}},
        {"passes, written PA", gameOf(published::DrawTranscript, "Ordinateur niveau 3", "Joueur 2", true),
         {"PW[Joueur 2]RE[+0.000]", "W[g2]B[PA]W[a1]B[b1];)"}},
        {"names with brackets and backslashes", gameOf("f5", "[Joueur] 1\\", "a\\]b", false),
         {"PB[[Joueur\\] 1\\\\]PW[a\\\\\\]b]TY[8]"}},
        {"unfinished: no result", gameOf("f5d6c3", "Joueur 1", "Ordinateur niveau 5", false),
         {"PW[Ordinateur niveau 5]TY[8]", "B[f5]W[d6]B[c3];)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string line = records::ggfLine(row.game);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        std::size_t at = 0;
        for (const std::string& fragment : row.fragments) {
            const std::size_t found = line.find(fragment, at);
            ASSERT_NE(found, std::string::npos) << fragment << " missing in " << line;
            at = found + fragment.size();
        }
        GameRecord back;
        std::string error;
        ASSERT_TRUE(records::parseGgf(line, back, error)) << error;
        EXPECT_EQ(back.date, row.game.date);
        EXPECT_EQ(back.black, row.game.black);
        EXPECT_EQ(back.white, row.game.white);
        EXPECT_EQ(back.finished, row.game.finished);
        EXPECT_EQ(back.result, row.game.result);
        EXPECT_TRUE(back.start == engine::Position::start() && back.blackToMoveAtStart);
        ASSERT_EQ(back.turns.size(), row.game.turns.size());
        for (std::size_t i = 0; i < back.turns.size(); ++i) {
            EXPECT_EQ(back.turns[i].black, row.game.turns[i].black) << i;
            EXPECT_EQ(back.turns[i].square, row.game.turns[i].square) << i;
        }
    }
}

TEST(Ggf, NamesKeepToOneLine)
{
    GameRecord game = gameOf("f5", "Joueur\n1", "Joueur\r\t2", false);
    EXPECT_NE(records::ggfLine(game).find("PB[Joueur 1]PW[Joueur  2]"), std::string::npos);
}

TEST(Ggf, ReadsPublishedGamesAndRefusesWhatIsNoGame)
{
    struct Row {
        const char* what;
        std::string line;
        bool ok;
        std::size_t turns;
        bool finished;
        int result;
    };
    const std::string draw = published::DrawGgf;
    const std::vector<Row> rows = {
        {"a draw with a pass written \"pass\"", draw, true, 61, true, 0},
        {"evaluations and times after the move, a komi result", published::KomiGgf, true, 60, true, 9},
        {"a random start with White to move", published::RandomStartGgf, true, 45, true, 8},
        {"blanks around the game", "  " + draw + " \r", true, 61, true, 0},
        {"an unfinished game", "(;GM[Othello]TY[8]BO[8 " + std::string(27, '-') + "O*------*O" + std::string(27, '-') +
                                   " *]B[F5]W[f6];)", true, 2, false, 0},

        {"cut short", draw.substr(0, draw.size() / 2), false, 0, false, 0},
        {"cut inside a value", draw.substr(0, draw.find("B[d3") + 3), false, 0, false, 0},
        {"another game", "(;GM[Chess]PB[a]PW[b];)", false, 0, false, 0},
        {"the anti game", std::string(draw).replace(draw.find("TY[8]"), 5, "TY[8a]"), false, 0, false, 0},
        {"a 10 x 10 board", std::string(draw).replace(draw.find("TY[8]"), 5, "TY[10]"), false, 0, false, 0},
        {"a move off the board", std::string(draw).replace(draw.find("B[d3"), 4, "B[i9"), false, 0, false, 0},
        {"a result that is no number", std::string(draw).replace(draw.find("RE[+0.000]"), 10, "RE[?]"), false, 0, false, 0},
        {"no start board", "(;GM[Othello]B[f5];)", false, 0, false, 0},
        {"a second game after the first", draw + draw, false, 0, false, 0},
        {"binary bytes", std::string("(;GM[Othello]\x01\xff\x00PB", 19), false, 0, false, 0},
        {"an empty line", "", false, 0, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GameRecord game;
        std::string error;
        ASSERT_EQ(records::parseGgf(row.line, game, error), row.ok) << error;
        if (!row.ok) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(game.turns.size(), row.turns);
        EXPECT_EQ(game.finished, row.finished);
        EXPECT_EQ(game.result, row.result);
        const records::Replay played = records::replay(game.start, game.blackToMoveAtStart, game.turns, false);
        ASSERT_TRUE(played.ok) << played.error;
        if (game.finished && row.what != std::string("evaluations and times after the move, a komi result")) {
            EXPECT_EQ(played.blackResult(), game.result);
        }
    }
}

} // namespace
