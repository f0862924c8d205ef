// A match that goes on from a game's first turns: they are played over at once, passes included,
// the record the match is kept under starts with them, and a take-back never goes into them.
#include "app/MatchRecording.h"
#include "app/MatchSession.h"
#include "app/opponent/BoardPosition.h"
#include "app/records/Transcript.h"
#include "rules/Board.h"
#include "rules/Match.h"
#include "tests/app/records/PublishedGames.h"
#include "tests/app/sound/RecordingSound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StillClock : public FrameClock {
public:
    std::uint32_t milliseconds() const override { return 0; }
    void sleep(std::uint32_t) override {}
};

// The first `count` turns of `transcript`, passes made explicit.
std::vector<records::RecordedTurn> firstTurns(const char* transcript, std::size_t count)
{
    const records::Replay game = records::readTranscript(transcript);
    EXPECT_TRUE(game.ok) << game.error;
    EXPECT_LE(count, game.turns.size());
    return std::vector<records::RecordedTurn>(game.turns.begin(), game.turns.begin() + count);
}

TEST(MatchSession, GoesOnFromAGamesFirstTurns)
{
    struct Row {
        const char* what;
        std::vector<records::RecordedTurn> prefix;
        std::int32_t computerSide;
        bool fits;
        std::size_t fixed;     // the turns a take-back leaves
        int then;              // a square the side to move plays next, -1: none
        std::size_t afterBack; // the history after two take-backs
    };
    const int f4 = 29;
    const int a1 = 0;
    const std::vector<Row> rows = {
        {"three moves, two players", firstTurns("f5d6c5", 3), 0, true, 3, f4, 3},
        {"no turn: as a new match", {}, 0, true, 0, 37, 0},
        {"up to a move the other side answers with a pass: the match writes it", firstTurns(published::DrawTranscript, 58),
         0, true, 59, a1, 59},
        {"up to that pass", firstTurns(published::DrawTranscript, 59), 0, true, 59, a1, 59},
        {"the computer on White, to move: the player's own moves are fixed", firstTurns("f5d6c5", 3), 2, true, 3, -1, 3},
        {"the computer on Black", firstTurns("f5d6", 2), 1, true, 2, -1, 2},
        {"a pass with a move at hand does not fit", {{true, 37}, {false, records::Pass}}, 0, false, 1, -1, 1},
    };
    std::vector<std::string> log;
    RecordingSound device(log);
    SoundCues sound(device);
    StillClock clock;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        MatchSession session(sound, clock);
        EXPECT_EQ(session.startFrom("Joueur 1", "Joueur 2", row.computerSide, 2, false, row.prefix), row.fits);
        EXPECT_EQ(session.fixedTurns(), row.fixed);
        const Match& match = *Match::instance();
        ASSERT_EQ(match.history().size(), row.fixed);
        EXPECT_FALSE(match.isGameOver());
        EXPECT_EQ(session.computerToMove(), row.computerSide != 0 && match.turn() == row.computerSide);

        // The board is the prefix's last position.
        const records::Replay game = records::replay(engine::Position::start(), true, row.prefix, false);
        if (game.ok) {
            EXPECT_EQ(positionOf(*Board::instance(), game.finalBlackToMove() ? Black : White).player, game.final().player);
        }
        if (row.then >= 0) {
            Match::instance()->submitMove(cellOf(row.then));
            Match::instance()->step();
        }
        // Kept, the record starts with the turns of the prefix that fit.
        const records::GameRecord kept = recordOf(match, 0);
        ASSERT_EQ(kept.turns.size(), row.fixed + (row.then >= 0 ? 1 : 0));
        for (std::size_t i = 0; i < row.prefix.size() && i < row.fixed; ++i)
            EXPECT_EQ(kept.turns[i].square, row.prefix[i].square) << i;
        if (row.computerSide != 0) {
            EXPECT_EQ(row.computerSide == 1 ? kept.black : kept.white, records::computerName(2));
        }

        session.takeBack();
        session.takeBack();
        EXPECT_EQ(match.history().size(), row.afterBack);
        session.end();
    }
}

} // namespace
