#include "app/cli/CommandLine.h"

#include "app/cli/ThreadsOption.h"

#include <cstring>

namespace cli {

#ifndef REVERSI_VERSION
#define REVERSI_VERSION "0"
#endif

namespace {

using engine::DefaultLevel;
using engine::MaxLevel;
using engine::MinLevel;

// "1-5": the levels as the usage line and the help write them.
std::string levelRange()
{
    return std::to_string(MinLevel) + "-" + std::to_string(MaxLevel);
}

// "3" -> 3; anything but a plain decimal number in [low, high] is refused.
bool parseNumber(const std::string& text, int low, int high, int& out)
{
    if (text.empty() || text.size() > 3)
        return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return false;
    out = value;
    return true;
}

ParsedCommandLine failure(std::string error)
{
    ParsedCommandLine parsed;
    parsed.error = std::move(error);
    return parsed;
}

} // namespace

ParsedCommandLine parseCommandLine(int argc, const char* const* argv)
{
    ParsedCommandLine parsed;
    GameOptions& options = parsed.options;
    bool analysis = false;     // --solve, --move or a command over kept games was given
    bool playOptions = false;  // --computer or --windowed was given
    bool levelGiven = false;
    bool lineAsked = false;    // --pv was given

    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        std::string value;
        bool hasValue = false;
        // Both "--level 3" and "--level=3".
        const std::size_t equals = name.find('=');
        if (name.compare(0, 2, "--") == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            hasValue = true;
        }
        const bool takesValue =
            name == "--computer" || name == "--level" || name == "--solve" || name == "--move" || name == "--analyze" ||
            name == "--review" || name == "--threads";
        if (takesValue && !hasValue) {
            if (i + 1 >= argc)
                return failure("option " + name + " needs a value");
            value = argv[++i];
        } else if (!takesValue && hasValue) {
            return failure("option " + name + " takes no value");
        }

        if (name == "--help" || name == "-h") {
            options.action = GameOptions::Action::Help; // help wins over everything else
            parsed.ok = true;
            return parsed;
        } else if (name == "--version") {
            options.action = GameOptions::Action::Version;
        } else if (name == "--windowed") {
            options.windowed = true;
            playOptions = true;
        } else if (name == "--computer") {
            if (!parseNumber(value, 1, 2, options.computerSide))
                return failure("--computer takes 1 (the computer plays first, dark) or 2 (second, white), not '" + value + "'");
            playOptions = true;
        } else if (name == "--level") {
            if (!parseNumber(value, MinLevel, MaxLevel, options.level))
                return failure("--level takes a number from " + std::to_string(MinLevel) + " to " +
                               std::to_string(MaxLevel) + ", not '" + value + "'");
            levelGiven = true;
            options.levelGiven = true;
        } else if (name == "--threads") {
            std::string error;
            if (!parseThreadsOption(value, options.threads, error))
                return failure(error);
        } else if (name == "--pv") {
            options.showLine = lineAsked = true;
        } else if (name == "--solve" || name == "--move") {
            if (analysis)
                return failure("--solve, --move, --games, --analyze and --stats go alone, once");
            analysis = true;
            options.action = name == "--solve" ? GameOptions::Action::Solve : GameOptions::Action::Move;
            options.position = value;
        } else if (name == "--games" || name == "--stats" || name == "--analyze" || name == "--drills") {
            if (analysis)
                return failure("--solve, --move, --games, --analyze, --stats and --drills go alone, once");
            analysis = true;
            options.action = name == "--games"    ? GameOptions::Action::Games
                             : name == "--stats"  ? GameOptions::Action::Stats
                             : name == "--drills" ? GameOptions::Action::Drills
                                                  : GameOptions::Action::Analyze;
            options.game = value;
        } else if (name == "--gtp" || name == "--nboard") {
            if (analysis)
                return failure("--gtp and --nboard go alone, once, without --solve, --move or a kept game's command");
            analysis = true;
            options.action = name == "--gtp" ? GameOptions::Action::Gtp : GameOptions::Action::Nboard;
        } else if (name == "--review") {
            if (analysis)
                return failure("--solve, --move, --games, --analyze, --stats and --review go alone, once");
            analysis = true;
            options.action = GameOptions::Action::Review;
            options.game = value;
        } else {
            return failure("unknown option '" + std::string(argv[i]) + "'");
        }
    }

    const bool protocol = options.action == GameOptions::Action::Gtp || options.action == GameOptions::Action::Nboard;
    if (protocol && playOptions)
        return failure("--gtp and --nboard open no window: --computer and --windowed do not go with them");
    if (options.action == GameOptions::Action::Nboard && levelGiven)
        return failure("--nboard takes no --level: NBoard sets the depth itself ('set depth')");
    if (options.action == GameOptions::Action::Review && options.computerSide != 0)
        return failure("--review opens a game to look over: --computer does not go with it");
    if (analysis && playOptions && options.action != GameOptions::Action::Review)
        return failure("--solve, --move, --games, --analyze, --stats and --drills open no window: --computer and --windowed do not go with them");
    if (lineAsked && options.action != GameOptions::Action::Solve)
        return failure("--pv prints the line of best play after --solve: it goes with --solve only");
    const bool searches = options.action == GameOptions::Action::Solve || options.action == GameOptions::Action::Analyze ||
                          options.action == GameOptions::Action::Drills || protocol;
    if (options.threads > 0 && !searches)
        return failure("--threads sets the threads of a search: it goes with --solve, --analyze, --drills, --gtp or --nboard");
    if (options.action == GameOptions::Action::Solve && levelGiven)
        return failure("--solve is exact: it takes no --level");
    if ((options.action == GameOptions::Action::Games || options.action == GameOptions::Action::Stats ||
         options.action == GameOptions::Action::Drills) &&
        levelGiven)
        return failure("--level goes with --computer, --move or --analyze");
    if (levelGiven && options.action == GameOptions::Action::Play && options.computerSide == 0)
        return failure("--level sets the computer's strength: it goes with --computer, --move, --analyze or --review");
    parsed.ok = true;
    return parsed;
}

