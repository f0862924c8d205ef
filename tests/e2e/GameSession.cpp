#include "tests/e2e/GameSession.h"

#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <iostream>
#include <thread>

namespace {

constexpr std::chrono::milliseconds lookAgainAfter{40};

std::string screenshotDirectory()
{
    const char* directory = std::getenv("REVERSI_SCREENSHOT_DIR");
    return directory == nullptr ? "" : directory;
}

} // namespace

GameSession::GameSession(const Setup& setup) : m_font(projectRoot() + "/data/image/font3.tga")
{
    m_scratch = makeTempDirectory("reversi-e2e");
    if (!m_font.isLoaded()) {
        m_problem = "cannot read the game's font atlas";
        return;
    }
    m_server = std::make_unique<XvfbServer>();
    if (m_server->displayName().empty()) {
        m_problem = "the private X server did not start";
        return;
    }
    m_client = std::make_unique<XClient>(m_server->displayName());
    if (!m_client->isConnected()) {
        m_problem = "cannot connect to the private X server with XTEST";
        return;
    }

    ChildProcess::Options options;
    options.argv = {setup.executable.empty() ? gamePath() : setup.executable};
    options.argv.insert(options.argv.end(), setup.arguments.begin(), setup.arguments.end());
    options.environment = environmentWithout({"DISPLAY", "SDL_AUDIODRIVER", "SDL_VIDEODRIVER", "SDL_DISKAUDIOFILE",
                                              "XAUTHORITY", "XDG_DATA_HOME", "XDG_CONFIG_HOME"});
    options.environment.push_back("DISPLAY=" + m_server->displayName());
    options.environment.push_back("SDL_AUDIODRIVER=" + setup.audioDriver);
    for (const std::string& entry : setup.environment)
        options.environment.push_back(entry);
    // The player's settings and kept games stay in the session's own folders unless the test
    // names others: a run never reads or writes the real home's.
    const std::pair<std::string, std::string> homes[] = {{"XDG_DATA_HOME=", "/data"}, {"XDG_CONFIG_HOME=", "/config"}};
    for (const auto& [prefix, folder] : homes) {
        bool given = false;
        for (const std::string& entry : setup.environment)
            given = given || entry.rfind(prefix, 0) == 0;
        if (!given)
            options.environment.push_back(prefix + m_scratch + folder);
    }
    for (const std::string& entry : options.environment) {
        if (entry.rfind("XDG_DATA_HOME=", 0) == 0)
            m_dataHome = entry.substr(entry.find('=') + 1);
    }
    options.workingDirectory =
        setup.workingDirectory.empty() ? projectRoot() : setup.workingDirectory;
    options.stdoutPath = m_scratch + "/stdout.txt";
    options.stderrPath = m_scratch + "/stderr.txt";
    m_game = std::make_unique<ChildProcess>(options);
}

GameSession::~GameSession()
{
    // The game goes before its X server.
    m_game.reset();
    m_client.reset();
    m_server.reset();
    removeTree(m_scratch);
}

bool GameSession::isReady() const
{
    return m_problem.empty() && m_game != nullptr;
}

std::optional<Screenshot> GameSession::waitForScreen(
    const std::string& what, const std::function<bool(const Screenshot&)>& wanted,
    std::chrono::seconds limit)
{
    auto deadline = std::chrono::steady_clock::now() + limit;
    Screenshot last;
    while (true) {
        last = m_client->grabScreen();
        if (!last.empty() && wanted(last))
            return last;
        if (std::chrono::steady_clock::now() >= deadline || m_game->hasExited())
            break;
        std::this_thread::sleep_for(lookAgainAfter);
    }
    std::string directory = screenshotDirectory();
    std::string kept = directory.empty() ? "" : directory + "/failed-" + what + ".ppm";
    if (!kept.empty() && !last.empty())
        last.savePpm(kept);
    std::cerr << "The screen never showed: " << what
              << (kept.empty() ? "" : "; last picture in " + kept) << '\n';
    if (m_game->hasExited())
        std::cerr << "The game had ended; its standard error:\n" << errorOutput() << '\n';
    return std::nullopt;
}

void GameSession::keep(const Screenshot& shot, const std::string& name) const
{
    std::string directory = screenshotDirectory();
    if (!directory.empty() && !shot.savePpm(directory + "/" + name + ".ppm"))
        std::cerr << "Cannot write " << directory << "/" << name << ".ppm\n";
}

std::string GameSession::keptGames() const
{
    return readWholeFile(m_dataHome + "/reversi/games.ggf");
}

std::string GameSession::errorOutput() const
{
    return readWholeFile(m_scratch + "/stderr.txt");
}
