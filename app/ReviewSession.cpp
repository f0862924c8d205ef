#include "app/ReviewSession.h"

#include "app/opponent/BoardPosition.h"
#include "app/opponent/SearchThreads.h"
#include "app/records/GameArgument.h"
#include "app/records/RecordsFile.h"
#include "app/screens/ScreenTexts.h"
#include "engine/Levels.h"
#include "rules/Board.h"

#include <filesystem>

namespace {

// What the progress callback throws to unwind a cancelled analysis; caught in the worker.
struct AnalysisCancelled {};

// Names longer than this are cut: the top line stays within the window.
constexpr std::size_t LongestName = 24;

// "12" -> 12; 0 for anything but a short decimal number.
std::size_t numberOf(const std::string& digits)
{
    if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoul(digits);
}

std::string shownName(const std::string& recorded, const char* otherwise)
{
    return recorded.empty() ? otherwise : recorded.substr(0, LongestName);
}

} // namespace

ReviewNames reviewNamesOf(const std::string& argument, const std::string& recordsPath)
{
    records::GameRecord record;
    bool found = false;
    if (!argument.empty() && argument[0] == '@') {
        const records::KeptGames kept = records::readKeptGames(recordsPath);
        const std::size_t number = argument.size() == 1 ? kept.games.size() : numberOf(argument.substr(1));
        if (number >= 1 && number <= kept.games.size()) {
            record = kept.games[number - 1];
            found = true;
        }
    } else {
        std::string path = argument;
        std::size_t number = 1;
        const std::size_t mark = argument.rfind('@');
        if (mark != std::string::npos && mark > 0 && numberOf(argument.substr(mark + 1)) > 0) {
            path = argument.substr(0, mark);
            number = numberOf(argument.substr(mark + 1));
        }
        std::error_code ignored;
        std::string error;
        found = std::filesystem::is_regular_file(path, ignored) && records::readGgfFileGame(path, number, record, error);
    }
    if (!found)
        return ReviewNames{text::PlayerOneName, text::PlayerTwoName};
    return ReviewNames{shownName(record.black, text::PlayerOneName), shownName(record.white, text::PlayerTwoName)};
}

void ReviewSession::open(const records::Replay& game, const ReviewNames& names, int level)
{
    close();
    m_game = game;
    m_names = names;
    fillOpenings();
    Board* board = Board::instance();
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        m_boardBefore[square] = board->cellValue(cell.x, cell.y);
    }
    m_open = true;
    int moves = 0;
    for (const records::RecordedTurn& played : m_game.turns)
        moves += played.square != records::Pass;
    {
        const std::lock_guard<std::mutex> lock(m_verdictsLock);
        m_verdicts.assign(std::size_t(moves) + 1, analysis::MoveReview{});
        m_verdictKnown.assign(std::size_t(moves) + 1, false);
    }
    m_cancelled = false;
    m_done = 0;
    m_total = 0;
    m_work.start(
        [this, level] {
            const auto progress = [this](int done, int total) {
                if (m_cancelled)
                    throw AnalysisCancelled{};
                m_total = total;
                m_done = done;
            };
            const auto moveDone = [this](const analysis::MoveReview& move) {
                const std::lock_guard<std::mutex> lock(m_verdictsLock);
                if (move.number > 0 && std::size_t(move.number) < m_verdicts.size()) {
                    m_verdicts[std::size_t(move.number)] = move;
                    m_verdictKnown[std::size_t(move.number)] = true;
                }
            };
            try {
                analysis::reviewGame(m_game, level, progress, moveDone, opponent::gameSearchThreads());
            } catch (const AnalysisCancelled&) {
                // closed: the verdicts go with the review
            }
        },
        [this] { m_cancelled = true; });
}

void ReviewSession::close()
{
    if (!m_open)
        return;
    m_work.cancel();
    {
        const std::lock_guard<std::mutex> lock(m_verdictsLock);
        m_verdicts.clear();
        m_verdictKnown.clear();
    }
    Board* board = Board::instance();
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        board->cell(cell.x, cell.y) = m_boardBefore[square];
    }
    m_open = false;
}

void ReviewSession::showTurn(int turn)
{
    if (!m_open || turn < 0 || turn >= int(m_game.positions.size()))
        return;
    const engine::Position& position = m_game.positions[turn];
    // The position is kept as its side to move sees it.
    const Cell mover = m_game.blackToMove[turn] ? Black : White;
    const Cell other = mover == Black ? White : Black;
    Board* board = Board::instance();
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        const engine::Bits bit = engine::Bits(1) << square;
        board->cell(cell.x, cell.y) = (position.player & bit) ? mover : (position.opponent & bit) ? other : Empty;
    }
}

void ReviewSession::poll()
{
    m_work.finished(); // joins the worker once it is done
}

