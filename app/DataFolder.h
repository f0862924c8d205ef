#pragma once
// Where the game's pictures and sounds are. The game opens them through relative "./data/..."
// paths, so at start it makes the folder that holds data/ its working directory. Looked for, in
// order: the folder named by REVERSI_DATA_DIR, the current folder (the game run from the project
// root), then the installed data, found from the executable's own path so that any prefix, a
// moved install and an unpacked package all work.
#include <functional>
#include <string>
#include <vector>

// The folders that may hold data/, best first, without repeats. `overrideFolder` may be null or
// empty (not set); `executablePath` may be empty (unknown); `besideExecutable` are paths
// relative to the executable's folder.
std::vector<std::string> dataFolderCandidates(const char* overrideFolder,
                                              const std::string& currentFolder,
                                              const std::string& executablePath,
                                              const std::vector<std::string>& besideExecutable);

// `folder` holds data/ with the game's files in it.
bool holdsGameData(const std::string& folder);

struct DataFolderChoice {
    std::string folder;             // empty when no candidate holds the files
    std::vector<std::string> tried; // every candidate looked at, in order
};

// The first candidate for which `holdsData` is true.
DataFolderChoice chooseDataFolder(const std::vector<std::string>& candidates,
                                  const std::function<bool(const std::string&)>& holdsData);

// Finds the data folder and makes it the working directory. When there is none, false comes back
// with one line in `error` naming the folders tried (as app/files/ErrorLine.h says), and the
// working directory stays as it was: the game then runs without its pictures and sounds.
bool enterDataFolder(std::string& error);
