// NBoard's protocol as NBoard speaks it, as tables of lines in -> lines out: the game set and
// moved on, go and hint (refined depth by depth, exact at the end), ping, a search stopped by
// what comes after it, and bad lines answered on the error writer only.
#include "app/protocols/NboardEngine.h"

#include "engine/PositionText.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

using protocols::NboardEngine;

struct Exchange {
    std::vector<std::string> lines;  // received back to back, then the search (if any) ends
    std::vector<std::string> output; // regular expressions, one a line written
    int errors = 0;                  // lines on the error writer
};

// NBoard's own example game: eight moves from the start board, Black to move.
const std::string ExampleGame =
    "set game (;GM[Othello]PC[NBoard]DT[2014-02-21 20:52:27 GMT]PB[./mEdax]PW[chris]RE[?]TI[15:00]TY[8]"
    "BO[8 ---------------------------O*------*O--------------------------- *]"
    "B[F5]W[F6]B[D3]W[C5]B[E6]W[F7]B[E7]W[F4];)";
const std::string ExamplePosition = "-------------------X-------XXO----OOXO------XO------XO---------- X";
// Eight empty squares on rank 8 above a rank of White: Black takes any, exactly counted.
const std::string LateGame = "set game (;GM[Othello]BO[8 " + std::string(48, '*') + std::string(8, 'O') +
                             std::string(8, '-') + " *];)";
// White to move with no move; Black then fills the last square: 64-0.
const std::string PassBoard = "BO[8 " + std::string(62, '*') + "O- O]";
const std::string PassGame = "set game (;GM[Othello]" + PassBoard + ";)";
const std::string StartGame = "set game (;GM[Othello]BO[8 ---------------------------O*------*O--------------------------- *];)";

struct Engine {
    engine::Search search{engine::Evaluator::builtIn(), 4, 1};
    std::vector<std::string> written;
    int errors = 0;
    std::string partial;
    NboardEngine nboard{search,
                        [this](const std::string& text) {
                            partial += text;
                            for (std::size_t end; (end = partial.find('\n')) != std::string::npos; partial.erase(0, end + 1))
                                written.push_back(partial.substr(0, end));
                        },
                        [this](const std::string& line) {
                            EXPECT_EQ(line.find('\n'), std::string::npos) << line;
                            ++errors;
                        }};

    void converse(const std::vector<Exchange>& exchanges)
    {
        for (const Exchange& exchange : exchanges) {
            SCOPED_TRACE(exchange.lines.front().substr(0, 60));
            written.clear();
            errors = 0;
            for (const std::string& line : exchange.lines)
                nboard.receive(line);
            nboard.finish();
            EXPECT_FALSE(nboard.busy());
            ASSERT_EQ(written.size(), exchange.output.size()) << (written.empty() ? "" : written.back());
            for (std::size_t i = 0; i < written.size(); ++i)
                EXPECT_TRUE(std::regex_match(written[i], std::regex(exchange.output[i]))) << written[i];
            EXPECT_EQ(errors, exchange.errors);
        }
    }
    std::string position() const
    {
        const protocols::GameState& now = nboard.game().now();
        return engine::positionText(now.position, now.blackToMove);
    }
};

const std::string Value = "-?[0-9]+\\.00";
const std::string StartMove = "(d3|c4|f5|e6)";

// A hint of `moves` moves: one line a move at each depth 1..`depths`, then the exact ones and "status".
std::vector<std::string> hintLines(const std::string& square, int moves, int depths, std::vector<std::string> exact = {})
{
    std::vector<std::string> lines = {"status analyse en cours"};
    for (int depth = 1; depth <= depths; ++depth)
        lines.insert(lines.end(), moves, "search " + square + " " + Value + " 0 " + std::to_string(depth));
    lines.insert(lines.end(), exact.begin(), exact.end());
    lines.push_back("status");
    return lines;
}

