#pragma once
// The player's choices that outlive a run: the move marks, the values on the legal squares, the
// sound and the computer's level.
//
// On disk they are plain "key = value" lines (SettingsFile reads and writes the file). Every key
// is one row of a table below, so a new boolean choice is one field here and one row there. A
// value that is missing or cannot be read keeps its default; reading never fails as a whole.
#include <string>
#include <vector>

namespace settings {

struct Settings {
    bool marks = false; // legal and last moves marked on the board
    bool sound = true;  // music and effects
    bool records = true; // every match kept in the games file
    bool values = false; // each legal move's value on its square (play and review screens)
    int level = 3;      // the computer's strength for matches started from the title, 1..5
};

// One "on" / "off" key.
struct BoolSettingKey {
    const char* name;
    bool Settings::*field;
};

// One whole-number key with its allowed range.
struct IntSettingKey {
    const char* name;
    int Settings::*field;
    int lowest;
    int highest;
};

extern const std::vector<BoolSettingKey> BoolSettingKeys;
extern const std::vector<IntSettingKey> IntSettingKeys;

// Reads `text` line by line over `settings`: good lines set their value; blank lines and lines
// starting with '#' are skipped. Each bad line (unknown key, bad value, no '=', control bytes)
// is left out and described in `problems`, one entry per line ("line 3: unknown key \"x\"").
void applySettingsText(const std::string& text, Settings& settings, std::vector<std::string>& problems);

// The whole file's text: one line per key, in table order.
std::string settingsText(const Settings& settings);

} // namespace settings
