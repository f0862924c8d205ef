#pragma once
// The commands over the drills: --drills (every exercise made of the kept games, with when it is
// due) and --stats (the tally of the kept games, then the discs lost per move by phase). Both
// look over the kept games the verdict cache does not hold yet, with a progress line for a
// person watching. No window and no sound; the answer goes to standard output, notes (damaged
// lines skipped, a damaged cache or schedule, the games looked over) to standard error.
#include "app/cli/AnalysisCommand.h"
#include "app/cli/GameCommands.h"

#include <string>

namespace drills {

// Where the commands read and write, the game's own files by default (tests give their own).
struct DrillFiles {
    std::string records;  // the kept games
    std::string cache;    // the verdicts
    std::string schedule; // the exercises' boxes
};
DrillFiles drillFiles();

// --drills on `day` (a UTC day, see Schedule.h).
cli::AnalysisOutcome listDrills(const DrillFiles& files, long long day, const cli::ProgressLine& progress,
                                int threads = 1);
// --stats: the tally by opponent, then the phases.
cli::AnalysisOutcome statsWithPhases(const DrillFiles& files, const cli::ProgressLine& progress);

} // namespace drills
