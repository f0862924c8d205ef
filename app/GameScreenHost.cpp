#include "app/GameScreenHost.h"

#include "app/files/ErrorLine.h"
#include "app/opponent/BoardPosition.h"
#include "app/records/GameArgument.h"
#include "app/records/RecordsFile.h"
#include "app/screens/ScreenTexts.h"
#include "app/settings/SettingsFile.h"
#include "render/Renderer.h"

#include <cstdlib>
#include <iostream>

namespace {

// The computer's side for a match started with O when the command line chose none: White.
constexpr std::int32_t DefaultComputerSide = 2;

} // namespace

GameScreenHost::GameScreenHost(const cli::GameOptions& options, MatchSession& session, ReviewSession& review,
                               DrillSession& drills, SoundCues& sound, const FrameClock& clock)
    : m_options(options), m_session(session), m_review(review), m_drills(drills), m_sound(sound), m_clock(clock)
{
}

void GameScreenHost::loadSettings()
{
    m_settingsPath = settings::settingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    std::string error;
    m_settings = settings::readSettingsFile(m_settingsPath, error);
    if (!error.empty())
        std::cerr << errorLine(error);
    m_sound.setMuted(!m_settings.sound);
}

void GameScreenHost::saveSettings()
{
    if (m_settingsSaveFailed)
        return;
    std::string error;
    if (!settings::writeSettingsFile(m_settingsPath, m_settings, error)) {
        std::cerr << errorLine(error);
        m_settingsSaveFailed = true; // the game goes on; the choice holds for this run
    }
}

int GameScreenHost::matchLevel() const
{
    return m_options.levelGiven ? m_options.level : m_settings.level;
}

void GameScreenHost::startMatch(const char* playerOneName, const char* playerTwoName)
{
    m_session.start(playerOneName, playerTwoName, m_options.computerSide, matchLevel(), m_settings.records);
}

void GameScreenHost::startComputerMatch()
{
    m_session.start(text::PlayerOneName, text::PlayerTwoName,
                    m_options.computerSide != 0 ? m_options.computerSide : DefaultComputerSide, matchLevel(),
                    m_settings.records);
}

void GameScreenHost::stepMatch()
{
    m_session.step();
}

bool GameScreenHost::isMatchOver() const
{
    return m_session.isOver();
}

void GameScreenHost::releaseMatch()
{
    m_session.release();
}

void GameScreenHost::submitCursorSquare()
{
    m_session.submitCursorSquare();
}

bool GameScreenHost::humanToMove() const
{
    return m_session.humanToMove();
}

void GameScreenHost::moveCursor(std::int32_t direction)
{
    m_session.moveCursor(direction);
}

void GameScreenHost::placeCursor(CellPos cell)
{
    m_session.placeCursor(cell);
}

void GameScreenHost::takeBack()
{
    m_session.takeBack();
}

void GameScreenHost::askHint()
{
    m_session.askHint();
}

void GameScreenHost::stepTilt(std::int32_t direction)
{
    Renderer::instance()->stepTilt(direction);
}

std::optional<CellPos> GameScreenHost::squareAtPointer(int column, int row) const
{
    return Renderer::instance()->squareAtPointer(column, row);
}

CellPos GameScreenHost::cursorCell() const
{
    return Renderer::instance()->cursorCell();
}

void GameScreenHost::toggleMarks()
{
    m_settings.marks = !m_settings.marks;
    saveSettings();
}

void GameScreenHost::toggleValues()
{
    m_settings.values = !m_settings.values;
    saveSettings();
}

void GameScreenHost::toggleSound()
{
    m_settings.sound = !m_settings.sound;
    m_sound.setMuted(!m_settings.sound);
    saveSettings();
}

void GameScreenHost::chooseLevel(int level)
{
    m_settings.level = level;
    m_levelChosenAt = m_clock.milliseconds() * 0.001;
    saveSettings();
}

bool GameScreenHost::openLastGame()
{
    records::Replay game;
    std::string error;
    const std::string path = records::recordsPath();
    if (!records::resolveGame("@", path, game, error)) {
        std::cerr << errorLine(error); // the title stays
        return false;
    }
    openReview(game, reviewNamesOf("@", path));
    return true;
}

void GameScreenHost::openReview(const records::Replay& game, const ReviewNames& names)
{
    m_review.open(game, names, matchLevel());
}

int GameScreenHost::reviewTurnCount() const
{
    return m_review.turnCount();
}

void GameScreenHost::showReviewTurn(int turn)
{
    m_review.showTurn(turn);
}

int GameScreenHost::reviewTurnAtPointer(int column, int row) const
{
    return Renderer::instance()->graphPositionAtPointer(column, row, m_review.turnCount() + 1);
}

void GameScreenHost::leaveReview()
{
    m_review.close();
}

bool GameScreenHost::playOnFromReview(int turn)
{
    PlayOn playOn;
    if (!m_review.playOnFrom(turn, playOn))
        return false;
    m_review.close(); // the board it borrowed goes back before the match takes it
    m_session.startFrom(text::PlayerOneName, text::PlayerTwoName, playOn.computerSide, playOn.level,
                        m_settings.records, playOn.prefix);
    return true;
}

bool GameScreenHost::openDrills()
{
    m_drills.open(drills::today());
    return true;
}

ScreenHost::DrillStep GameScreenHost::drillStep() const
{
    switch (m_drills.step()) {
    case DrillSession::Step::Looking:
        return DrillStep::Looking;
    case DrillSession::Step::Asking:
        return DrillStep::Asking;
    case DrillSession::Step::Answered:
        return DrillStep::Answered;
    default:
        return DrillStep::Finished;
    }
}

void GameScreenHost::answerDrill()
{
    const CellPos cell = Renderer::instance()->cursorCell();
    m_drills.answer(squareOf(cell.x, cell.y));
}

void GameScreenHost::nextDrill()
{
    m_drills.next();
}

void GameScreenHost::leaveDrills()
{
    m_drills.close();
}

bool GameScreenHost::openStats()
{
    m_drills.open(drills::today(), true);
    return true;
}

void GameScreenHost::leaveStats()
{
    m_drills.close();
}

void GameScreenHost::resetTransitionClock()
{
    m_transitionStart = m_clock.milliseconds();
}

float GameScreenHost::transitionSeconds() const
{
    return float(m_clock.milliseconds() - m_transitionStart) * 0.001f;
}

void GameScreenHost::playEffect(const char* path)
{
    m_sound.playEffect(path);
}