int ReviewSession::moveNumberOf(int turn) const
{
    if (turn <= 0 || turn > turnCount() || m_game.turns[std::size_t(turn) - 1].square == records::Pass)
        return 0;
    int number = 0; // the analysis counts moves only
    for (int i = 0; i < turn; ++i)
        number += m_game.turns[std::size_t(i)].square != records::Pass;
    return number;
}

std::optional<analysis::MoveReview> ReviewSession::verdictOf(int number) const
{
    const std::lock_guard<std::mutex> lock(m_verdictsLock);
    if (number <= 0 || std::size_t(number) >= m_verdicts.size() || !m_verdictKnown[std::size_t(number)])
        return std::nullopt;
    return m_verdicts[std::size_t(number)];
}

bool ReviewSession::playOnFrom(int turn, PlayOn& out) const
{
    const engine::Position start = engine::Position::start();
    // A match is played from the start position only; one at its end would be over at once.
    if (!m_open || turn < 0 || turn > turnCount() || !m_game.blackToMove[0] ||
        m_game.positions[0].player != start.player || m_game.positions[0].opponent != start.opponent ||
        m_game.positions[std::size_t(turn)].isOver())
        return false;
    out.prefix.assign(m_game.turns.begin(), m_game.turns.begin() + turn);
    // One computer a match: White's when both sides were computers.
    const int whiteLevel = records::computerLevelOf(m_names.white);
    const int blackLevel = records::computerLevelOf(m_names.black);
    out.computerSide = whiteLevel > 0 ? 2 : blackLevel > 0 ? 1 : 0;
    const int level = whiteLevel > 0 ? whiteLevel : blackLevel;
    out.level = level < engine::MinLevel ? engine::MinLevel : level > engine::MaxLevel ? engine::MaxLevel : level;
    return true;
}

const std::string& ReviewSession::moveLine(int turn, std::string& out) const
{
    if (turn <= 0 || turn > turnCount())
        return out.assign(text::ReviewStart);
    const records::RecordedTurn& played = m_game.turns[turn - 1];
    return reviewMoveMessage(turn, played.black ? m_names.black.c_str() : m_names.white.c_str(), played.square, out);
}

void ReviewSession::fillOpenings()
{
    m_openings.assign(m_game.turns.size() + 1, std::string());
    const engine::Position start = engine::Position::start();
    // The named lines are played from the start position only.
    if (m_game.positions.empty() || !m_game.blackToMove[0] || m_game.positions[0].player != start.player ||
        m_game.positions[0].opponent != start.opponent)
        return;
    std::vector<int> moves;
    for (std::size_t turn = 1; turn < m_openings.size(); ++turn) {
        moves.push_back(m_game.turns[turn - 1].square);
        openingMessage(moves, m_openings[turn]);
    }
}

const std::string& ReviewSession::openingLine(int turn) const
{
    static const std::string none;
    return turn < 0 || turn >= int(m_openings.size()) ? none : m_openings[std::size_t(turn)];
}

const std::string& ReviewSession::verdictLine(int turn, std::string& out) const
{
    out.clear();
    if (const std::optional<analysis::MoveReview> move = verdictOf(moveNumberOf(turn)))
        return verdictMessage(move->best, move->value, move->cost, analysis::MistakeDiscs, out);
    if (m_work.isRunning())
        return analysisProgressMessage(m_done, m_total, out);
    return out;
}

void ReviewSession::fillGraph(int turn, graph::Strip& out) const
{
    out.positions = turnCount() + 1;
    out.current = turn;
    out.blackValues.assign(std::size_t(out.positions), 0);
    out.mistakes.assign(std::size_t(out.positions), false);
    out.known.assign(std::size_t(out.positions), false);
    const std::lock_guard<std::mutex> lock(m_verdictsLock);
    // The start stands at the first move's best value, for its mover.
    if (m_verdicts.size() > 1 && m_verdictKnown[1]) {
        const analysis::MoveReview& first = m_verdicts[1];
        out.blackValues[0] = first.black ? first.value : -first.value;
        out.known[0] = true;
    }
    int number = 0;
    for (int i = 1; i < out.positions; ++i) {
        if (m_game.turns[std::size_t(i) - 1].square == records::Pass) {
            out.blackValues[i] = out.blackValues[i - 1];
            out.known[i] = out.known[i - 1];
            continue;
        }
        ++number;
        if (std::size_t(number) >= m_verdicts.size() || !m_verdictKnown[std::size_t(number)])
            continue;
        // After a move its mover stands at the best value less what the move cost.
        const analysis::MoveReview& move = m_verdicts[std::size_t(number)];
        const int after = move.value - move.cost;
        out.blackValues[i] = move.black ? after : -after;
        out.mistakes[i] = move.cost >= analysis::MistakeDiscs;
        out.known[i] = true;
    }
    if (m_game.isOver() && !m_game.positions.empty()) {
        out.blackValues.back() = m_game.blackResult();
        out.known.back() = true;
    }
}
