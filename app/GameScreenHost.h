#pragma once
// The screens' host in the game: what the screens ask, answered by the match session, the one
// Renderer's board view, the sound cues, the frame clock and the player's settings.
//
// It holds the settings as read from the settings file at start-up and writes the whole file
// again after each change the player makes (marks, values, sound, level); once a write has failed it
// stops trying for the run, and the choices hold until the game ends. It calls nothing of the
// screens nor of the Application, which owns it: the screens call in, never the other way round.
#include "app/DrillSession.h"
#include "app/FramePacer.h"
#include "app/MatchSession.h"
#include "app/ReviewSession.h"
#include "app/cli/CommandLine.h"
#include "app/screens/ScreenHost.h"
#include "app/settings/Settings.h"
#include "app/sound/SoundCues.h"

#include <cstdint>
#include <optional>
#include <string>

class GameScreenHost : public ScreenHost {
public:
    GameScreenHost(const cli::GameOptions& options, MatchSession& session, ReviewSession& review, DrillSession& drills,
                   SoundCues& sound, const FrameClock& clock);

    // Reads the settings file and applies the sound setting (before the music starts).
    void loadSettings();
    const settings::Settings& settings() const { return m_settings; }
    // The level whose analysis limits value the squares: the one matches and reviews start at.
    int valuesLevel() const { return matchLevel(); }
    // When the player last chose a level on the title, in seconds on the clock.
    double levelChosenAt() const { return m_levelChosenAt; }

    void startMatch(const char* playerOneName, const char* playerTwoName) override;
    void stepMatch() override;
    bool isMatchOver() const override;
    void releaseMatch() override;
    void submitCursorSquare() override;
    bool humanToMove() const override;
    void moveCursor(std::int32_t direction) override;
    void stepTilt(std::int32_t direction) override;

    void startComputerMatch() override;
    std::optional<CellPos> squareAtPointer(int column, int row) const override;
    CellPos cursorCell() const override;
    void placeCursor(CellPos cell) override;
    void takeBack() override;
    void askHint() override;
    void toggleMarks() override;
    void toggleValues() override;
    void toggleSound() override;
    void chooseLevel(int level) override;

    bool openLastGame() override;
    int reviewTurnCount() const override;
    void showReviewTurn(int turn) override;
    int reviewTurnAtPointer(int column, int row) const override;
    void leaveReview() override;
    bool playOnFromReview(int turn) override;
    // Reviews `game` (a replay that is ok) between `names` with the analysis at the matches' level.
    void openReview(const records::Replay& game, const ReviewNames& names);

    bool openDrills() override;
    DrillStep drillStep() const override;
    void answerDrill() override;
    void nextDrill() override;
    void leaveDrills() override;
    bool openStats() override;
    void leaveStats() override;

    void resetTransitionClock() override;
    float transitionSeconds() const override;

    void playEffect(const char* path) override;

    GameScreenHost(const GameScreenHost&) = delete;
    GameScreenHost& operator=(const GameScreenHost&) = delete;

private:
    // The computer's level for a new match: the command line's, else the remembered one.
    int matchLevel() const;
    void saveSettings();

    const cli::GameOptions& m_options;
    MatchSession& m_session;
    ReviewSession& m_review;
    DrillSession& m_drills;
    SoundCues& m_sound;
    const FrameClock& m_clock;
    std::uint32_t m_transitionStart = 0; // milliseconds on m_clock
    settings::Settings m_settings;
    std::string m_settingsPath; // empty when no folder for it is known
    bool m_settingsSaveFailed = false; // said once on stderr; later saves stay quiet
    double m_levelChosenAt = -1.0e9; // seconds on m_clock; the notice shows for a moment after
};
