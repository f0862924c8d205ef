#include "app/ReviewSession.h"

#include "app/opponent/BoardPosition.h"
#include "app/screens/ScreenTexts.h"
#include "rules/Board.h"

namespace {

// What the progress callback throws to unwind a cancelled analysis; caught in the worker.
struct AnalysisCancelled {};

} // namespace

void ReviewSession::open(const records::Replay& game, int level)
{
    close();
    m_game = game;
    Board* board = Board::instance();
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        m_boardBefore[square] = board->cellValue(cell.x, cell.y);
    }
    m_open = true;
    m_review.reset();
    m_cancelled = false;
    m_done = 0;
    m_total = 0;
    m_work.start(
        [this, level] {
            try {
                m_review = analysis::reviewGame(m_game, level, analysis::ExactEmpties, [this](int done, int total) {
                    if (m_cancelled)
                        throw AnalysisCancelled{};
                    m_total = total;
                    m_done = done;
                });
            } catch (const AnalysisCancelled&) {
                m_review.reset();
            }
        },
        [this] { m_cancelled = true; });
}

void ReviewSession::close()
{
    if (!m_open)
        return;
    m_work.cancel();
    m_review.reset();
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
    m_work.finished(); // joins the worker once it is done; m_review is then ours to read
}

const std::string& ReviewSession::moveLine(int turn, std::string& out) const
{
    if (turn <= 0 || turn > turnCount())
        return out.assign(text::ReviewStart);
    const records::RecordedTurn& played = m_game.turns[turn - 1];
    return reviewMoveMessage(turn, played.black ? text::PlayerOneName : text::PlayerTwoName, played.square, out);
}

const std::string& ReviewSession::verdictLine(int turn, std::string& out) const
{
    out.clear();
    if (m_work.isRunning())
        return analysisProgressMessage(m_done, m_total, out);
    if (!m_review || turn <= 0 || turn > turnCount() || m_game.turns[turn - 1].square == records::Pass)
        return out;
    int number = 0; // the analysis counts moves only
    for (int i = 0; i < turn; ++i)
        number += m_game.turns[i].square != records::Pass;
    for (const analysis::MoveReview& move : m_review->moves)
        if (move.number == number)
            return verdictMessage(move.best, move.value, move.cost, analysis::MistakeDiscs, out);
    return out;
}
