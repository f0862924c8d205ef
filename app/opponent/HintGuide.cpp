#include "app/opponent/HintGuide.h"

#include "app/opponent/BoardPosition.h"
#include "app/opponent/ConeStep.h"

namespace {
// Plenty for one level-4 search; allocated once, on the first hint.
constexpr std::size_t TableMegabytes = 8;
} // namespace

HintGuide::~HintGuide()
{
    cancel();
}

void HintGuide::ask(const Board& board, Cell colour, std::size_t turnsPlayed)
{
    if (m_asked && m_turnsPlayed == turnsPlayed) {
        m_walking = m_square.has_value(); // asked again: walk there again
        return;
    }
    cancel();
    if (!m_search)
        m_search = std::make_unique<engine::Search>(engine::Evaluator::builtIn(), TableMegabytes);
    const engine::Position position = positionOf(board, colour);
    m_asked = true;
    m_turnsPlayed = turnsPlayed;
    m_seeking.start(*m_search, [position](engine::Search& search) { return search.chooseMove(position, Level); });
}

std::int32_t HintGuide::update(CellPos cursor, std::size_t turnsPlayed, double now)
{
    if (m_asked && turnsPlayed != m_turnsPlayed)
        cancel();
    if (const std::optional<engine::SearchResult> answer = m_seeking.poll()) {
        if (answer->move >= 0) {
            m_square = cellOf(answer->move);
            m_walking = true;
            m_lastStep = now - StepSeconds; // the first step at once
        }
    }
    if (!m_walking || !m_square || now - m_lastStep < StepSeconds)
        return 0;
    m_lastStep = now;
    const std::int32_t direction = stepToward(cursor, *m_square);
    if (direction == 0)
        m_walking = false;
    return direction;
}

void HintGuide::cancel()
{
    m_seeking.cancel();
    m_asked = false;
    m_square.reset();
    m_walking = false;
}
