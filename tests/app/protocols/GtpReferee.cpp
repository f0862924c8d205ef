// A referee for two GTP engines: one whole game, each engine asked for its moves in turn, each
// move checked against our rules and played into the other engine, and at the end both engines'
// final_score compared with our own count (empty squares to the winner).
//
//   gtp_referee "BLACK COMMAND" "WHITE COMMAND" [OPENING]
//
// An engine command is a program and its arguments split at spaces (no shell). OPENING is a
// transcript ("f5d6c3") played into both engines before the first genmove. A pass is never sent
// to the other engine: GTP engines of Reversi take a move after the other colour's pass as
// implied (gtp-rhino refuses "play COLOUR pass"). Prints the game and its result on one line;
// exit status 0 when every move was legal and both scores agree with ours, 1 when not (the fault
// on stderr), 2 for a bad command line.
#include "engine/Position.h"
#include "engine/PositionText.h"
#include "tests/support/GtpProcess.h"

#include <cctype>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& command)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : command + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// One engine on the other end of two pipes, named by its colour in the faults.
class Engine : public GtpProcess {
public:
    Engine(std::string label, const std::string& command) : m_label(std::move(label)) { start(split(command)); }
    const std::string& label() const { return m_label; }

private:
    std::string m_label;
};

std::string lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int fault(const std::string& moves, const std::string& what)
{
    std::fprintf(stderr, "gtp_referee: %s (after %s)\n", what.c_str(), moves.empty() ? "no move" : moves.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: gtp_referee \"BLACK COMMAND\" \"WHITE COMMAND\" [OPENING]\n");
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    Engine black("Black", argv[1]), white("White", argv[2]);
    Engine* engines[2] = {&black, &white};
    std::string answer;
    for (Engine* e : engines)
        if (!e->ask("boardsize 8", answer) || !e->ask("clear_board", answer))
            return fault("", e->label() + " does not answer GTP: " + answer);

    engine::Position position = engine::Position::start();
    bool blackToMove = true;
    std::string moves;
    const std::string opening = argc > 3 ? argv[3] : "";
    if (opening.size() % 2 != 0)
        return fault("", "the opening is not a transcript of moves: " + opening);
    for (std::size_t i = 0; i < opening.size(); i += 2) {
        const int square = engine::squareFromName(opening.substr(i, 2));
        if (square < 0 || !(position.moves() & engine::bitOf(square)))
            return fault(moves, "the opening's move " + opening.substr(i, 2) + " is not legal");
        for (Engine* e : engines)
            if (!e->ask(std::string("play ") + (blackToMove ? "b " : "w ") + engine::squareName(square), answer))
                return fault(moves, e->label() + " refused the opening's " + opening.substr(i, 2) + ": " + answer);
        engine::play(position, square);
        blackToMove = !blackToMove;
        moves += engine::squareName(square);
        if (position.moves() == 0 && !position.isOver()) {
            engine::pass(position);
            blackToMove = !blackToMove;
        }
    }

    while (!position.isOver()) {
        Engine& mover = blackToMove ? black : white;
        Engine& other = blackToMove ? white : black;
        const std::string colour = blackToMove ? "b" : "w";
        if (!mover.ask("genmove " + colour, answer))
            return fault(moves, mover.label() + " refused genmove: " + answer);
        const std::string said = lower(answer);
        if (position.moves() == 0) {
            if (said != "pass")
                return fault(moves, mover.label() + " played " + answer + " where it had to pass");
            engine::pass(position);
            blackToMove = !blackToMove;
            continue;
        }
        const int square = engine::squareFromName(said);
        if (square < 0 || !(position.moves() & engine::bitOf(square)))
            return fault(moves, mover.label() + " played the illegal " + answer);
        if (!other.ask("play " + colour + " " + said, answer))
            return fault(moves, other.label() + " refused " + said + ": " + answer);
        engine::play(position, square);
        blackToMove = !blackToMove;
        moves += said;
    }

    const int diff = blackToMove ? position.finalDiff() : -position.finalDiff();
    const std::string ours = diff == 0 ? "0" : (diff > 0 ? "b+" : "w+") + std::to_string(std::abs(diff));
    int status = 0;
    std::string scores;
    for (Engine* e : engines) {
        const bool ok = e->ask("final_score", answer);
        scores += " " + e->label() + ":" + answer;
        if (!ok || lower(answer) != ours)
            status = fault(moves, e->label() + " counts " + answer + ", the board " + ours);
    }
    std::printf("%s %s%s\n", moves.c_str(), ours.c_str(), scores.c_str());
    return status;
}
