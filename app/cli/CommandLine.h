#pragma once
// The game's command line. With no option the game is the two-player keyboard game; every option
// is opt-in. One parser serves the game and the analysis commands, and it decides everything
// before a window or a sound device exists, so a bad option costs nothing but a line on stderr.
#include "engine/Levels.h"

#include <string>

namespace cli {

struct GameOptions {
    enum class Action {
        Play,    // open the window and play
        Help,    // print the help text on stdout
        Version, // print the version on stdout
        Solve,   // print the best move and the exact final disc difference of `position`
        Move,    // print the move the computer would play on `position` at `level`
        Games,   // list the kept games
        Analyze, // look over `game` move by move at `level`
        Stats,   // the tally of the kept games by opponent
        Review,  // open the window on the review of `game`
        Drills,  // the exercises made of the kept games' mistakes
        Gtp,     // the engine over GTP on standard input and output, at `level`
        Nboard,  // the engine over NBoard's protocol on standard input and output
    };

    Action action = Action::Play;
    int computerSide = 0;  // 0: two keyboard players; 1 or 2: the computer plays that side
    int level = engine::DefaultLevel; // the computer's strength, engine::MinLevel to MaxLevel
    bool levelGiven = false; // --level was on the command line (else the settings' level plays)
    bool windowed = false; // a 1024 x 768 window instead of the full screen
    std::string position;  // the board text given to --solve or --move
    bool showLine = false; // --pv: --solve also prints the principal variation
    std::string game;      // what --analyze looks over or --review opens: see records::resolveGame
    int threads = 0;       // --threads: the searches' threads; 0 not given (then cli::defaultThreads())
};

struct ParsedCommandLine {
    bool ok = false;
    GameOptions options;
    std::string error; // what was wrong, when not ok (no trailing newline)
};

ParsedCommandLine parseCommandLine(int argc, const char* const* argv);

// "usage: reversi [...]", one line without its newline.
std::string usageLine();
// The --help text: every option, its values and the position format.
std::string helpText();
// "reversi <version>".
std::string versionLine();

} // namespace cli
