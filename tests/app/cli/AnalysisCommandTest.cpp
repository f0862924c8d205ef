// The analysis commands as a table: position text and options in, one line out and a status.
#include "app/cli/AnalysisCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace cli;

using Action = GameOptions::Action;

// Square a1 first, then b1 ... h8; `overrides` sets single squares over a field of `fill`.
std::string board(char fill, const std::vector<std::pair<int, char>>& overrides)
{
    std::string text(64, fill);
    for (const auto& [square, c] : overrides)
        text[std::size_t(square)] = c;
    return text;
}

const std::string Start = "---------------------------OX------XO--------------------------- X";
// a1 empty, b1 white, all else dark: dark takes b1 from a1 and wins 64-0; white must pass.
const std::string LastEmpty = board('X', {{0, '-'}, {1, 'O'}});
// a1 empty, b1 white, c1 dark, all else white: dark's one move leaves it 3 discs against 61.
const std::string FewDark = board('O', {{0, '-'}, {1, 'O'}, {2, 'X'}});
// a1 and h8 empty, b1 white: after a1 nobody can fill h8, which goes to the winner.
const std::string UnfillableCorner = board('X', {{0, '-'}, {1, 'O'}, {63, '-'}});

struct Case {
    const char* what;
    Action action;
    std::string position;
    int level;
    int status;
    std::vector<std::string> outputs; // any one of them is right; empty: no output at all
    bool showLine = false;            // --pv
};

TEST(AnalysisCommand, AnswersGoodPositionsAndRefusesBadOnes)
{
    const std::vector<Case> cases = {
        {"solve: one capture wins everything", Action::Solve, LastEmpty + " X", 3, 0, {"a1 +64\n"}},
        {"solve: the side to move must pass", Action::Solve, LastEmpty + " O", 3, 0, {"pass -64\n"}},
        {"solve: a losing side's best", Action::Solve, FewDark + " X", 3, 0, {"a1 -58\n"}},
        {"solve: an empty square goes to the winner", Action::Solve, UnfillableCorner + " X", 3, 0, {"a1 +64\n"}},
        {"solve --pv: the line is the one move", Action::Solve, LastEmpty + " X", 3, 0, {"a1 +64 a1\n"}, true},
        {"solve --pv: a pass, then the other side's move", Action::Solve, LastEmpty + " O", 3, 0, {"pass -64 pass a1\n"}, true},
        {"solve --pv: nobody can fill the last square", Action::Solve, UnfillableCorner + " X", 3, 0, {"a1 +64 a1\n"}, true},
        {"move: an opening move", Action::Move, Start, 3, 0, {"d3\n", "c4\n", "f5\n", "e6\n"}},
        {"move: the one legal move, at each end of the levels", Action::Move, LastEmpty + " X", 1, 0, {"a1\n"}},
        {"move: strongest level", Action::Move, LastEmpty + " X", 5, 0, {"a1\n"}},
        {"move: nothing to play", Action::Move, LastEmpty + " O", 3, 0, {"pass\n"}},

        {"too short", Action::Solve, Start.substr(1), 3, 2, {}},
        {"too long", Action::Move, "-" + Start, 3, 2, {}},
        {"a bad square", Action::Solve, "x" + Start.substr(1), 3, 2, {}},
        {"no side to move", Action::Solve, Start.substr(0, 64), 3, 2, {}},
        {"a bad side", Action::Move, Start.substr(0, 65) + "B", 3, 2, {}},
        {"something after the side", Action::Move, Start + " ", 3, 2, {}},
        {"empty", Action::Solve, "", 3, 2, {}},
        {"solve: the game is over", Action::Solve, board('X', {{5, 'O'}}) + " O", 3, 2, {}},
        {"solve: too many empty squares", Action::Solve, Start, 3, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameOptions options;
        options.action = c.action;
        options.position = c.position;
        options.level = c.level;
        options.showLine = c.showLine;
        const AnalysisOutcome outcome = analyse(options);
        EXPECT_EQ(outcome.status, c.status);
        if (c.status == 0) {
            EXPECT_NE(std::find(c.outputs.begin(), c.outputs.end(), outcome.output), c.outputs.end())
                << outcome.output;
            EXPECT_TRUE(outcome.errors.empty());
        } else {
            EXPECT_EQ(outcome.output, "");
            ASSERT_EQ(outcome.errors.size(), 1u);
            EXPECT_FALSE(outcome.errors[0].empty());
            EXPECT_EQ(outcome.errors[0].find('\n'), std::string::npos) << "one line: " << outcome.errors[0];
        }
    }
}

} // namespace
