#include "app/protocols/NboardEngine.h"

#include "app/records/Ggf.h"
#include "app/records/GameReplay.h"
#include "engine/PositionText.h"
#include "engine/PrintableBytes.h"

#include <algorithm>

#include <cstdio>
#include <thread>

namespace protocols {
namespace {

// "f5", or "PA" for a pass, as NBoard writes moves.
std::string nboardSquare(int square)
{
    return square < 0 ? "PA" : engine::squareName(square);
}

std::string decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

NboardEngine::NboardEngine(engine::Search& search, Writer out, Writer errors)
    : m_search(search), m_out(std::move(out)), m_errors(std::move(errors))
{
    m_out("set myname Reversi\n");
}

NboardEngine::~NboardEngine()
{
    m_step.cancel();
}

void NboardEngine::receive(const std::string& rawLine)
{
    const std::string fault = lineFault(rawLine);
    if (!fault.empty())
        return refuse("" + fault);
    const std::string line = withoutControlBytes(rawLine);
    const std::vector<std::string> words = wordsOf(line);
    if (words.empty())
        return;
    const std::string& command = words[0];
    long number = 0;

    if (command == "nboard") {
        stopSearch();
        if (words.size() != 2 || !readNumber(words[1], 0, 99, number))
            return refuse("'nboard' takes the protocol's version, 2");
        if (number != 2)
            refuse("protocol version " + words[1] + " asked, version 2 spoken");
    } else if (command == "set" && words.size() >= 2 && words[1] == "depth") {
        if (words.size() != 3 || !readNumber(words[2], 1, 60, number))
            return refuse("'set depth' takes a number from 1 to 60");
        m_depth = static_cast<int>(number);
    } else if (command == "set" && words.size() >= 2 && words[1] == "contempt") {
        if (words.size() != 3 || !readNumber(words[2][0] == '-' ? words[2].substr(1) : words[2], 0, 9999, number))
            return refuse("'set contempt' takes a whole number");
        m_contempt = static_cast<int>(words[2][0] == '-' ? -number : number);
    } else if (command == "set" && words.size() >= 2 && words[1] == "game") {
        stopSearch();
        setGame(line.substr(line.find("game") + 4));
    } else if (command == "set") {
        refuse("unknown setting '" + engine::printableBytes(words.size() >= 2 ? words[1] : std::string()) + "'");
    } else if (command == "move") {
        stopSearch();
        if (words.size() != 2)
            return refuse("'move' takes one move, e.g. 'move f5' or 'move f5/0.5/1.2'");
        playMove(words[1]);
    } else if (command == "go") {
        stopSearch();
        startGo();
    } else if (command == "hint") {
        stopSearch();
        if (words.size() != 2 || !readNumber(words[1], 1, 64, number))
            return refuse("'hint' takes how many moves to value, 1 to 64");
        m_task = Task::Hint;
        m_hintMoves = static_cast<int>(number);
        m_hintDepth = 0;
        m_out("status analyse en cours\n");
        startHintStep();
    } else if (command == "ping") {
        stopSearch(); // NBoard's position is about to change: what was thought no longer matters
        if (words.size() != 2 || !readNumber(words[1], 0, 999999999, number))
            return refuse("'ping' takes a number");
        m_out("pong " + words[1] + "\n");
    } else if (command == "learn") {
        m_out("learned\n"); // no book to learn into: said done, as NBoard waits for it
    } else if (command == "analyze") {
        m_out("status\n");
    } else if (command == "quit") {
        stopSearch();
        m_quit = true;
    } else {
        refuse("unknown command '" + engine::printableBytes(command) + "'");
    }
}

void NboardEngine::stopSearch()
{
    m_step.cancel();
    m_task = Task::None;
}

void NboardEngine::startGo()
{
    m_task = Task::Go;
    m_started = std::chrono::steady_clock::now();
    m_out("status calcul en cours\n");
    const engine::Position position = m_game.now().position;
    engine::SearchLimits limits = engine::fixedLimits(m_depth, exactFromDepth(m_depth));
    limits.threads = m_threads;
    m_step.start(m_search, [position, limits](engine::Search& search) {
        return Answer(search.run(position, limits));
    });
}

void NboardEngine::startHintStep()
{
    const engine::Position position = m_game.now().position;
    const int exactFrom = exactFromDepth(m_depth);
    const bool exact = position.empties() <= exactFrom;
    // One ply deeper at each step up to the depth; where the count can be exact, a few quick
    // midgame steps first, then the exact one.
    const int lastMidgame = exact ? std::min(m_depth, 4) : m_depth;
    ++m_hintDepth;
    engine::SearchLimits limits = engine::fixedLimits(m_hintDepth, 0);
    m_hintLast = !exact && m_hintDepth == m_depth;
    if (m_hintDepth > lastMidgame) {
        limits = engine::fixedLimits(m_depth, exactFrom);
        m_hintLast = true;
    }
    if (position.isOver()) {
        m_task = Task::None;
        m_out("search PA " + decimal(position.finalDiff()) + " 0 100%\nstatus\n");
        return;
    }
    m_hintPass = position.moves() == 0;
    if (m_hintPass) {
        // A pass: one step at the full depth values the position after it, for the other side.
        m_hintLast = true;
        limits = engine::fixedLimits(m_depth, exactFrom);
        limits.threads = m_threads;
        engine::Position passed = position;
        engine::pass(passed);
        m_step.start(m_search, [passed, limits](engine::Search& search) {
            return Answer(search.valueAllMoves(passed, limits));
        });
        return;
    }
    limits.threads = m_threads;
    m_step.start(m_search, [position, limits](engine::Search& search) {
        return Answer(search.valueAllMoves(position, limits));
    });
}

void NboardEngine::poll()
{
    std::optional<Answer> answer = m_step.poll();
    if (!answer)
        return;
    if (m_task == Task::Go) {
        m_task = Task::None;
        answerGo(std::get<engine::SearchResult>(*answer));
    } else if (m_task == Task::Hint) {
        const engine::MoveValues& values = std::get<engine::MoveValues>(*answer);
        if (m_hintPass)
            m_out("search PA " + decimal(-values.bestValue()) + " 0 " + (values.exact ? "100%" : std::to_string(values.depth)) + "\n");
        else
            answerHint(values);
        if (m_hintLast) {
            m_task = Task::None;
            m_out("status\n");
        } else {
            startHintStep();
        }
    }
}

void NboardEngine::finish()
{
    while (busy()) {
        poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void NboardEngine::answerGo(const engine::SearchResult& result)
{
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
    m_out("status\n=== " + nboardSquare(result.move) + "/" + decimal(result.score) + "/" + decimal(seconds) + "\n");
}

void NboardEngine::answerHint(const engine::MoveValues& values)
{
    const std::string depth = values.exact ? "100%" : std::to_string(values.depth);
    const std::size_t shown = std::min(values.moves.size(), static_cast<std::size_t>(m_hintMoves));
    for (std::size_t i = 0; i < shown; ++i)
        m_out("search " + nboardSquare(values.moves[i].move) + " " + decimal(values.moves[i].value) + " 0 " + depth + "\n");
}

void NboardEngine::setGame(const std::string& text)
{
    records::GameRecord record;
    std::string error;
    std::size_t at = 0;
    if (!records::parseGgfAt(text, at, record, error))
        return refuse("set game: " + error);
    const records::Replay replay = records::replay(record.start, record.blackToMoveAtStart, record.turns, true);
    if (!replay.ok)
        return refuse("set game: " + replay.error);
    m_game.reset({record.start, record.blackToMoveAtStart});
    for (const records::RecordedTurn& turn : replay.turns)
        m_game.play(turn.black, turn.square);
}

void NboardEngine::playMove(const std::string& text)
{
    const std::string name = text.substr(0, text.find('/'));
    const int square = lowered(name) == "pa" || lowered(name) == "pass" ? -1 : engine::squareFromName(name);
    if (square < 0 && lowered(name) != "pa" && lowered(name) != "pass")
        return refuse("'move' takes a square such as f5, or PA: not '" + engine::printableBytes(name) + "'");
    const bool black = m_game.now().blackToMove;
    // A move of the other colour after a pass NBoard left out.
    if (!m_game.play(black, square) && (m_game.canMove(black) || !m_game.play(!black, square)))
        refuse("illegal move '" + engine::printableBytes(name) + "'");
}

} // namespace protocols
