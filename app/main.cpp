// The game's entry. The command line is read first, before any window or sound exists: a bad
// option, --help, --version and the analysis commands answer on the terminal and end there.
// Otherwise one application, its main loop, then an orderly shutdown; the exit status is 1 when
// the window could not be opened, else 0.
#include "app/cli/AnalysisCommand.h"
#include "app/Application.h"
#include "app/cli/CommandLine.h"
#include "app/DataFolder.h"
#include "app/files/ErrorLine.h"
#include "app/cli/GameCommands.h"
#include "app/cli/ThreadsOption.h"
#include "app/drills/DrillsCommand.h"
#include "app/drills/Schedule.h"
#include "app/records/GameArgument.h"
#include "app/records/RecordsFile.h"
#include "app/protocols/ProtocolLoop.h"

#include <SDL.h> // where SDL brings its own start-up code, it renames main for it

#include <cstdio>
#include <unistd.h>

namespace {

// Status of a command line we cannot act on.
constexpr int BadUsageStatus = 2;

// `review`: the game to open the window on, instead of the title, between `names`.
int play(const cli::GameOptions& options, const records::Replay* review = nullptr, const ReviewNames& names = {})
{
    std::string error;
    if (!enterDataFolder(error)) // the game reads ./data/...: start where that folder is
        std::fputs(errorLine(error).c_str(), stderr);
    Application* application = Application::instance(options);
    const bool hasWindow = application->hasWindow();
    if (hasWindow && review)
        application->reviewAtStart(*review, names);
    if (hasWindow)
        application->run();
    Application::destroyInstance();
    return hasWindow ? 0 : 1;
}

int answer(const cli::AnalysisOutcome& outcome)
{
    std::fputs(outcome.output.c_str(), stdout);
    for (const std::string& line : outcome.errors)
        std::fputs(errorLine(line).c_str(), stderr);
    return outcome.status;
}

// --analyze's progress, rewritten in place on a terminal and never shown elsewhere.
void showProgress(const std::string& line)
{
    std::fprintf(stderr, "\r%s\033[K", line.c_str());
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv)
{
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(argc, argv);
    if (!parsed.ok) {
        std::fprintf(stderr, "%s%s\n", errorLine(parsed.error).c_str(), cli::usageLine().c_str());
        return BadUsageStatus;
    }
    const cli::GameOptions& options = parsed.options;
    switch (options.action) {
    case cli::GameOptions::Action::Help:
        std::fputs(cli::helpText().c_str(), stdout);
        return 0;
    case cli::GameOptions::Action::Version:
        std::printf("%s\n", cli::versionLine().c_str());
        return 0;
    case cli::GameOptions::Action::Solve:
    case cli::GameOptions::Action::Move:
        return answer(cli::analyse(options));
    case cli::GameOptions::Action::Games:
        return answer(cli::listGames(records::recordsPath()));
    case cli::GameOptions::Action::Stats:
    case cli::GameOptions::Action::Drills: {
        const bool watched = isatty(STDERR_FILENO);
        const cli::ProgressLine progress = watched ? cli::ProgressLine(showProgress) : cli::ProgressLine();
        const cli::AnalysisOutcome outcome = options.action == cli::GameOptions::Action::Stats
                                                 ? drills::statsWithPhases(drills::drillFiles(), progress)
                                                 : drills::listDrills(drills::drillFiles(), drills::today(), progress,
                                                                    cli::searchThreads(options));
        if (watched)
            std::fputs("\r\033[K", stderr);
        return answer(outcome);
    }
    case cli::GameOptions::Action::Analyze: {
        const bool watched = isatty(STDERR_FILENO);
        const cli::AnalysisOutcome outcome =
            cli::analyzeGame(options, records::recordsPath(), watched ? cli::ProgressLine(showProgress) : cli::ProgressLine());
        if (watched)
            std::fputs("\r\033[K", stderr); // the progress line goes before the answer comes
        return answer(outcome);
    }
    case cli::GameOptions::Action::Review: {
        // The game is read before any window opens: a bad one costs a line and nothing else.
        records::Replay game;
        std::string error;
        if (!records::resolveGame(options.game, records::recordsPath(), game, error)) {
            std::fputs(errorLine(error).c_str(), stderr);
            return BadUsageStatus;
        }
        return play(options, &game, reviewNamesOf(options.game, records::recordsPath()));
    }
    case cli::GameOptions::Action::Gtp:
        return protocols::runGtp(options.level, cli::versionLine().substr(std::string("reversi ").size()),
                                 cli::searchThreads(options));
    case cli::GameOptions::Action::Nboard:
        return protocols::runNboard(cli::searchThreads(options));
    case cli::GameOptions::Action::Play:
        break;
    }
    return play(options);
}
