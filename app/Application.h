#pragma once
// The one application: opens the window, starts the music, runs the screens one frame at a time
// and shuts everything down in order.
//
// It owns the screen state (through its ScreenFlow), the sound streams, the one clock the screens
// read, the match session that runs the match and the host that answers the screens (the
// screens call the host, never the application). The board view and the window it reaches
// through their own one-of-a-kind objects. Without a window there is no game: no sound starts,
// nothing touches OpenGL, run() returns at once and main reports the failure.
//
// How the game fails, from the mildest:
//   - A missing or unusable optional file (a picture, a sound, the data folder itself): one line
//     on stderr naming it and why, and the game goes on without it (a plain surface, a black
//     backdrop, invisible text, silence).
//   - A settings file that cannot be read (bad lines, too large, not a file, no permission): one
//     line on stderr naming it, and the default for what is bad. One that cannot be written: one
//     line on stderr, the choice holds for this run, and the old file stays whole.
//   - No audio device: the game plays in silence.
//   - A games file that cannot be written: one line on stderr, the match is not kept, the game
//     goes on; damaged lines in it are skipped when it is read.
//   - No window: SDL's message on stderr, and the game ends with status 1.
//   - A command line it cannot act on, or a position it cannot read: the reason and the usage
//     line on stderr, status 2, before any window or sound exists.
#include "app/DrillSession.h"
#include "app/FramePacer.h"
#include "app/GameScreenHost.h"
#include "app/MatchSession.h"
#include "app/ReviewSession.h"
#include "app/SdlFrameClock.h"
#include "app/cli/CommandLine.h"
#include "app/opponent/SquareValues.h"
#include "app/screens/ScreenFlow.h"
#include "app/sound/SoundCues.h"
#include "app/sound/SoundDevice.h"
#include "render/ProgressChart.h"
#include "render/SceneMarks.h"
#include "render/SceneValues.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Application {
public:
    // The first call creates the application (and so the window) with the SDL_mixer sound and
    // `options`; later calls return it and ignore their argument.
    static Application* instance(const cli::GameOptions& options = cli::GameOptions());
    // Shuts down and destroys the application; nothing when there is none.
    static void destroyInstance();

    // Opens the window (full screen unless `options` ask for a window); only when it opened,
    // starts `sound` and shows a black first frame.
    explicit Application(std::unique_ptr<SoundDevice> sound, const cli::GameOptions& options = cli::GameOptions());
    ~Application();

    bool hasWindow() const { return m_hasWindow; }

    // Makes run() start on the review of `game` (a replay that is ok) between `names` instead of
    // the title; leaving the review then goes to the credits.
    void reviewAtStart(const records::Replay& game, const ReviewNames& names)
    {
        m_reviewAtStart = game;
        m_reviewNames = names;
    }

    // Starts on the title screen (or the review asked for) and runs one screen handler per frame,
    // at most 60 frames a second, until a screen asks to quit or a quit signal arrives.
    void run();

    // One frame of each screen: its events, its update, its drawing.
    void runStartFlash();
    void runTitle();
    void runPlaying();
    void runGameOver();
    void runCredits();
    void runReview();
    void runDrills();
    void runStats();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

private:
    // The board and the score panel with a centred message over them (play and game-over).
    void drawMatchFrame(const char* message);
    // The legal and last-move marks for the board as it stands, or none when they are hidden.
    SceneMarks currentMarks() const;
    // The values to write on the squares of `position` (null: none), followed in the background
    // while the values are on; none, and no search, while they are off.
    SceneValues shownValues(const engine::Position* position);
    // The play screen's position while the keyboard player is to move: the values' position there.
    std::optional<engine::Position> playerPosition() const;
    // The same for the exercise shown.
    SceneMarks drillMarks() const;
    // The opening the match went through, with the marks on only; empty otherwise.
    const std::string& matchOpeningLine();
    // The help panel and the level notice over whatever the screen drew.
    void drawAidsOverlay();
    // The message of the play screen's prompt line when the hint names a square, else null.
    const char* hintPrompt();

    static Application* s_instance;

    cli::GameOptions m_options;
    std::unique_ptr<SoundDevice> m_soundDevice;
    SoundCues m_sound;
    // The one clock of the screens: the frame pacing, the flash's transition and the computer's
    // and the hint's pacing all read it.
    SdlFrameClock m_frameClock;
    MatchSession m_session;
    ReviewSession m_review; // the game under review, when one is open
    DrillSession m_drills;  // the exercises or the statistics, when open
    std::optional<records::Replay> m_reviewAtStart;
    ReviewNames m_reviewNames; // of m_reviewAtStart
    SquareValues m_values; // the values on the legal squares, searched only while shown
    GameScreenHost m_host; // what the screens ask, over the session, the sound and the clock
    ScreenFlow m_screens;
    FramePacer m_pacer;
    std::string m_message; // the play and game-over screens' centred message, reused every frame
    std::string m_notice; // the level notice, reused every frame
    std::string m_verdict; // the review's verdict line, reused every frame
    std::string m_opening; // the play screen's opening line (marks on), reused every frame
    std::vector<int> m_openingMoves; // the match's moves as the engine's squares, reused every frame
    graph::Strip m_graph;  // the review's graph of the game, reused every frame
    chart::Series m_chart; // the statistics' chart, reused every frame
    bool m_hasWindow = false;
};