std::string usageLine()
{
    return "usage: reversi [--windowed] [--computer 1|2 [--level " + levelRange() + "]] | --solve POSITION [--pv] "
           "[--threads N] | --move POSITION [--level " + levelRange() + "] | --games | --analyze GAME [--level " +
           levelRange() + "] [--threads N] | --review GAME [--windowed] [--level " + levelRange() +
           "] | --stats | --drills [--threads N] | --gtp [--level " + levelRange() +
           "] [--threads N] | --nboard [--threads N] | --help | --version";
}

std::string versionLine()
{
    return std::string("reversi ") + REVERSI_VERSION;
}

std::string helpText()
{
    return usageLine() + "\n"
        "\n"
        "Reversi on a tilted 3D board, for two players sharing one keyboard or against the computer.\n"
        "\n"
        "Playing:\n"
        "  --windowed          play in a 1024 x 768 window instead of the full screen\n"
        "  --computer 1|2      the computer plays side 1 (dark discs, moves first) or side 2 (white)\n"
        "  --level " + levelRange() + "         the computer's strength (default " + std::to_string(DefaultLevel) +
        "): " + std::to_string(MinLevel) + " beginner ... " + std::to_string(MaxLevel) + " strongest\n"
        "\n"
        "Analysis (no window, no sound):\n"
        "  --solve POSITION    the best move and the exact final disc difference for the side to move,\n"
        "                      e.g. \"a2 +38\" (empty squares count for the winner)\n"
        "  --pv                with --solve: the line of best play to the end follows the value,\n"
        "                      e.g. \"a2 +38 a2 b1 ...\" (\"pass\" where a side must pass)\n"
        "  --move POSITION     the move the computer would play (with --level, default " +
        std::to_string(DefaultLevel) + "), or \"pass\"\n"
        "\n"
        "Kept games (every match played is kept, see Files below):\n"
        "  --games             list the kept games: number, date (UTC), players, result for Black\n"
        "                      (discs, or \"unfinished\") and the moves\n"
        "  --analyze GAME      look the game over move by move: the move played, the engine's best move\n"
        "                      and what the move cost in discs (4 or more: a mistake); exact over the\n"
        "                      last 20 empty squares, the --level search before (default " +
        std::to_string(DefaultLevel) + "); then the\n"
        "                      moves, mistakes and discs lost of each side\n"
        "  --stats             the kept games counted by opponent: played, won, drawn, lost, unfinished;\n"
        "                      then the discs you lost per move against the computer in the opening\n"
        "                      (moves 1-20), the middle (21-40) and the end (41-60), for each tenth\n"
        "                      of those games, oldest first (judged as --drills judges)\n"
        "  --drills            the exercises made of your mistakes: every move of a player (not the\n"
        "                      computer) that cost 4 discs or more at the level 4 analysis, one line\n"
        "                      each: number, position (as --solve takes it), the move played, the\n"
        "                      best move(s), the discs it cost and when it is due (\"now\" or a date)\n"
        "  --threads N         with --solve, --analyze, --drills, --gtp or --nboard: search on N\n"
        "                      threads, 1 to " + std::to_string(engine::MaxThreads) + " (default the cores the system gives the\n"
        "                      game); the answers are the same whatever N\n"
        "  --review GAME       open the window on GAME at its final position and step through it\n"
        "                      (Left, Right, Home, End) with the engine's verdict on each move,\n"
        "                      looked over in the background at --level (default the settings')\n"
        "\n"
        "Engine for other programs (no window, no sound, on standard input and output):\n"
        "  --gtp               speak GTP (Go Text Protocol 2) as Reversi GUIs use it, e.g. Quarry:\n"
        "                      squares a1 (top left) to h8, genmove at --level (default " +
        std::to_string(DefaultLevel) + ")\n"
        "  --nboard            speak NBoard's protocol (version 2): the depth comes from 'set depth'\n"
        "\n"
        "  GAME is a transcript from the start position (\"f5d6c3d3\", either case, passes left out),\n"
        "  @N for kept game N of --games, @ for the last one, or a GGF file of any program: PATH for\n"
        "  its first game, PATH@N for game N.\n"
        "\n"
        "  POSITION is 64 characters for a1 b1 ... h1 a2 ... h8 ('X' dark disc, 'O' white disc,\n"
        "  '-' empty square), a space, then the side to move, X or O.\n"
        "\n"
        "  --help              this text\n"
        "  --version           the game's version\n"
        "\n"
        "Files:\n"
        "  $XDG_DATA_HOME/reversi/games.ggf (default ~/.local/share/reversi/games.ggf): every match\n"
        "  played, one per line in the Generic Game Format (GGF), appended when the match ends or is\n"
        "  left; a match left before its end has no result.\n"
        "  $XDG_DATA_HOME/reversi/verdicts.cache: the verdicts on the kept games' moves, so that no\n"
        "  game is looked over twice; it may be deleted at any time.\n"
        "  $XDG_DATA_HOME/reversi/drills.schedule: when each exercise is due again (five boxes: a\n"
        "  right answer brings it back after 1, 3, 7, 15, then 30 days, a wrong one the next time).\n"
        "\n"
        "Exit status: 0 done, 1 no window could be opened, 2 bad option, position, game or games file.\n";
}

} // namespace cli
