#include "app/cli/AnalysisCommand.h"

#include "app/cli/ThreadsOption.h"
#include "engine/PositionText.h"
#include "engine/Search.h"

#include <cstdio>

namespace cli {

namespace {

// The table of one analysis: large enough that a 20-something-empty solve stays in it.
// (8 or 16 MB, which fit the caches better, searched 4-16% more nodes on FFO #40-#49 in about the
// same time.)
constexpr std::size_t AnalysisTableMegabytes = 64;
// An exact solve grows about threefold with each further empty square (20 empties take a
// second or two, 23 about ten): past this many it would run for hours, so it is refused rather
// than left to look like a hang.
constexpr int MostEmptiesToSolve = 26;
// The system hands a table's memory out page by page as it is first touched, twice over where a
// look-up reads a page before anything is written to it. From this many empty squares a solve
// touches most of the table, and filling it whole first costs less than those faults (FFO #40, 20
// empty squares: 0.73 s instead of 0.94; 18: 0.29 s instead of 0.47; 16: 0.26 s against 0.22).
constexpr int FillTableFromEmpties = 18;

std::string moveText(int square)
{
    return square < 0 ? "pass" : engine::squareName(square);
}

} // namespace

AnalysisOutcome analyse(const GameOptions& options)
{
    engine::ParsedPosition parsed;
    std::string why;
    if (!engine::parsePosition(options.position, parsed, &why))
        return AnalysisOutcome::refused(why);

    AnalysisOutcome outcome;
    engine::Search search(engine::Evaluator::builtIn(), AnalysisTableMegabytes);
    if (options.action == GameOptions::Action::Solve) {
        if (parsed.position.isOver())
            return AnalysisOutcome::refused("the game is over in this position: there is nothing to solve");
        if (parsed.position.empties() > MostEmptiesToSolve)
            return AnalysisOutcome::refused(std::to_string(parsed.position.empties()) + " empty squares are too many to solve exactly (at most " +
                           std::to_string(MostEmptiesToSolve) + ")");
        if (parsed.position.empties() >= FillTableFromEmpties)
            search.clear();
        const engine::SearchResult best = search.solve(parsed.position, searchThreads(options));
        char score[16];
        std::snprintf(score, sizeof score, "%+d", best.score);
        outcome.output = moveText(best.move) + " " + score;
        if (options.showLine) {
            for (int move : best.line)
                outcome.output += " " + moveText(move);
        }
        outcome.output += "\n";
    } else {
        const engine::SearchResult chosen = search.chooseMove(parsed.position, options.level);
        outcome.output = moveText(chosen.move) + "\n";
    }
    return outcome;
}

} // namespace cli
