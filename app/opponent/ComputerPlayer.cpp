#include "app/opponent/ComputerPlayer.h"

#include "app/opponent/BoardPosition.h"
#include "app/opponent/SearchThreads.h"
#include "app/records/GameRecord.h"
#include "engine/Levels.h"

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

std::string ComputerPlayer::recordedName() const
{
    return records::computerName(m_level);
}

void ComputerPlayer::startThinking(const Board& board, Cell colour)
{
    if (m_state != State::Idle)
        return;
    const engine::Position position = positionOf(board, colour);
    m_state = State::Thinking;
    const engine::SearchLimits limits = engine::levelLimits(m_level, opponent::gameSearchThreads());
    m_thinking.start(m_search, [position, limits](engine::Search& search) { return search.run(position, limits); });
}

std::optional<CellPos> ComputerPlayer::chosenMove()
{
    if (m_state == State::Thinking) {
        if (std::optional<engine::SearchResult> answer = m_thinking.poll()) {
            m_result = *answer;
            m_state = State::Chosen;
        }
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
    m_thinking.cancel();
    m_state = State::Idle;
}
