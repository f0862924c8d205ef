// GTP as a GUI speaks it, as tables of command -> answer: good and bad commands, ids, lines that
// cannot be read, and the game kept right over implied passes and undo.
#include "app/protocols/GtpEngine.h"

#include "engine/PositionText.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

using protocols::GtpEngine;

struct Exchange {
    std::string line;
    std::string answer; // the whole answer, blank line included
    bool pattern = false; // `answer` is a regular expression
};

const std::string StartBoard =
    "= Black (X) to move, X 2 O 2\n"
    "   a b c d e f g h\n"
    " 1 . . . . . . . . 1\n"
    " 2 . . . . . . . . 2\n"
    " 3 . . . . . . . . 3\n"
    " 4 . . . O X . . . 4\n"
    " 5 . . . X O . . . 5\n"
    " 6 . . . . . . . . 6\n"
    " 7 . . . . . . . . 7\n"
    " 8 . . . . . . . . 8\n"
    "   a b c d e f g h\n\n";

// A game over with 35 empty squares, White 23 discs to Black's 6; Black passes before f8.
const std::vector<std::string> ShortGame = {
    "b c4", "w c3", "b c2", "w b4", "b a5", "w b2", "b d2", "w d6", "b f6", "w g7", "b c5", "w a3", "b h8",
    "w f4", "b a1", "w e1", "b e2", "w e3", "b g5", "w c1", "b f2", "w h6", "b h4", "w g2",
};

void converse(GtpEngine& gtp, const std::vector<Exchange>& exchanges)
{
    for (const Exchange& exchange : exchanges) {
        SCOPED_TRACE(exchange.line.substr(0, 60));
        const std::string answer = gtp.answer(exchange.line);
        if (exchange.pattern)
            EXPECT_TRUE(std::regex_match(answer, std::regex(exchange.answer))) << answer;
        else
            EXPECT_EQ(answer, exchange.answer);
    }
}

struct Engine {
    engine::Search search{engine::Evaluator::builtIn(), 4, 1};
    std::string written;
    GtpEngine gtp{search, 1, "9.9", [this](const std::string& text) { written += text; }};
};

TEST(GtpEngine, AnswersAGuisConversation)
{
    Engine engine;
    converse(engine.gtp, {
        {"protocol_version", "= 2\n\n"},
        {"1 name", "=1 Reversi\n\n"},
        {"22 version", "=22 9.9\n\n"},
        {"known_command genmove", "= true\n\n"},
        {"known_command fly", "= false\n\n"},
        {"known_command", "? syntax error\n\n"},
        {"list_commands", "= protocol_version\n(.|\n)*reg_genmove\n(.|\n)*time_left\n(.|\n)*set_game\n\n", true},
        {"boardsize 8", "=\n\n"},
        {"3 boardsize 19", "?3 unacceptable size\n\n"},
        {"boardsize eight", "? syntax error\n\n"},
        {"clear_board", "=\n\n"},
        {"list_games", "= Othello\n\n"},
        {"set_game Othello", "=\n\n"},
        {"set_game Go", "? unsupported game\n\n"},
        {"komi 6.5", "=\n\n"},
        {"komi lots", "? syntax error\n\n"},
        {"showboard", StartBoard},
        {"play b a1", "? illegal move\n\n"},
        {"play b pass", "? illegal move\n\n"}, // Black has moves
        {"play x d3", "? syntax error\n\n"},
        {"play b z9", "? syntax error\n\n"},
        {"play b", "? syntax error\n\n"},
        {"final_score", "? cannot score\n\n"},
        {"4 play black D3", "=4\n\n"},
        {"genmove white", "= (C3|C5|E3)\n\n", true},
        {"undo", "=\n\n"},
        {"undo", "=\n\n"},
        {"undo", "? cannot undo\n\n"},
        {"5 reg_genmove b", "=5 (D3|C4|F5|E6)\n\n", true},
        {"showboard", StartBoard}, // reg_genmove plays nothing
        {"time_settings 60 0 0", "=\n\n"},
        {"time_settings 60 x 0", "? syntax error\n\n"},
        {"time_left b 1 0", "=\n\n"},
        {"time_left q 1 0", "? syntax error\n\n"},
        {"genmove b", "= (D3|C4|F5|E6)\n\n", true},
        {"fly", "? unknown command\n\n"},
        {"6 fly away", "?6 unknown command\n\n"},
        {"quit", "=\n\n"},
    });
    EXPECT_TRUE(engine.gtp.quitting());
}

