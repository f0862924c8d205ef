// What the game costs a player's machine, measured on a private Xvfb like the end-to-end tests:
// the time from launch to the first frame (the window mapped and the orange veil drawn), and the
// CPU the game uses while the title spins and while the play screen stands idle.
//
//   frame_cost [--seconds N] [--rounds N] [--values] GAME [GAME ...]
//
// With --values, V is pressed on the play screen and the values given a second to reach their
// final depth before the play screen is measured.
//
// Several games (say, two builds) are measured in turn, round after round, so that what else
// the machine does weighs on each alike. It measures and prints; it judges nothing.
#include "tests/e2e/GameSession.h"
#include "tests/e2e/PlaySteps.h"
#include "tests/e2e/ScreenProbe.h"

#include <X11/keysym.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The share of one core the game uses over `seconds` from now, in percent.
double corePercentOver(GameSession& session, int seconds)
{
    const double before = cpuSecondsOf(session.game().pid());
    const auto from = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = cpuSecondsOf(session.game().pid()) - before;
    return 100.0 * used / std::chrono::duration<double>(Clock::now() - from).count();
}

struct Reading {
    double firstFrameSeconds = -1;
    double titlePercent = -1;
    double playPercent = -1;
};

Reading measure(const std::string& game, int seconds, bool values)
{
    Reading reading;
    GameSession::Setup setup;
    setup.executable = game;
    const auto launched = Clock::now();
    GameSession session(setup);
    if (!session.isReady()) {
        std::fprintf(stderr, "%s: %s\n", game.c_str(), session.problem().c_str());
        return reading;
    }
    if (!session.waitForScreen("first-frame", [](const Screenshot& shot) { return evenVeilStrength(shot) > 0; }))
        return reading;
    // The session starts the game last, so the X server's start-up stays out of the figure.
    reading.firstFrameSeconds = std::chrono::duration<double>(Clock::now() - launched).count();

    if (!session.waitForScreen("title-board", [](const Screenshot& shot) {
            return evenVeilStrength(shot) < 0 && !isSolidOrange(shot);
        }))
        return reading;
    reading.titlePercent = corePercentOver(session, seconds);
    session.player().tap(XK_Return);
    if (!session.waitForScreen("start-flash", isSolidOrange))
        return reading;
    const ExpectedBoard start;
    if (!session.waitForScreen("start-position", [&](const Screenshot& shot) {
            return showsPlayScreen(session.font(), shot, start, startCursor, turnMessage(1));
        }))
        return reading;
    if (values) {
        session.player().tap(XK_v);
        std::this_thread::sleep_for(std::chrono::seconds(1)); // level 3 at the start: done in well under that
    }
    reading.playPercent = corePercentOver(session, seconds);
    return reading;
}

} // namespace

int main(int argc, char** argv)
{
    int seconds = 10;
    int rounds = 3;
    bool values = false;
    std::vector<std::string> games;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc)
            seconds = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc)
            rounds = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--values"))
            values = true;
        else
            games.push_back(argv[i]);
    }
    if (games.empty()) {
        std::fprintf(stderr, "usage: frame_cost [--seconds N] [--rounds N] [--values] GAME [GAME ...]\n");
        return 2;
    }
    std::printf("%-6s %-50s %12s %10s %10s\n", "round", "game", "first frame", "title", "play");
    for (int round = 1; round <= rounds; ++round) {
        for (const std::string& game : games) {
            const Reading r = measure(game, seconds, values);
            std::printf("%-6d %-50s %10.3f s %8.1f %% %8.1f %%\n", round, game.c_str(), r.firstFrameSeconds,
                        r.titlePercent, r.playPercent);
            std::fflush(stdout);
        }
    }
    return 0;
}
