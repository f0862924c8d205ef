#pragma once
// Where the game keeps its own files, after the XDG base directory rules: the settings under
// XDG_CONFIG_HOME (~/.config when unset), the kept games under XDG_DATA_HOME (~/.local/share),
// each in a "reversi" folder of its own.
//
// A variable whose value is not an absolute path is ignored, as the rules ask, and so is a HOME
// that is not one: then there is no folder, the path is "", and the caller reads and writes
// nothing. Folders the game makes are private to the player (0700, as the rules ask); folders that
// already exist are left as they are.
#include <string>

namespace files {

// A base directory: its variable and its place in the home folder when the variable gives none.
struct BaseDirectory {
    const char* variable;
    const char* inHome;
};

constexpr BaseDirectory ConfigHome{"XDG_CONFIG_HOME", "/.config"};
constexpr BaseDirectory DataHome{"XDG_DATA_HOME", "/.local/share"};

// The base directory from the variable's value and HOME's (null when unset), or "".
std::string baseDirectory(const BaseDirectory& base, const char* value, const char* home);
// The same from the environment.
std::string baseDirectory(const BaseDirectory& base);

// The game's file `name` in `folder` ("<folder>/reversi/<name>"), or "" when `folder` is "".
std::string gameFile(const std::string& folder, const std::string& name);

// Made by makeParentFolders: private to the player.
constexpr unsigned FolderMode = 0700;

// Makes the folder that is to hold the file `path`, and every missing folder above it, with
// FolderMode; folders already there keep their mode. True when that folder is there afterwards
// (a path without one needs nothing); otherwise false, one line in `error` naming the folder
// that could not be made, and errno left at the reason.
bool makeParentFolders(const std::string& path, std::string& error);

} // namespace files
