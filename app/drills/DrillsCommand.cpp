#include "app/drills/DrillsCommand.h"

#include "app/cli/GameAnalysis.h"
#include "app/drills/Exercises.h"
#include "app/drills/Phases.h"
#include "app/drills/Schedule.h"
#include "app/records/RecordsFile.h"
#include "engine/PositionText.h"

#include <cstdio>

namespace drills {
namespace {

Progress progressOf(const cli::ProgressLine& line)
{
    if (!line)
        return Progress();
    return [line](int game, int games, int done, int total) {
        line("looking over game " + std::to_string(game) + " of " + std::to_string(games) + ": " +
             std::to_string(done) + " of " + std::to_string(total) + " moves");
    };
}

// The kept games, or the refusal when the file exists and cannot be read.
bool readGames(const std::string& path, records::KeptGames& kept, cli::AnalysisOutcome& refusal)
{
    if (path.empty()) {
        refusal = cli::AnalysisOutcome::refused("no folder for the kept games: neither XDG_DATA_HOME nor HOME is set");
        return false;
    }
    kept = records::readKeptGames(path);
    if (!kept.error.empty()) {
        refusal = cli::AnalysisOutcome::refused(kept.error);
        return false;
    }
    return true;
}

void addNotes(const Collected& collected, cli::AnalysisOutcome& outcome)
{
    // The games looked over are said by the progress line alone: a damaged cache is one line.
    for (const std::string& note : collected.notes)
        outcome.errors.push_back(note);
}

std::string squaresText(const std::vector<int>& squares)
{
    std::string text;
    for (int square : squares)
        text += (text.empty() ? "" : ",") + engine::squareName(square);
    return text;
}

} // namespace

DrillFiles drillFiles()
{
    return DrillFiles{records::recordsPath(), verdictCachePath(), schedulePath()};
}

cli::AnalysisOutcome listDrills(const DrillFiles& files, long long day, const cli::ProgressLine& progress, int threads)
{
    records::KeptGames kept;
    cli::AnalysisOutcome outcome;
    if (!readGames(files.records, kept, outcome))
        return outcome;
    const Collected collected = collectExercises(kept.games, files.cache, progressOf(progress), false, threads);
    std::string error;
    const Schedule schedule = Schedule::read(files.schedule, error);
    if (!error.empty())
        outcome.errors.push_back(error);
    if (!collected.exercises.empty())
        outcome.output = "   #  position                                                            played  best     lost  due\n";
    int number = 0;
    for (const Exercise& exercise : collected.exercises) {
        const ScheduleEntry entry = schedule.entry(exercise.position, day);
        const std::string due = entry.due <= day ? "now" : dayText(entry.due);
        char line[192];
        std::snprintf(line, sizeof line, "%4d  %s  %-6s  %-7s  %4d  %s\n", ++number, exercise.position.c_str(),
                      engine::squareName(exercise.played).c_str(), squaresText(exercise.bestMoves()).c_str(),
                      exercise.cost, due.c_str());
        outcome.output += line;
    }
    if (kept.games.empty())
        outcome.errors.push_back("no games kept in " + files.records);
    else if (collected.exercises.empty())
        outcome.errors.push_back("no exercises: no move of a player cost " + std::to_string(analysis::MistakeDiscs) +
                                 " discs or more");
    if (kept.skipped > 0)
        outcome.errors.push_back(std::to_string(kept.skipped) + (kept.skipped == 1 ? " damaged line" : " damaged lines") +
                                 " skipped in " + files.records);
    addNotes(collected, outcome);
    return outcome;
}

cli::AnalysisOutcome statsWithPhases(const DrillFiles& files, const cli::ProgressLine& progress)
{
    cli::AnalysisOutcome outcome = cli::tallyGames(files.records);
    if (outcome.status != 0)
        return outcome;
    const records::KeptGames kept = records::readKeptGames(files.records);
    const Collected collected = collectExercises(kept.games, files.cache, progressOf(progress), true);
    const std::vector<PhaseRow> rows = phaseRows(kept.games, collected.verdicts);
    if (!rows.empty()) {
        outcome.output += "\ndiscs lost per move against the computer (level " + std::to_string(DrillLevel) +
                          " analysis), by tenth of the games:\n"
                          "games        opening  middle     end\n";
    }
    for (const PhaseRow& row : rows) {
        char line[96];
        const std::string games = std::to_string(row.firstGame) +
                                  (row.lastGame != row.firstGame ? "-" + std::to_string(row.lastGame) : "");
        std::snprintf(line, sizeof line, "%-11s", games.c_str());
        std::string text = line;
        for (int phase = 0; phase < Phases; ++phase) {
            if (row.has(phase))
                std::snprintf(line, sizeof line, "  %6.2f", row.average(phase));
            else
                std::snprintf(line, sizeof line, "  %6s", "-");
            text += line;
        }
        outcome.output += text + "\n";
    }
    addNotes(collected, outcome);
    return outcome;
}

} // namespace drills
