#pragma once

#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/OverlayText.h"
#include "tests/e2e/Screenshot.h"
#include "tests/e2e/XClient.h"
#include "tests/e2e/XvfbServer.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One run of the real game as a player sees it: a private X server, the game started on it from
// a working directory holding ./data, and the player's keyboard and eyes on that server.
class GameSession {
public:
    struct Setup {
        std::string executable;               // empty: the game the build made
        std::vector<std::string> arguments;   // the game's command line after its name
        std::string workingDirectory;         // empty: the project root
        std::vector<std::string> environment; // "NAME=value" entries added to the usual ones
        std::string audioDriver = "dummy";    // SDL_AUDIODRIVER for the game
    };

    explicit GameSession(const Setup& setup);
    GameSession() : GameSession(Setup{}) {}
    ~GameSession();

    // The server is up, the test is connected to it and the game was started.
    bool isReady() const;
    // What went wrong when not ready.
    const std::string& problem() const { return m_problem; }

    XClient& player() { return *m_client; }
    // The game's font (from the project's data), to read the screen's text with.
    const OverlayText& font() const { return m_font; }
    ChildProcess& game() { return *m_game; }
    pid_t serverPid() const { return m_server ? m_server->pid() : -1; }
    // ":N", the private X server the game shows on.
    std::string displayName() const { return m_server ? m_server->displayName() : ""; }

    // Looks at the screen until `wanted` holds, for at most `limit`. On success the picture
    // that satisfied it; otherwise nothing, and the last picture is kept for inspection under
    // the name `what`.
    std::optional<Screenshot> waitForScreen(
        const std::string& what, const std::function<bool(const Screenshot&)>& wanted,
        std::chrono::seconds limit = defaultLimit);

    // With REVERSI_SCREENSHOT_DIR set, keeps `shot` there as <name>.ppm.
    void keep(const Screenshot& shot, const std::string& name) const;

    // What the game wrote to standard error so far.
    std::string errorOutput() const;
    // The games file the game keeps its matches in (under the session's XDG_DATA_HOME), and
    // its contents.
    std::string keptGames() const;

    // Software OpenGL on a loaded two-core machine can be slow, and a game built with the
    // sanitizers slower still (a few frames a second): the waits are generous, and they end as
    // soon as the screen is right.
    static constexpr std::chrono::seconds defaultLimit{120};

private:
    OverlayText m_font;
    std::string m_scratch;
    std::string m_dataHome;
    std::unique_ptr<XvfbServer> m_server;
    std::unique_ptr<XClient> m_client;
    std::unique_ptr<ChildProcess> m_game;
    std::string m_problem;
};

// Where the tests find the game and its data (set by the build).
std::string gamePath();
std::string projectRoot();
