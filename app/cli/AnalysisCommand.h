#pragma once
// The analysis commands: --solve (best move and exact final disc difference, with --pv the line
// of best play after them) and --move (the move the computer would play at a level). No window, no sound, no data files: the answer goes to
// standard output as one line, a bad position to standard error.
#include "app/cli/CommandLine.h"

#include <string>
#include <vector>

namespace cli {

// A command's answer, which the entry prints: standard output as it is, then each line for
// standard error through errorLine() (app/files/ErrorLine.h).
struct AnalysisOutcome {
    int status = 0;     // 0 answered; 2 the position could not be used
    std::string output; // standard output, with its newline
    std::vector<std::string> errors; // lines for standard error: what went wrong, and notes

    // A refusal: status 2, nothing on standard output, `why` the one line for standard error.
    static AnalysisOutcome refused(const std::string& why)
    {
        AnalysisOutcome outcome;
        outcome.status = 2;
        outcome.errors = {why};
        return outcome;
    }
};

// Answers `options` (action Solve or Move).
AnalysisOutcome analyse(const GameOptions& options);

} // namespace cli
