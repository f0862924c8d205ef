#include "app/opponent/HintGuide.h"

#include "app/opponent/BoardPosition.h"
#include "app/opponent/ConeStep.h"

#include <chrono>

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
    m_searching = true;
    m_finished.store(false);
    m_worker = std::thread([this, position] {
        m_result = m_search->chooseMove(position, Level);
        m_finished.store(true, std::memory_order_release);
    });
}

std::int32_t HintGuide::update(CellPos cursor, std::size_t turnsPlayed, double now)
{
    if (m_asked && turnsPlayed != m_turnsPlayed)
        cancel();
    if (m_searching && m_finished.load(std::memory_order_acquire)) {
        m_worker.join();
        m_searching = false;
        if (m_result.move >= 0) {
            m_square = cellOf(m_result.move);
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
    if (m_worker.joinable()) {
        // A stop that comes before the worker has begun its search would be forgotten when it
        // begins, so keep asking until the worker says it is done.
        while (!m_finished.load(std::memory_order_acquire)) {
            m_search->stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        m_worker.join();
    }
    m_searching = false;
    m_asked = false;
    m_square.reset();
    m_walking = false;
}
