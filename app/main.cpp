// The game's entry. The command line is read first, before any window or sound exists: a bad
// option, --help, --version and the analysis commands answer on the terminal and end there.
// Otherwise one application, its main loop, then an orderly shutdown; the exit status is 1 when
// the window could not be opened, else 0.
#include "app/cli/AnalysisCommand.h"
#include "app/Application.h"
#include "app/cli/CommandLine.h"
#include "app/DataFolder.h"

#include <SDL.h> // where SDL brings its own start-up code, it renames main for it

#include <cstdio>

namespace {

// Status of a command line we cannot act on.
constexpr int BadUsageStatus = 2;

int play(const GameOptions& options)
{
    enterDataFolder(); // the game reads ./data/...: start where that folder is
    Application* application = Application::instance(options);
    const bool hasWindow = application->hasWindow();
    if (hasWindow)
        application->run();
    Application::destroyInstance();
    return hasWindow ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const ParsedCommandLine parsed = parseCommandLine(argc, argv);
    if (!parsed.ok) {
        std::fprintf(stderr, "reversi: %s\n%s\n", parsed.error.c_str(), usageLine().c_str());
        return BadUsageStatus;
    }
    const GameOptions& options = parsed.options;
    switch (options.action) {
    case GameOptions::Action::Help:
        std::fputs(helpText().c_str(), stdout);
        return 0;
    case GameOptions::Action::Version:
        std::printf("%s\n", versionLine().c_str());
        return 0;
    case GameOptions::Action::Solve:
    case GameOptions::Action::Move: {
        const AnalysisOutcome outcome = analyse(options);
        std::fputs(outcome.output.c_str(), stdout);
        std::fputs(outcome.error.c_str(), stderr);
        return outcome.status;
    }
    case GameOptions::Action::Play:
        break;
    }
    return play(options);
}
