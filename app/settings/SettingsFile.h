#pragma once
// Where the player's settings live and how they reach the disk: $XDG_CONFIG_HOME/reversi/settings,
// or ~/.config/reversi/settings when XDG_CONFIG_HOME is unset or not an absolute path.
//
// Reading never fails the game: a missing file means the defaults, silently; anything wrong with
// the file (a folder in its place, no permission, too large, bad lines) keeps the default for
// what is wrong and says so in one line, naming the file. Writing puts the whole text
// in a temporary file beside it and renames it over the old one, so the file is always either the
// old one or the new one; a folder that cannot be written gives one line and changes nothing.
#include "app/settings/Settings.h"

#include <string>

namespace settings {

// Larger files are not settings files; nothing of them is read.
constexpr std::size_t MaxSettingsFileBytes = 64 * 1024;

// The file's path from the two variables' values (null when unset); empty when neither gives a
// usable folder (then nothing is read or written).
std::string settingsPath(const char* xdgConfigHome, const char* home);

// The settings in `path` over the defaults. What was wrong with the file, if anything, in `error`
// (one line, as app/files/ErrorLine.h says; empty when nothing was).
Settings readSettingsFile(const std::string& path, std::string& error);

// Writes `settings` to `path` whole, making its folders when needed. False, with one line in
// `error`, when it could not (an empty path included).
bool writeSettingsFile(const std::string& path, const Settings& settings, std::string& error);

} // namespace settings
