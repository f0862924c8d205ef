#include "app/records/Ggf.h"

#include "engine/PositionText.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace records {
namespace {

// BO's squares and colour to move: the position text's codec with GGF's glyphs.
constexpr engine::BoardGlyphs GgfGlyphs{'*', 'O', '-'};
constexpr std::size_t Squares = 64;
// Results beyond this many discs cannot come from one board.
constexpr double LargestResult = 64.0;

void appendEscaped(std::string& out, const std::string& value)
{
    for (char c : value) {
        if (c == ']' || c == '\\')
            out += '\\';
        out += (static_cast<unsigned char>(c) < 0x20) ? ' ' : c;
    }
}

void appendProperty(std::string& out, const char* name, const std::string& value)
{
    out += name;
    out += '[';
    appendEscaped(out, value);
    out += ']';
}

// "8", each rank a space and its eight squares, then a space and the colour to move.
std::string boardText(const engine::Position& position, bool blackToMove)
{
    const std::string text = engine::positionText(position, blackToMove, GgfGlyphs); // squares, ' ', side
    std::string board = "8";
    for (std::size_t rank = 0; rank < 8; ++rank)
        board += ' ' + text.substr(rank * 8, 8);
    return board + text.substr(Squares);
}

bool fail(std::string& error, const std::string& why)
{
    error = why;
    return false;
}

// BO's value: "8", then 64 squares and the colour to move, blanks anywhere between them.
bool parseBoard(const std::string& value, engine::Position& position, bool& blackToMove)
{
    std::string cells;
    for (char c : value) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            cells += c;
    }
    if (cells.size() != 1 + Squares + 1 || cells[0] != '8')
        return false;
    engine::ParsedPosition parsed;
    if (!engine::parsePosition(cells.substr(1, Squares) + ' ' + cells.substr(1 + Squares), parsed, nullptr, GgfGlyphs))
        return false;
    position = parsed.position;
    blackToMove = parsed.blackToMove;
    return true;
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A move's value: "f5", "F5", "PA" (some servers write "pass"), any case, optionally followed by
// "/evaluation/time".
bool parseMove(const std::string& value, int& square)
{
    const std::string move = lowerCase(value.substr(0, value.find('/')));
    if (move == "pa" || move == "pass") {
        square = Pass;
        return true;
    }
    square = engine::squareFromName(move);
    return square >= 0;
}

// TY's value: an 8 x 8 game, maybe synchro ('s' first), with a random start or komi; not the
// anti game, whose rules differ.
bool isEightByEight(const std::string& value)
{
    const std::string type = lowerCase(value);
    const std::size_t size = type.compare(0, 1, "s") == 0 ? 1 : 0;
    return type.compare(size, 1, "8") == 0 && (type.size() == size + 1 || !std::isdigit(static_cast<unsigned char>(type[size + 1]))) &&
           type.find('a') == std::string::npos;
}

// RE's value: a signed number of discs, maybe with decimals and a server's ":r" style suffix.
bool parseResult(const std::string& value, int& result)
{
    const char* begin = value.c_str();
    char* end = nullptr;
    const double discs = std::strtod(begin, &end);
    if (end == begin || !(discs >= -LargestResult && discs <= LargestResult))
        return false;
    if (*end != '\0' && *end != ':')
        return false;
    result = int(discs < 0 ? discs - 0.5 : discs + 0.5);
    return true;
}

} // namespace

std::string ggfLine(const GameRecord& game)
{
    std::string line = "(;GM[Othello]PC[reversi]";
    appendProperty(line, "DT", game.date);
    appendProperty(line, "PB", game.black);
    appendProperty(line, "PW", game.white);
    if (game.finished) {
        char result[16];
        std::snprintf(result, sizeof result, "%+d.000", game.result);
        appendProperty(line, "RE", result);
    }
    appendProperty(line, "TY", "8");
    appendProperty(line, "BO", boardText(game.start, game.blackToMoveAtStart));
    for (const RecordedTurn& turn : game.turns)
        appendProperty(line, turn.black ? "B" : "W", turn.square == Pass ? "PA" : engine::squareName(turn.square));
    return line + ";)";
}

namespace {

// One game from `from`; `unknownResult` takes RE[?] as no result, the way other programs mark a
// game not finished (the game's own lines never hold it).
bool parseGame(const std::string& line, std::size_t& from, GameRecord& out, std::string& error, bool unknownResult)
{
    std::size_t at = from;
    auto skipBlanks = [&] {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at])))
            ++at;
    };
    skipBlanks();
    if (line.compare(at, 2, "(;") != 0)
        return fail(error, "no game: the line does not start with \"(;\"");
    at += 2;

    GameRecord game;
    bool othello = false;
    bool board = false;
    for (;;) {
        skipBlanks();
        if (line.compare(at, 2, ";)") == 0) {
            at += 2;
            break;
        }
        std::string name;
        while (at < line.size() && std::isupper(static_cast<unsigned char>(line[at])))
            name += line[at++];
        if (name.empty() || at >= line.size() || line[at] != '[')
            return fail(error, at >= line.size() ? "the game is cut short" : "a property without a name or a value");
        ++at;
        std::string value;
        for (;;) {
            if (at >= line.size())
                return fail(error, "the game is cut short in " + name + "[...]");
            char c = line[at++];
            if (c == ']')
                break;
            if (c == '\\') {
                if (at >= line.size())
                    return fail(error, "the game is cut short in " + name + "[...]");
                c = line[at++];
            }
            value += c;
        }

        if (name == "GM") {
            othello = value == "Othello";
            if (!othello)
                return fail(error, "not an Othello game (GM[" + value + "])");
        } else if (name == "DT") {
            game.date = value;
        } else if (name == "PB") {
            game.black = value;
        } else if (name == "PW") {
            game.white = value;
        } else if (name == "RE") {
            if (unknownResult && value == "?")
                continue;
            if (!parseResult(value, game.result))
                return fail(error, "a result that is not a number of discs (RE[" + value + "])");
            game.finished = true;
        } else if (name == "TY") {
            if (!isEightByEight(value))
                return fail(error, "not an 8 x 8 Othello game (TY[" + value + "])");
        } else if (name == "BO") {
            if (!parseBoard(value, game.start, game.blackToMoveAtStart))
                return fail(error, "a start board that cannot be read");
            board = true;
        } else if (name == "B" || name == "W") {
            RecordedTurn turn;
            turn.black = name == "B";
            if (!parseMove(value, turn.square))
                return fail(error, "move " + std::to_string(game.turns.size() + 1) + " is not a square (" + name + "[" +
                                       value + "])");
            game.turns.push_back(turn);
        }
    }
    if (!othello)
        return fail(error, "no GM[Othello]");
    if (!board)
        return fail(error, "no start board (BO[...])");
    from = at;
    out = std::move(game);
    return true;
}

} // namespace

bool parseGgfAt(const std::string& text, std::size_t& at, GameRecord& out, std::string& error)
{
    return parseGame(text, at, out, error, true);
}

bool parseGgf(const std::string& line, GameRecord& out, std::string& error)
{
    std::size_t at = 0;
    GameRecord game;
    if (!parseGame(line, at, game, error, false))
        return false;
    if (line.find_first_not_of(" \t\n\v\f\r", at) != std::string::npos)
        return fail(error, "something follows the game on its line");
    out = std::move(game);
    return true;
}

} // namespace records