TEST(GtpEngine, PassesOverOrRefusesLinesItCannotRead)
{
    Engine engine;
    converse(engine.gtp, {
        {"", ""},
        {"   \t ", ""},
        {"# a comment alone", ""},
        {"protocol_version # and a comment after", "= 2\n\n"},
        {"proto\x01" "col_version", "= 2\n\n"}, // control bytes are dropped, as GTP says
        {"\tname\t", "= Reversi\n\n"},
        {"name \xff\xfe", "? line not in UTF-8\n\n"},
        {"name \xc3", "? line not in UTF-8\n\n"},
        {"name caf\xc3\xa9", "= Reversi\n\n"},
        {std::string(5000, 'a'), "? line too long (more than 4096 bytes)\n\n"},
        {"7", "?7 no command after the id\n\n"},
        {"-1 name", "? unknown command\n\n"},
        {"name", "= Reversi\n\n"}, // and it goes on
    });
    EXPECT_FALSE(engine.gtp.quitting());
}

TEST(GtpEngine, KeepsTheGameOverPassesAndUndo)
{
    struct Step {
        std::string line;
        std::string answer;
        std::size_t turns;
        bool blackToMove;
    };
    Engine engine;
    std::vector<Step> steps = {
        // White first: Black's pass is implied, and undo takes back both as one turn.
        {"play w e3", "=\n\n", 1, true},
        {"undo", "=\n\n", 0, true},
        {"play b f5", "=\n\n", 1, false},
        {"play b e6", "? illegal move\n\n", 1, false},
        {"play w f6", "=\n\n", 2, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.line);
        EXPECT_EQ(engine.gtp.answer(step.line), step.answer);
        EXPECT_EQ(engine.gtp.game().turns(), step.turns);
        EXPECT_EQ(engine.gtp.game().now().blackToMove, step.blackToMove);
    }

    // The short game, Black's pass given; then again with the pass left out, as gtp-rhino wants.
    for (bool passGiven : {true, false}) {
        SCOPED_TRACE(passGiven ? "pass given" : "pass implied");
        EXPECT_EQ(engine.gtp.answer("clear_board"), "=\n\n");
        for (const std::string& move : ShortGame)
            ASSERT_EQ(engine.gtp.answer("play " + move), "=\n\n") << move;
        EXPECT_EQ(engine.gtp.answer("play b a8"), "? illegal move\n\n");
        if (passGiven) {
            EXPECT_EQ(engine.gtp.answer("reg_genmove b"), "= pass\n\n");
            EXPECT_EQ(engine.gtp.answer("play b pass"), "=\n\n");
        }
        EXPECT_EQ(engine.gtp.answer("play w f8"), "=\n\n");
        EXPECT_TRUE(engine.gtp.game().now().position.isOver());
        EXPECT_EQ(engine.gtp.answer("final_score"), "= W+52\n\n"); // 23 - 6 and the 35 empty squares
        EXPECT_EQ(engine.gtp.answer("genmove b"), "= pass\n\n");
        EXPECT_EQ(engine.gtp.answer("undo"), "=\n\n");
        EXPECT_EQ(engine.gtp.answer("undo"), "=\n\n");
        EXPECT_EQ(engine.gtp.answer("final_score"), "? cannot score\n\n");
        EXPECT_EQ(engine.gtp.game().turns(), ShortGame.size() + (passGiven ? 1 : 0));
    }
}

TEST(GtpEngine, ReceiveWritesTheAnswer)
{
    Engine engine;
    engine.gtp.receive("9 protocol_version");
    engine.gtp.receive("");
    EXPECT_EQ(engine.written, "=9 2\n\n");
}

} // namespace