TEST(NboardEngine, AnswersNboardsConversation)
{
    Engine engine;
    EXPECT_EQ(engine.written, std::vector<std::string>{"set myname Reversi"});
    engine.converse({
        {{"nboard 2"}, {}},
        {{"nboard"}, {}, 1},
        {{"set depth 3"}, {}},
        {{"set depth 0"}, {}, 1},
        {{"set depth 61"}, {}, 1},
        {{"set depth deep"}, {}, 1},
        {{"set contempt -50"}, {}},
        {{"set contempt much"}, {}, 1},
        {{"set colour black"}, {}, 1},
        {{ExampleGame}, {}},
        {{"ping 1"}, {"pong 1"}},
        {{"go"}, {"status calcul en cours", "status", "=== [a-h][1-8]/" + Value + "/[0-9]+\\.[0-9]{2}"}},
        {{"hint 2"}, hintLines("[a-h][1-8]", 2, 3)},
        {{"hint 0"}, {}, 1},
        {{"learn"}, {"learned"}},
        {{"analyze"}, {"status"}},
        {{"fly"}, {}, 1},
        {{"set game (;GM[Othello]BO[8 nonsense];)"}, {}, 1},
        {{"ping x"}, {}, 1},
        {{""}, {}},
        {{"ping \xff"}, {}, 1},
        {{std::string(5000, ' ')}, {}, 1},
        {{"ping 2"}, {"pong 2"}}, // and it goes on
    });
    EXPECT_EQ(engine.position(), ExamplePosition); // a bad game leaves the one before
    EXPECT_FALSE(engine.nboard.quitting());
    engine.converse({{{"quit"}, {}}});
    EXPECT_TRUE(engine.nboard.quitting());
}

TEST(NboardEngine, KeepsTheGameOverMovesAndPasses)
{
    struct Step {
        std::string line;
        int errors;
        std::size_t turns;
        bool blackToMove;
    };
    Engine engine;
    const std::vector<Step> steps = {
        {ExampleGame, 0, 8, true},
        {"move a1", 1, 8, true}, // not legal for Black there
        {"move PA", 1, 8, true}, // Black has moves
        {"move z9/1/2", 1, 8, true},
        {"move", 1, 8, true},
        {"move C4/-1.50/0.3", 0, 9, false},
        {StartGame, 0, 0, true},
        {"move f5", 0, 1, false},
        {"move d6", 0, 2, true},
        // The board of a pass: White to move with no move, Black then plays.
        {PassGame, 0, 0, false},
        {"move h8", 0, 1, false}, // Black's, after White's pass NBoard left out
        {"set game (;GM[Othello]" + PassBoard + "W[PA]B[H8];)", 0, 2, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.line.substr(0, 60));
        engine.errors = 0;
        engine.nboard.receive(step.line);
        EXPECT_EQ(engine.errors, step.errors);
        EXPECT_EQ(engine.nboard.game().turns(), step.turns);
        EXPECT_EQ(engine.nboard.game().now().blackToMove, step.blackToMove);
    }
    EXPECT_TRUE(engine.nboard.game().now().position.isOver());
}

TEST(NboardEngine, HintValuesTheFourFirstMovesEquallyAndCountsExactlyNearTheEnd)
{
    Engine engine;
    engine.converse({{{StartGame, "set depth 4", "hint 4"}, hintLines(StartMove, 4, 4)}});
    ASSERT_EQ(engine.written.size(), 1u + 4 * 4 + 1);
    // One value for the four moves at each depth: past "search d3 ", each line reads as its depth's first.
    for (std::size_t i = 1; i <= 4 * 4; ++i)
        EXPECT_EQ(engine.written[i].substr(10), engine.written[i - (i - 1) % 4].substr(10)) << engine.written[i];

    // Depth 4 counts exactly from 8 empty squares: four quick steps, then the exact values.
    const std::string exact = "search [a-h]8 (" + Value + ") 0 100%";
    engine.converse({
        {{LateGame, "hint 2"}, hintLines("[a-h]8", 2, 4, {exact, exact})},
        {{LateGame, "go"}, {"status calcul en cours", "status", "=== [a-h]8/" + Value + "/[0-9.]+"}},
        // White must pass: the one line is the pass, valued exactly after it.
        {{PassGame, "hint 3"}, {"status analyse en cours", "search PA -64.00 0 100%", "status"}},
        {{PassGame, "go"}, {"status calcul en cours", "status", "=== PA/-64.00/[0-9.]+"}},
        {{"set game (;GM[Othello]BO[8 " + std::string(64, '*') + " O];)", "hint 3"},
         {"status analyse en cours", "search PA -64.00 0 100%", "status"}}, // the game is over
    });
}

TEST(NboardEngine, ACommandThatComesDuringASearchStopsIt)
{
    Engine engine;
    engine.converse({
        {{StartGame, "set depth 20"}, {}},
        // Each search is stopped before it could answer: only its status line is written.
        {{"go", "move f5"}, {"status calcul en cours"}},
        {{"hint 3", "ping 7"}, {"status analyse en cours", "pong 7"}},
        {{"go", StartGame}, {"status calcul en cours"}},
        {{"hint 3", "go", "quit"}, {"status analyse en cours", "status calcul en cours"}},
    });
    EXPECT_EQ(engine.nboard.game().turns(), 0u);
    EXPECT_TRUE(engine.nboard.quitting());
}

} // namespace
