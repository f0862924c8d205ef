#include "app/opponent/SquareValues.h"

#include "app/opponent/SearchThreads.h"
#include "engine/Levels.h"

#include <algorithm>

namespace {

// As the review's analysis: enough for a level-5 count, made once on the first position.
constexpr std::size_t TableMegabytes = 16;
// Before a long exact count, a few shallow midgame steps put rough values on the squares.
constexpr int PreviewDepth = 4;
// Counts this short end at once: no preview before them.
constexpr int QuickCountEmpties = 12;

} // namespace

SquareValues::~SquareValues()
{
    stop();
}

std::vector<engine::SearchLimits> SquareValues::stepsFor(const engine::Position& position, int level)
{
    std::vector<engine::SearchLimits> steps;
    if (!position.moves())
        return steps;
    const engine::SearchLimits last = engine::analysisLimits(level);
    const int empties = position.empties();
    if (empties > last.exactFrom) {
        for (int depth = 1; depth < last.depth; ++depth)
            steps.push_back(engine::fixedLimits(depth, last.exactFrom));
    } else if (empties > QuickCountEmpties) {
        for (int depth = 1; depth <= std::min(PreviewDepth, last.depth); ++depth)
            steps.push_back(engine::fixedLimits(depth, 0));
    }
    steps.push_back(last);
    return steps;
}

void SquareValues::follow(const engine::Position& position, int level)
{
    if (m_following && position == m_position && level == m_level)
        return;
    stop();
    m_following = true;
    m_position = position;
    m_level = level;
    m_steps = stepsFor(position, level);
    m_snapshot.final = m_steps.empty(); // no legal move: nothing to value
    startStep();
}

void SquareValues::stop()
{
    m_seeking.cancel();
    m_following = false;
    m_steps.clear();
    m_nextStep = 0;
    m_snapshot = Snapshot();
}

void SquareValues::update()
{
    if (!m_following)
        return;
    std::optional<engine::MoveValues> answer = m_seeking.poll();
    if (!answer)
        return;
    if (answer->complete) {
        m_snapshot.moves = std::move(answer->moves);
        m_snapshot.depth = answer->depth;
        m_snapshot.exact = answer->exact;
        m_snapshot.steps = int(m_nextStep);
        m_snapshot.final = m_nextStep == m_steps.size();
    }
    startStep();
}

void SquareValues::startStep()
{
    if (m_nextStep >= m_steps.size())
        return;
    if (!m_search)
        m_search = std::make_unique<engine::Search>(engine::Evaluator::builtIn(), TableMegabytes);
    const engine::Position position = m_position;
    engine::SearchLimits limits = m_steps[m_nextStep++];
    limits.threads = opponent::gameSearchThreads();
    m_seeking.start(*m_search, [position, limits](engine::Search& search) {
        return search.valueAllMoves(position, limits);
    });
}
