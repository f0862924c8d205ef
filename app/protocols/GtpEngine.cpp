#include "app/protocols/GtpEngine.h"

#include "engine/Levels.h"
#include "engine/PositionText.h"

#include <algorithm>
#include <cctype>

namespace protocols {
namespace {

const char* const Commands[] = {
    "protocol_version", "name", "version", "known_command", "list_commands", "quit", "boardsize",
    "clear_board", "komi", "play", "genmove", "reg_genmove", "undo", "showboard", "final_score",
    "time_settings", "time_left", "list_games", "set_game",
};

// A move never gets less: below this the search has no time to finish even its first iteration.
constexpr double MinimumMoveSeconds = 0.02;
// The share of the budget a move plans to spend, for the time the pipe and the GUI take.
constexpr double BudgetShare = 0.8;

bool readColour(const std::string& word, bool& black)
{
    const std::string colour = lowered(word);
    if (colour == "b" || colour == "black")
        black = true;
    else if (colour == "w" || colour == "white")
        black = false;
    else
        return false;
    return true;
}

// "d3", "D3" -> the square; "pass" -> -1; false for anything else.
bool readVertex(const std::string& word, int& square)
{
    if (lowered(word) == "pass") {
        square = -1;
        return true;
    }
    square = engine::squareFromName(word);
    return square >= 0;
}

} // namespace

std::string gtpSquare(int square)
{
    if (square < 0)
        return "pass";
    std::string name = engine::squareName(square);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

GtpEngine::GtpEngine(engine::Search& search, int level, std::string version, Writer out)
    : m_search(search), m_level(level), m_version(std::move(version)), m_out(std::move(out))
{
}

std::string GtpEngine::answer(const std::string& rawLine)
{
    const std::string fault = lineFault(rawLine);
    if (!fault.empty())
        return "? " + fault + "\n\n";
    std::string line = withoutControlBytes(rawLine);
    line = line.substr(0, line.find('#'));
    std::vector<std::string> words = wordsOf(line);
    if (words.empty())
        return {};

    std::string id;
    long number = 0;
    if (readNumber(words[0], 0, 999999999, number)) {
        id = words[0];
        words.erase(words.begin());
        if (words.empty())
            return "?" + id + " no command after the id\n\n";
    }
    const std::string command = words[0];
    words.erase(words.begin());
    bool ok = true;
    const std::string text = run(command, words, ok);
    return (ok ? "=" : "?") + id + (text.empty() ? "" : " " + text) + "\n\n";
}

std::string GtpEngine::run(const std::string& command, const std::vector<std::string>& arguments, bool& ok)
{
    auto error = [&ok](const std::string& text) {
        ok = false;
        return text;
    };
    const std::size_t count = arguments.size();
    if (command == "protocol_version")
        return "2";
    if (command == "name")
        return "Reversi";
    if (command == "version")
        return m_version;
    if (command == "known_command") {
        if (count != 1)
            return error("syntax error");
        const bool known = std::find(std::begin(Commands), std::end(Commands), arguments[0]) != std::end(Commands);
        return known ? "true" : "false";
    }
    if (command == "list_commands") {
        std::string list;
        for (const char* name : Commands)
            list += (list.empty() ? "" : "\n") + std::string(name);
        return list;
    }
    if (command == "quit") {
        m_quit = true;
        return {};
    }
    if (command == "boardsize") {
        long size = 0;
        if (count != 1 || !readNumber(arguments[0], 0, 999, size))
            return error("syntax error");
        if (size != 8)
            return error("unacceptable size");
        m_game.reset();
        return {};
    }
    if (command == "clear_board") {
        m_game.reset();
        m_left[0].reset();
        m_left[1].reset();
        return {};
    }
    // The game a GUI that plays several games asks for (Quarry does, by these names).
    if (command == "list_games")
        return "Othello";
    if (command == "set_game") {
        if (count != 1)
            return error("syntax error");
        if (lowered(arguments[0]) != "othello")
            return error("unsupported game");
        return {};
    }
    if (command == "komi") {
        double komi = 0;
        if (count != 1 || !readDecimal(arguments[0], komi))
            return error("syntax error");
        return {}; // Reversi has no komi: taken and not used
    }
    if (command == "play") {
        bool black = true;
        int square = -1;
        if (count != 2 || !readColour(arguments[0], black) || !readVertex(arguments[1], square))
            return error("syntax error");
        if (!m_game.play(black, square))
            return error("illegal move");
        return {};
    }
    if (command == "genmove" || command == "reg_genmove") {
        bool black = true;
        if (count != 1 || !readColour(arguments[0], black))
            return error("syntax error");
        return generate(black, command == "genmove", ok);
    }
    if (command == "undo") {
        if (count != 0)
            return error("syntax error");
        if (!m_game.undo())
            return error("cannot undo");
        return {};
    }
    if (command == "showboard")
        return board();
    if (command == "final_score") {
        // As gtp-rhino does: a score only once the game is over, empty squares to the winner.
        if (!m_game.now().position.isOver())
            return error("cannot score");
        const int result = m_game.blackResult();
        return result == 0 ? "0" : (result > 0 ? "B+" : "W+") + std::to_string(std::abs(result));
    }
    if (command == "time_settings") {
        long main = 0, period = 0, stones = 0;
        if (count != 3 || !readNumber(arguments[0], 0, 99999999, main) ||
            !readNumber(arguments[1], 0, 99999999, period) || !readNumber(arguments[2], 0, 99999999, stones))
            return error("syntax error");
        // A period with no stones means no limit at all, as GTP says.
        m_timed = !(period > 0 && stones == 0);
        m_mainSeconds = static_cast<double>(main);
        m_periodSeconds = static_cast<double>(period);
        m_periodStones = stones;
        m_left[0].reset();
        m_left[1].reset();
        return {};
    }
    if (command == "time_left") {
        bool black = true;
        long seconds = 0, stones = 0;
        if (count != 3 || !readColour(arguments[0], black) || !readNumber(arguments[1], 0, 99999999, seconds) ||
            !readNumber(arguments[2], 0, 99999999, stones))
            return error("syntax error");
        m_left[black ? 0 : 1] = Clock{static_cast<double>(seconds), stones};
        return {};
    }
    return error("unknown command");
}

std::string GtpEngine::generate(bool black, bool playIt, bool& ok)
{
    int square = -1;
    if (m_game.canMove(black)) {
        engine::SearchLimits limits = engine::levelLimits(m_level);
        limits.threads = m_threads;
        if (const std::optional<double> budget = moveBudget(black))
            limits.seconds = std::min(limits.seconds.value_or(*budget), *budget);
        square = m_search.run(m_game.seenBy(black), limits).move;
    }
    if (playIt && !m_game.play(black, square)) {
        ok = false; // the search's move is always legal: this is never reached
        return "illegal move";
    }
    return gtpSquare(square);
}

std::optional<double> GtpEngine::moveBudget(bool black) const
{
    if (!m_timed)
        return std::nullopt;
    const std::optional<Clock>& left = m_left[black ? 0 : 1];
    const Clock clock = left ? *left : Clock{m_mainSeconds, 0};
    double budget = 0;
    if (clock.stones > 0) {
        budget = clock.seconds / static_cast<double>(clock.stones);
    } else {
        // The mover plays about half the empty squares still to fill.
        const int movesToGo = std::max(1, (m_game.now().position.empties() + 1) / 2);
        budget = clock.seconds / movesToGo;
        if (m_periodStones > 0)
            budget += m_periodSeconds / static_cast<double>(m_periodStones);
    }
    return std::max(MinimumMoveSeconds, budget * BudgetShare);
}

std::string GtpEngine::board() const
{
    const GameState& now = m_game.now();
    const std::string text = engine::positionText(now.position, now.blackToMove); // 'X' Black, 'O' White
    int blacks = 0, whites = 0;
    std::string rows = "   a b c d e f g h\n";
    for (int rank = 0; rank < 8; ++rank) {
        rows += " " + std::to_string(rank + 1);
        for (int file = 0; file < 8; ++file) {
            const char c = text[rank * 8 + file];
            blacks += c == 'X';
            whites += c == 'O';
            rows += std::string(" ") + (c == '-' ? '.' : c);
        }
        rows += " " + std::to_string(rank + 1) + "\n";
    }
    rows += "   a b c d e f g h";
    const std::string turn = now.position.isOver() ? "game over" : now.blackToMove ? "Black (X) to move" : "White (O) to move";
    return turn + ", X " + std::to_string(blacks) + " O " + std::to_string(whites) + "\n" + rows;
}

} // namespace protocols
