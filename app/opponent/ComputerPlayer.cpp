#include "app/opponent/ComputerPlayer.h"

#include "app/opponent/BoardPosition.h"

#include <chrono>

namespace {

// Enough for the deepest level's searches of a whole game; allocated once per match.
constexpr std::size_t TableMegabytes = 32;

} // namespace

ComputerPlayer::ComputerPlayer(std::int32_t number, const char* name, int level, std::uint32_t seed)
    : Player(number, name), m_level(level), m_search(engine::Evaluator::builtIn(), TableMegabytes, seed)
{
}

ComputerPlayer::~ComputerPlayer()
{
    stopThinking();
}

void ComputerPlayer::setMove(CellPos pos)
{
    m_pendingMove = pos;
    m_hasPendingMove = true;
    stopThinking(); // the turn is over: whatever was chosen has been used
}

bool ComputerPlayer::takeMove()
{
    if (!m_hasPendingMove)
        return false;
    m_hasPendingMove = false;
    return true;
}

void ComputerPlayer::startThinking(const Board& board, Cell colour)
{
    if (m_state != State::Idle)
        return;
    const engine::Position position = positionOf(board, colour);
    m_finished.store(false);
    m_state = State::Thinking;
    m_worker = std::thread([this, position] {
        m_result = m_search.chooseMove(position, m_level);
        m_finished.store(true, std::memory_order_release);
    });
}

std::optional<CellPos> ComputerPlayer::chosenMove()
{
    if (m_state == State::Thinking && m_finished.load(std::memory_order_acquire)) {
        m_worker.join();
        m_state = State::Chosen;
    }
    if (m_state != State::Chosen)
        return std::nullopt;
    if (m_result.move < 0) {
        m_state = State::Idle; // nothing to play: the match passes for us
        return std::nullopt;
    }
    return cellOf(m_result.move);
}

void ComputerPlayer::stopThinking()
{
    if (m_worker.joinable()) {
        // A stop that comes before the worker has begun its search would be forgotten when it
        // begins, so keep asking until the worker says it is done.
        while (!m_finished.load(std::memory_order_acquire)) {
            m_search.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        m_worker.join();
    }
    m_state = State::Idle;
}
