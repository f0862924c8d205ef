// Transcripts: the moves read in either case with passes filled in, and the first bad move named.
#include "app/records/Transcript.h"
#include "tests/app/records/PublishedGames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Transcript, ReadsGamesAndNamesTheFirstBadMove)
{
    struct Row {
        const char* what;
        std::string text;
        bool ok;
        std::size_t turns;     // moves and passes, when ok
        std::string errorPart; // in the error, when not
    };
    const std::vector<Row> rows = {
        {"an opening", "f5d6c3", true, 3, ""},
        {"upper case and blanks", "F5 D6\tC3", true, 3, ""},
        {"a whole game with Black's pass filled in", published::DrawTranscript, true, 61, ""},
        {"a wipe-out", "f5d6c5f4e3f6g5e6e7", true, 9, ""},

        {"a letter past h", "f5d6i3", false, 0, "move 3 'i3' is not a square"},
        {"rank 9", "f5d9", false, 0, "move 2 'd9' is not a square"},
        {"a byte that is not printable", std::string("f5\x01\x02"), false, 0, "move 2 '\\x01\\x02'"},
        {"cut short", "f5d", false, 0, "move 2 'd' is cut short"},
        {"an occupied square", "f5f5", false, 0, "move 2 (White f5): not a legal move"},
        {"a square that flips nothing", "f5a1", false, 0, "move 2 (White a1): not a legal move"},
        {"a move after the end", "f5d6c5f4e3f6g5e6e7a1", false, 0, "move 10 (White a1): the game is already over"},
        {"nothing", "", false, 0, "no moves"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const records::Replay game = records::readTranscript(row.text);
        ASSERT_EQ(game.ok, row.ok) << game.error;
        if (row.ok) {
            EXPECT_EQ(game.turns.size(), row.turns);
            EXPECT_EQ(game.positions.size(), row.turns + 1);
        } else {
            EXPECT_NE(game.error.find(row.errorPart), std::string::npos) << game.error;
        }
    }
}

TEST(Transcript, WritesMovesWithoutPasses)
{
    const records::Replay game = records::readTranscript(published::DrawTranscript);
    ASSERT_TRUE(game.ok);
    EXPECT_EQ(records::transcriptOf(game.turns), published::DrawTranscript);
}

} // namespace
