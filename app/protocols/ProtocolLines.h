#pragma once
// What the two engine protocols share: the one game they keep (a position, whose turn it is and
// the states before each turn, for undo), the checks every line read passes first, and the words
// of a command. Nothing here searches: the protocols' engines do (GtpEngine, NboardEngine).
//
// The game's position is kept as the side to move sees it (engine::Position), `blackToMove`
// beside it; history[i] is the state before turn i. A pass is a turn like any other, so undo
// steps back over it as over a move.
#include "engine/Position.h"

#include <string>
#include <vector>

namespace protocols {

// Longer lines are refused whole: no GUI sends one, and a runaway input must not grow memory.
constexpr std::size_t MaxLineBytes = 4096;

struct GameState {
    engine::Position position = engine::Position::start();
    bool blackToMove = true;
};

class KeptGame {
public:
    const GameState& now() const { return m_now; }
    // The position as `black` (or White) sees it, as if it were that colour's turn.
    engine::Position seenBy(bool black) const;
    // `black` has a legal move, were it that colour's turn.
    bool canMove(bool black) const { return seenBy(black).moves() != 0; }
    // Plays `square` (or a pass, -1) for `black`, after the other colour's pass when `black` is
    // not to move. False, and nothing changes, when the move is not legal for it there; a pass is
    // legal only for a colour without a move.
    bool play(bool black, int square);
    // Steps back one turn; false when there is none.
    bool undo();
    // Starts again from `state` with no turns.
    void reset(const GameState& state = {});
    std::size_t turns() const { return m_history.size(); }
    // Black's disc difference with the empty squares given to the winner (final when over).
    int blackResult() const;

private:
    GameState m_now;
    std::vector<GameState> m_history; // the state before each turn
};

// Why `line` cannot be read as a command (too long, or not UTF-8), or empty when it can. The line
// comes without its newline.
std::string lineFault(const std::string& line);
// `line` with its control bytes dropped and its tabs made spaces, as GTP reads a line.
std::string withoutControlBytes(const std::string& line);
// The line's words, split at spaces and tabs.
std::vector<std::string> wordsOf(const std::string& line);
// `text` in lower case (ASCII letters only).
std::string lowered(std::string text);
// "12" -> 12 within [low, high]; false for anything but a plain decimal number there.
bool readNumber(const std::string& text, long low, long high, long& out);
// "12.5" -> 12.5 (also "12", "-3"); false for anything else.
bool readDecimal(const std::string& text, double& out);

} // namespace protocols
