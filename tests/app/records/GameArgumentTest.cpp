// GAME as the commands take it: GGF files of other programs (servers' and NBoard's lines with
// evaluations and times, passes, comments, several games, Windows line ends) read game by game,
// games from another start refused, and every kind of argument resolved or refused in one line.
#include "app/records/GameArgument.h"
#include "app/records/Ggf.h"
#include "app/records/RecordsFile.h"
#include "app/records/Transcript.h"
#include "tests/app/records/PublishedGames.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using records::GameRecord;

const std::string StartBoard = "BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- -------- *]";
// The same start as some programs write it: the 64 squares in one run.
const std::string StartRun = "BO[8 " + std::string(27, '-') + "O*------*O" + std::string(27, '-') + " *]";


class GameArgumentTest : public testing::Test {
protected:
    std::string file(const std::string& name, const std::string& text) const
    {
        return m_folder.write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    TempFolder m_folder{"reversi-game-argument"};
};

TEST_F(GameArgumentTest, ReadsOtherProgramsFilesGameByGame)
{
    const std::string nboard = "(;GM[Othello]PC[NBoard]DT[2014-02-22 20:42:36 GMT]PB[me]PW[Edax (delay:0)]RE[?]TI[0]TY[8]" +
                               StartRun + "B[F5]W[F6//1.23]B[E6/-1.5]W[f4/2.00/0.5];)";
    const std::string server = "(;GM[Othello]PC[GGS/os]DT[2003.12.15_13:24:03.MST]PB[a]PW[b]RB[2197.01]RW[2199.72]"
                               "TI[05:00//02:00]TY[8]RE[+64.000:r]" +
                               StartBoard + "B[f5//1.23]W[d6/-2.5/0.01]B[c5]W[f4]B[e3]W[f6]B[g5]W[e6]B[e7];)";
    const std::string comment = "(;GM[Othello]PB[c]KO[x]C[a \\] bracket\\\\ and (;B[a1\\];)]TY[8r]" + StartBoard +
                                "B[f5]GN[x]W[D6];)";
    const std::string draw = published::DrawGgf;
    struct Row {
        const char* what;
        std::string text;
        std::size_t number;
        std::string black;  // the game's Black player
        std::size_t turns;
        bool finished;
        int result;
    };
    const std::vector<Row> rows = {
        {"NBoard's line: upper-case squares, RE[?]", nboard + "\n", 1, "me", 4, false, 0},
        {"a server's resigned game with evaluations and times", server, 1, "a", 9, true, 64},
        {"a comment with escapes and a property to pass over", comment, 1, "c", 2, false, 0},
        {"the second of two games on one line", nboard + server, 2, "a", 9, true, 64},
        {"the third game of three, blanks between", nboard + "  \n\n\t" + comment + " " + server + "\n", 3, "a", 9, true,
         64},
        {"Windows line ends", nboard + "\r\n" + server + "\r\n", 2, "a", 9, true, 64},
        {"a byte order mark before the first game", "\xef\xbb\xbf" + comment, 1, "c", 2, false, 0},
        {"a pass written PA", std::string(draw).replace(draw.find("B[pass]"), 7, "B[PA]"), 1, "Saio1200", 61, true, 0},
        {"a pass written pa, after a game", draw + std::string(draw).replace(draw.find("B[pass]"), 7, "B[pa]"), 2,
         "Saio1200", 61, true, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = file("games.ggf", row.text);
        GameRecord game;
        std::string error;
        ASSERT_TRUE(records::readGgfFileGame(path, row.number, game, error)) << error;
        EXPECT_EQ(game.black, row.black);
        EXPECT_EQ(game.turns.size(), row.turns);
        EXPECT_EQ(game.finished, row.finished);
        EXPECT_EQ(game.result, row.result);
        EXPECT_TRUE(records::replay(game.start, game.blackToMoveAtStart, game.turns, false).ok);
    }
}

TEST_F(GameArgumentTest, ResolvesEveryKindOfGameOrSaysWhyInOneLine)
{
    const std::string kept = m_folder.path("kept.ggf");
    std::string error;
    for (const char* transcript : {"f5d6c3", "f5f6e6f4"}) {
        GameRecord game;
        game.turns = records::readTranscript(transcript).turns;
        ASSERT_TRUE(records::appendLine(kept, records::ggfLine(game), error)) << error;
    }
    const std::string draw = published::DrawGgf;
    const std::string other = file("other.ggf", std::string(published::KomiGgf) + "\r\n" + draw + "\r\n");
    const std::string random = file("random.ggf", draw + "\n" + published::RandomStartGgf + "\n");
    const std::string passLeftOut = file("pass.ggf", std::string(draw).replace(draw.find("B[pass]"), 7, ""));
    const std::string text = file("notes.txt", "Some notes on the game\n");
    const std::string empty = file("empty.ggf", " \n");
    const std::string damaged = file("damaged.ggf", draw + "\n" + draw.substr(0, 200) + "\n" + draw + "\n");
    const std::string illegal = file("illegal.ggf", std::string(draw).replace(draw.find("B[d3"), 4, "B[a1"));
    const std::string anti = file("anti.ggf", std::string(draw).replace(draw.find("TY[8]"), 5, "TY[8a]"));
    const std::string missing = m_folder.path("missing.ggf");

    struct Row {
        std::string argument;
        std::string transcript; // the moves read, when it resolves
        std::string error;      // else the one line
    };
    const std::vector<Row> rows = {
        {"f5 D6 c3", "f5d6c3", ""},
        {"@1", "f5d6c3", ""},
        {"@", "f5f6e6f4", ""},
        {other, published::KomiTranscript, ""},
        {other + "@2", published::DrawTranscript, ""},
        {other + "@1", published::KomiTranscript, ""},
        {passLeftOut, published::DrawTranscript, ""},
        {random + "@1", published::DrawTranscript, ""},

        {"f5d6d6", "", "bad game: move 3 (Black d6): not a legal move"},
        {"F5J6", "", "bad game: move 2 'J6' is not a square (a letter a-h, then a digit 1-8)"},
        {"@3", "", "no game @3: the games kept are @1 to @2"},
        {"@x", "", "bad game '@x': @ alone, or @ and a game's number from --games"},
        {missing, "", "cannot open " + missing + ": No such file or directory"},
        {missing + "@2", "", "cannot open " + missing + ": No such file or directory"},
        {"no-such-file.ggf", "", "cannot open no-such-file.ggf: No such file or directory"},
        {m_folder.root(), "", "cannot use " + m_folder.root() + ": not a plain file"},
        {text, "", text + " is not a GGF file: it does not start with \"(;\""},
        {empty, "", empty + " holds no game"},
        {other + "@3", "", "no game 3 in " + other + ", which holds 2 games"},
        {other + "@0", "", "no game 0 in " + other + ": its games are counted from 1"},
        {damaged + "@1", published::DrawTranscript, ""},
        {damaged + "@2", "", "game 2 in " + damaged + " cannot be read: a start board that cannot be read"},
        {damaged + "@3", "", "game 2 in " + damaged + " cannot be read: a start board that cannot be read"},
        {illegal, "", "game 1 in " + illegal + ": move 1 (Black a1): not a legal move"},
        {anti, "", "game 1 in " + anti + " cannot be read: not an 8 x 8 Othello game (TY[8a])"},
        {random + "@2", "", "game 2 in " + random + " starts from another position, which cannot be looked over"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.argument);
        records::Replay game;
        error.clear();
        const bool ok = records::resolveGame(row.argument, kept, game, error);
        if (row.error.empty()) {
            ASSERT_TRUE(ok) << error;
            EXPECT_TRUE(game.ok);
            EXPECT_EQ(records::transcriptOf(game.turns), row.transcript);
        } else {
            EXPECT_FALSE(ok);
            EXPECT_EQ(error, row.error);
        }
    }
}

TEST_F(GameArgumentTest, KeptGamesNeedTheirFolder)
{
    records::Replay game;
    std::string error;
    EXPECT_FALSE(records::resolveGame("@", "", game, error));
    EXPECT_EQ(error, "no folder for the kept games: neither XDG_DATA_HOME nor HOME is set");
    EXPECT_FALSE(records::resolveGame("@1", m_folder.path("none.ggf"), game, error));
    EXPECT_EQ(error, "no games kept in " + m_folder.path("none.ggf"));
}

} // namespace
