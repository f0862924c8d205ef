#pragma once
// The commands over kept games: --games (the list), --stats (the tally by opponent) and
// --analyze (a game looked over move by move). No window and no sound; the answer goes to
// standard output, problems to standard error as one line each.
#include "app/cli/AnalysisCommand.h"
#include "app/cli/CommandLine.h"

#include <functional>
#include <string>

namespace cli {

// What --analyze reports while it runs: one line of progress, rewritten in place ("\r"). The
// caller shows it only where a person watches (stderr a terminal).
using ProgressLine = std::function<void(const std::string& line)>;

// `recordsPath` is the kept games' file (records::recordsPath() in the game).
AnalysisOutcome listGames(const std::string& recordsPath);
AnalysisOutcome tallyGames(const std::string& recordsPath);
// options.game: what records::resolveGame takes (a transcript, "@N", "@", PATH, PATH@N); options.level.
AnalysisOutcome analyzeGame(const GameOptions& options, const std::string& recordsPath, const ProgressLine& progress);

} // namespace cli
