// Without a display the game cannot open its window: it says so on standard error and ends with
// status 1, whichever way SDL fails.
#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/GameSession.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

// The window code's two messages, in the game's own bytes (Windows-1252: 0xE9 is "é").
const std::string videoStartFailed = "Impossible d'initializing SDL Video : ";
const std::string windowFailed = "Impossible de cr\xE9" "er une fenetre : ";

// SDL's text-mode drivers may add their own noise; the game's line is what counts.
bool mentions(const std::string& text, const std::string& message)
{
    return text.find(message) != std::string::npos;
}

} // namespace

TEST(NoDisplay, MessageAndStatusOne)
{
    struct Row {
        const char* situation;
        std::vector<std::string> environment;
        bool eitherMessage; // SDL may fail at its start or at the video mode
    };
    const Row rows[] = {
        {"SDL_VIDEODRIVER=x11 and no X server", {"SDL_VIDEODRIVER=x11"}, false},
        {"DISPLAY unset", {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.situation);
        std::string scratch = makeTempDirectory("reversi-nodisplay");
        ChildProcess::Options options;
        options.argv = {gamePath()};
        options.environment = environmentWithout(
            {"DISPLAY", "SDL_VIDEODRIVER", "SDL_AUDIODRIVER", "WAYLAND_DISPLAY", "XAUTHORITY"});
        options.environment.push_back("SDL_AUDIODRIVER=dummy");
        for (const std::string& entry : row.environment)
            options.environment.push_back(entry);
        options.workingDirectory = projectRoot();
        options.stderrPath = scratch + "/stderr.txt";
        {
            ChildProcess game(options);
            std::optional<int> status = game.waitForExit(GameSession::defaultLimit);
            ASSERT_TRUE(status) << "the game did not end on its own (signal "
                                << game.terminatingSignal() << ")";
            EXPECT_EQ(*status, 1);
        }
        std::string errors = readWholeFile(scratch + "/stderr.txt");
        bool first = mentions(errors, videoStartFailed);
        bool second = mentions(errors, windowFailed);
        EXPECT_TRUE(first || (row.eitherMessage && second)) << "standard error: " << errors;
        if (first || second) {
            // The message carries SDL's own explanation after the colon.
            const std::string& message = first ? videoStartFailed : windowFailed;
            size_t end = errors.find(message) + message.size();
            EXPECT_TRUE(end < errors.size() && errors[end] != '\n') << "no reason: " << errors;
        }
        removeTree(scratch);
    }
}
