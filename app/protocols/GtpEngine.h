#pragma once
// The engine over the Go Text Protocol (version 2), as GUIs that play Reversi through it speak it:
// squares named as Reversi players do (a1 top left, h8 bottom right), colours b/black/w/white, a
// move by the colour not to move taken as coming after the other colour's pass. Every command is
// answered at once, a search included: GTP waits for each answer before the next command.
//
// Answers are "=[id] text" or "?[id] error", each followed by a blank line. Lines GTP passes over
// (empty ones, comments) get no answer; a line that cannot be read (too long, not UTF-8) gets an
// error without an id, and the engine goes on.
//
// The time the GUI gives (time_settings, time_left) only ever shortens the level's own time: a
// move is budgeted the time left over the moves still to play, or over the stones of the period.
#include "app/protocols/LineEngine.h"
#include "app/protocols/ProtocolLines.h"
#include "engine/Search.h"

#include <optional>
#include <string>

namespace protocols {

class GtpEngine : public LineEngine {
public:
    // Plays at `level` with `search` (which it uses alone); `version` is what `version` answers.
    GtpEngine(engine::Search& search, int level, std::string version, Writer out);

    void receive(const std::string& line) override { m_out(answer(line)); }
    bool quitting() const override { return m_quit; }

    // The whole answer to `line`, blank line included; empty for a line GTP passes over.
    std::string answer(const std::string& line);
    const KeptGame& game() const { return m_game; }
    // The threads genmove searches on (1 unless told).
    void setThreads(int threads) { m_threads = threads; }

private:
    struct Clock {
        double seconds = 0; // left in the current period
        long stones = 0;    // moves to play within it; 0: the main time, for the rest of the game
    };

    // The answer's text, or an error when `ok` is set false.
    std::string run(const std::string& command, const std::vector<std::string>& arguments, bool& ok);
    std::string generate(bool black, bool playIt, bool& ok);
    std::optional<double> moveBudget(bool black) const; // seconds; none: no clock
    std::string board() const;

    engine::Search& m_search;
    int m_level;
    int m_threads = 1;
    std::string m_version;
    Writer m_out;
    KeptGame m_game;
    bool m_quit = false;
    bool m_timed = false;      // time_settings gave a limit
    double m_mainSeconds = 0;  // time_settings
    double m_periodSeconds = 0;
    long m_periodStones = 0;
    std::optional<Clock> m_left[2]; // time_left, Black's then White's
};

// GTP's name of `square` as gtp-rhino writes it ("D3"); "PASS" for -1 is written "pass".
std::string gtpSquare(int square);

} // namespace protocols
