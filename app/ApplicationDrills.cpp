// The application's two screens over the drills: the exercises on the board and the statistics'
// chart, one frame each (events, update, drawing), as the other screens in Application.cpp.
#include "app/Application.h"

#include "app/opponent/BoardPosition.h"
#include "app/screens/DrillTexts.h"
#include "render/Renderer.h"

#include <SDL.h>

namespace {

constexpr float AnswerY = 0.91f;       // overlay units: the answer's line, where the review has its verdict
constexpr float StatsCaptionY = 0.86f; // overlay units: the statistics' lines above the chart
constexpr float StatsLegendY = 0.81f;

} // namespace

void Application::runDrills()
{
    SDL_EnableUNICODE(1); // the aids' letters are read as typed
    m_drills.poll(); // first: the exercise is in place before the keys come
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onDrillsEvent(event);
    m_screens.applyHeldTilt();

    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    renderer->beginCamera();
    renderer->setMarks(drillMarks());
    renderer->drawScene();
    renderer->clearMarks();
    renderer->endCamera();
    renderer->beginOverlay();
    if (m_drills.isOpen()) {
        renderer->drawFittedMessage(m_drills.topLine(m_message).c_str());
        if (!m_drills.verdictLine(m_verdict).empty())
            renderer->drawCentredLine(m_verdict.c_str(), AnswerY);
    }
    drawAidsOverlay();
    renderer->endOverlay();
    renderer->present();
}

void Application::runStats()
{
    SDL_EnableUNICODE(1);
    m_drills.poll();
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onStatsEvent(event);

    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    renderer->beginCamera();
    renderer->endCamera();
    renderer->beginOverlay();
    if (m_drills.isOpen() && m_drills.step() == DrillSession::Step::Looking) {
        renderer->drawFittedMessage(m_drills.topLine(m_message).c_str());
    } else if (m_drills.isOpen()) {
        const std::vector<drills::PhaseRow>& rows = m_drills.phaseRows();
        if (rows.empty()) {
            renderer->drawFittedMessage(text::StatsNone);
        } else {
            renderer->drawFittedMessage(statsMessage(m_drills.gamesAgainstComputer(), m_drills.exercisesSolved(),
                                                     m_drills.exerciseCount(), m_message)
                                            .c_str());
            renderer->drawCentredLine(text::StatsCaption, StatsCaptionY);
            renderer->drawCentredLine(text::StatsLegend, StatsLegendY);
            for (int line = 0; line < chart::Lines; ++line) {
                m_chart.values[line].clear();
                m_chart.present[line].clear();
                for (const drills::PhaseRow& row : rows) {
                    m_chart.values[line].push_back(float(row.average(line)));
                    m_chart.present[line].push_back(row.has(line));
                }
            }
            renderer->drawProgressChart(m_chart);
        }
    }
    renderer->endOverlay();
    renderer->present();
}

SceneMarks Application::drillMarks() const
{
    SceneMarks marks;
    if (!m_host.settings().marks)
        return marks;
    const engine::Bits legal = m_drills.legalMoves();
    for (int square = 0; square < 64; ++square) {
        int x = 0, y = 0;
        coordsOf(square, x, y);
        if (legal & engine::bitOf(square))
            marks.legal |= SceneMarks::bitOf(x, y);
        if (square == m_drills.answeredSquare()) {
            marks.hasLast = true;
            marks.last = CellPos{std::uint8_t(x), std::uint8_t(y)};
        }
    }
    return marks;
}
