#include "app/DataFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

// The install tells where its data lies from its executable; the build sets both paths.
#ifndef REVERSI_DATA_FROM_BINDIR
#define REVERSI_DATA_FROM_BINDIR "../share/reversi"
#endif

namespace fs = std::filesystem;

namespace {

// Two files every screen needs: without the font there is no text, without the board surface
// the board is plain white.
constexpr const char* TellTaleFiles[] = {"data/image/font3.tga", "data/image/tray.tga"};

// This install's own layout first, then the two usual ones (Debian's games layout and the
// plain one), so a game built for one layout still finds data installed in the other.
const std::vector<std::string> InstalledDataBesideExecutable = {
    REVERSI_DATA_FROM_BINDIR, "../share/games/reversi", "../share/reversi"};

void addOnce(std::vector<std::string>& list, const std::string& folder)
{
    for (const std::string& known : list)
        if (known == folder)
            return;
    list.push_back(folder);
}

std::string currentFolder()
{
    std::error_code error;
    fs::path current = fs::current_path(error);
    return error ? "." : current.string();
}

std::string executablePath()
{
    std::error_code error;
    fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? "" : path.string();
}

} // namespace

std::vector<std::string> dataFolderCandidates(const char* overrideFolder,
                                              const std::string& currentFolder,
                                              const std::string& executablePath,
                                              const std::vector<std::string>& besideExecutable)
{
    std::vector<std::string> candidates;
    if (overrideFolder != nullptr && overrideFolder[0] != '\0')
        addOnce(candidates, overrideFolder);
    addOnce(candidates, currentFolder);
    if (!executablePath.empty()) {
        const fs::path executableFolder = fs::path(executablePath).parent_path();
        for (const std::string& relative : besideExecutable)
            addOnce(candidates, (executableFolder / relative).lexically_normal().string());
    }
    return candidates;
}

bool holdsGameData(const std::string& folder)
{
    for (const char* file : TellTaleFiles) {
        std::error_code error;
        if (!fs::is_regular_file(fs::path(folder) / file, error))
            return false;
    }
    return true;
}

DataFolderChoice chooseDataFolder(const std::vector<std::string>& candidates,
                                  const std::function<bool(const std::string&)>& holdsData)
{
    DataFolderChoice choice;
    for (const std::string& folder : candidates) {
        choice.tried.push_back(folder);
        if (holdsData(folder)) {
            choice.folder = folder;
            break;
        }
    }
    return choice;
}

bool enterDataFolder(std::string& error)
{
    const DataFolderChoice choice = chooseDataFolder(
        dataFolderCandidates(std::getenv("REVERSI_DATA_DIR"), currentFolder(), executablePath(),
                             InstalledDataBesideExecutable),
        holdsGameData);
    if (choice.folder.empty()) {
        std::string tried;
        for (const std::string& folder : choice.tried)
            tried += (tried.empty() ? "" : ", ") + folder;
        error = "the game's data/ folder is in none of " + tried +
                " (REVERSI_DATA_DIR may name the folder that holds it); playing without pictures and sounds";
        return false;
    }
    if (chdir(choice.folder.c_str()) != 0) {
        error = "cannot enter " + choice.folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
