#include "app/cli/GameCommands.h"

#include "app/cli/GameAnalysis.h"
#include "app/cli/ThreadsOption.h"
#include "app/records/GameArgument.h"
#include "app/records/GameReplay.h"
#include "app/records/RecordsFile.h"
#include "app/records/Tally.h"
#include "app/records/Transcript.h"
#include "engine/Levels.h"
#include "engine/PositionText.h"
#include "engine/PrintableBytes.h"

#include <chrono>
#include <cstdio>

namespace cli {

namespace {

// A field read from the file as it may go to a terminal: a hostile file could drive the terminal
// with control bytes.
std::string shown(const std::string& field)
{
    return engine::printableBytes(field, engine::Unprintable::Mask);
}

std::string resultText(const records::GameRecord& game)
{
    if (!game.finished)
        return "unfinished";
    char text[16];
    std::snprintf(text, sizeof text, "%+d", game.result);
    return text;
}

// The kept games, or the refusal when the file exists and cannot be read.
bool readGames(const std::string& path, records::KeptGames& kept, AnalysisOutcome& refusal)
{
    if (path.empty()) {
        refusal = AnalysisOutcome::refused("no folder for the kept games: neither XDG_DATA_HOME nor HOME is set");
        return false;
    }
    kept = records::readKeptGames(path);
    if (!kept.error.empty()) {
        refusal = AnalysisOutcome::refused(kept.error);
        return false;
    }
    return true;
}

void skippedNote(const records::KeptGames& kept, const std::string& path, AnalysisOutcome& outcome)
{
    if (kept.skipped > 0)
        outcome.errors.push_back(std::to_string(kept.skipped) + (kept.skipped == 1 ? " damaged line" : " damaged lines") +
                                 " skipped in " + path);
}

std::string minutesAndSeconds(double seconds)
{
    const int whole = int(seconds + 0.5);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", whole / 60, whole % 60);
    return text;
}

} // namespace

AnalysisOutcome listGames(const std::string& recordsPath)
{
    records::KeptGames kept;
    AnalysisOutcome outcome;
    if (!readGames(recordsPath, kept, outcome))
        return outcome;
    int number = 0;
    for (const records::GameRecord& game : kept.games) {
        ++number;
        outcome.output += std::to_string(number) + "  " + shown(game.date) + "  " + shown(game.black) + " - " +
                          shown(game.white) + "  " +
                          resultText(game) + "  " + records::transcriptOf(game.turns) + "\n";
    }
    if (kept.games.empty())
        outcome.errors.push_back("no games kept in " + recordsPath);
    skippedNote(kept, recordsPath, outcome);
    return outcome;
}

AnalysisOutcome tallyGames(const std::string& recordsPath)
{
    records::KeptGames kept;
    AnalysisOutcome outcome;
    if (!readGames(recordsPath, kept, outcome))
        return outcome;
    const std::vector<records::TallyRow> rows = records::tally(kept.games);
    if (!rows.empty())
        outcome.output = "opponent                         played  won  drawn  lost  unfinished\n";
    for (const records::TallyRow& row : rows) {
        const std::string who = row.computerLevel == 0 ? "two players (for player one)"
                                                       : records::computerName(row.computerLevel) + " (for you)";
        char line[128];
        std::snprintf(line, sizeof line, "%-32s %6d %4d %6d %5d %11d\n", who.c_str(), row.played, row.won, row.drawn,
                      row.lost, row.unfinished);
        outcome.output += line;
    }
    if (kept.games.empty())
        outcome.errors.push_back("no games kept in " + recordsPath);
    skippedNote(kept, recordsPath, outcome);
    return outcome;
}

namespace {

// What --analyze takes, as records::resolveGame reads it.
bool gameToAnalyze(const std::string& text, const std::string& recordsPath, records::Replay& game,
                   AnalysisOutcome& refusal)
{
    std::string error;
    if (records::resolveGame(text, recordsPath, game, error))
        return true;
    refusal = AnalysisOutcome::refused(error);
    return false;
}

std::string summaryLine(const char* side, const analysis::SideSummary& summary)
{
    return std::string(side) + ": " + std::to_string(summary.moves) + (summary.moves == 1 ? " move, " : " moves, ") +
           std::to_string(summary.mistakes) + (summary.mistakes == 1 ? " mistake, " : " mistakes, ") +
           std::to_string(summary.discsLost) + " discs lost\n";
}

} // namespace

AnalysisOutcome analyzeGame(const GameOptions& options, const std::string& recordsPath, const ProgressLine& progress)
{
    records::Replay game;
    AnalysisOutcome outcome;
    if (!gameToAnalyze(options.game, recordsPath, game, outcome))
        return outcome;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    analysis::Progress report;
    if (progress) {
        report = [&](int done, int total) {
            const double elapsed = std::chrono::duration<double>(Clock::now() - started).count();
            const double left = elapsed / done * (total - done);
            progress("analysing: " + std::to_string(done) + " of " + std::to_string(total) + " moves, about " +
                     minutesAndSeconds(left) + " left");
        };
    }
    const analysis::GameReview review = analysis::reviewGame(game, options.level, report, {}, searchThreads(options));

    std::string& out = outcome.output;
    out = "level " + std::to_string(options.level) + " search";
    if (review.firstExactMove > 0)
        out += " up to move " + std::to_string(review.firstExactMove - 1) + ", exact from move " +
               std::to_string(review.firstExactMove) + " (" + std::to_string(review.firstExactEmpties) +
               " empty squares)\n";
    else
        out += " throughout (exact from " + std::to_string(engine::analysisLimits(options.level).exactFrom) +
               " empty squares: not reached)\n";
    out += "move  side   played  best  value  cost\n";
    for (const analysis::MoveReview& move : review.moves) {
        char line[96];
        std::snprintf(line, sizeof line, "%4d  %-5s  %-6s  %-4s  %+5d  %4d%s\n", move.number,
                      move.black ? "Black" : "White", engine::squareName(move.played).c_str(),
                      engine::squareName(move.best).c_str(), move.value, move.cost,
                      move.cost >= analysis::MistakeDiscs ? "  mistake" : "");
        out += line;
    }
    out += summaryLine("Black", review.black);
    out += summaryLine("White", review.white);
    return outcome;
}

} // namespace cli
