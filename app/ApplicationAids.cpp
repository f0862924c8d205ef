// The Application's side of the player's aids: the settings file, take-backs, hints, the marks,
// the sound switch, the title's level keys and the help panel.
#include "app/Application.h"

#include "app/files/ErrorLine.h"
#include "app/screens/ScreenTexts.h"
#include "app/settings/SettingsFile.h"
#include "render/Renderer.h"
#include "rules/Board.h"
#include "rules/Match.h"

#include <cstdlib>
#include <iostream>

namespace {

constexpr double LevelNoticeSeconds = 2.0;
constexpr float LevelNoticeY = 0.9f; // overlay units: the line under the title's prompt
// The computer's side for a match started with O when the command line chose none: White.
constexpr std::int32_t DefaultComputerSide = 2;

Cell colourOfSide(std::int32_t side)
{
    return side == 1 ? Black : White;
}

// The side a keyboard player holds in the match; 0 when both do.
std::int32_t keyboardSideAgainstComputer(const Match& match)
{
    for (std::int32_t side : {1, 2}) {
        if (dynamic_cast<const ComputerPlayer*>(match.player(side)))
            return side == 1 ? 2 : 1;
    }
    return 0;
}

} // namespace

void Application::loadSettings()
{
    m_settingsPath = settingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    std::string error;
    m_settings = readSettingsFile(m_settingsPath, error);
    if (!error.empty())
        std::cerr << errorLine(error);
    m_sound.setMuted(!m_settings.sound);
}

void Application::saveSettings()
{
    if (m_settingsSaveFailed)
        return;
    std::string error;
    if (!writeSettingsFile(m_settingsPath, m_settings, error)) {
        std::cerr << errorLine(error);
        m_settingsSaveFailed = true; // the game goes on; the choice holds for this run
    }
}

void Application::startComputerMatch()
{
    startMatchWith(text::PlayerOneName, text::PlayerTwoName,
                   m_options.computerSide != 0 ? m_options.computerSide : DefaultComputerSide);
}

std::optional<CellPos> Application::squareAtPointer(int column, int row) const
{
    return Renderer::instance()->squareAtPointer(column, row);
}

CellPos Application::cursorCell() const
{
    return Renderer::instance()->cursorCell();
}

void Application::placeCursor(CellPos cell)
{
    m_hint.stopWalking();
    Renderer::instance()->setCursor(cell);
}

void Application::takeBack()
{
    Match* match = Match::instance();
    if (match->isGameOver())
        return;
    // The computer's search is stopped first, so that its move never lands.
    for (std::int32_t side : {1, 2}) {
        if (auto* computer = dynamic_cast<ComputerPlayer*>(match->player(side)))
            computer->stopThinking();
    }
    m_hint.cancel();
    match->takeBack(keyboardSideAgainstComputer(*match));
}

void Application::askHint()
{
    const Match* match = Match::instance();
    if (match->isGameOver() || match->turn() == 0)
        return;
    m_hint.ask(*Board::instance(), colourOfSide(match->turn()), match->history().size());
}

void Application::guideHint()
{
    const Match* match = Match::instance();
    Renderer* renderer = Renderer::instance();
    const std::int32_t direction = m_hint.update(renderer->cursorCell(), match->history().size(), m_frameClock.milliseconds() * 0.001);
    if (direction) {
        renderer->moveCursor(direction);
        playEffect(cue::Cursor);
    }
}

const char* Application::hintPrompt()
{
    const std::optional<CellPos> square = m_hint.square();
    return square ? hintMessage(*square, m_message).c_str() : nullptr;
}

void Application::toggleMarks()
{
    m_settings.marks = !m_settings.marks;
    saveSettings();
}

void Application::toggleSound()
{
    m_settings.sound = !m_settings.sound;
    m_sound.setMuted(!m_settings.sound);
    saveSettings();
}

void Application::chooseLevel(int level)
{
    m_settings.level = level;
    m_levelChosenAt = m_frameClock.milliseconds() * 0.001;
    saveSettings();
}

SceneMarks Application::currentMarks() const
{
    SceneMarks marks;
    if (!m_settings.marks)
        return marks;
    const Match* match = Match::instance();
    const Board& board = *Board::instance();
    if (!match->isGameOver() && match->turn() != 0) {
        const Cell colour = colourOfSide(match->turn());
        for (std::uint8_t x = 1; x <= 8; ++x)
            for (std::uint8_t y = 1; y <= 8; ++y)
                if (board.flipCount(x, y, colour) != 0)
                    marks.legal |= SceneMarks::bitOf(x, y);
    }
    const std::vector<PlayedTurn>& history = match->history();
    for (auto turn = history.rbegin(); turn != history.rend(); ++turn) {
        if (!turn->pass) {
            marks.hasLast = true;
            marks.last = turn->pos;
            break;
        }
    }
    return marks;
}

void Application::drawAidsOverlay()
{
    Renderer* renderer = Renderer::instance();
    if (m_screens.state() == Title && m_frameClock.milliseconds() * 0.001 - m_levelChosenAt < LevelNoticeSeconds)
        renderer->drawCentredLine(levelMessage(m_settings.level, m_notice).c_str(), LevelNoticeY);
    if (m_screens.helpShown())
        renderer->drawTextPanel(text::HelpLines, text::HelpLineCount);
}
