#pragma once
// The one application: opens the window, starts the music, runs the screens one frame at a time
// and shuts everything down in order.
//
// It owns the screen state (through its ScreenFlow), the sound streams and the one clock the
// screens read; the match, the board view and the window it reaches through their own
// one-of-a-kind objects. Without a window there is no game: no sound starts, nothing touches
// OpenGL, run() returns at once and main reports the failure.
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
#include "app/FramePacer.h"
#include "app/SdlFrameClock.h"
#include "app/cli/CommandLine.h"
#include "app/opponent/ComputerTurn.h"
#include "app/opponent/HintGuide.h"
#include "app/screens/ScreenFlow.h"
#include "app/screens/ScreenHost.h"
#include "app/sound/SoundCues.h"
#include "app/settings/Settings.h"
#include "app/sound/SoundDevice.h"
#include "render/SceneMarks.h"

#include <memory>
#include <string>

class Application : private ScreenHost {
public:
    // The first call creates the application (and so the window) with the SDL_mixer sound and
    // `options`; later calls return it and ignore their argument.
    static Application* instance(const GameOptions& options = GameOptions());
    // Shuts down and destroys the application; nothing when there is none.
    static void destroyInstance();

    // Opens the window (full screen unless `options` ask for a window); only when it opened,
    // starts `sound` and shows a black first frame.
    explicit Application(std::unique_ptr<SoundDevice> sound, const GameOptions& options = GameOptions());
    ~Application() override;

    bool hasWindow() const { return m_hasWindow; }

    // Starts on the title screen and runs one screen handler per frame, at most 60 frames a
    // second, until a screen asks to quit or a quit signal arrives.
    void run();

    // Cuts off the effect still sounding, if any, and plays `path` in its place.
    void playEffect(const char* path) override;

    // One frame of each screen: its events, its update, its drawing.
    void runStartFlash();
    void runTitle();
    void runPlaying();
    void runGameOver();
    void runCredits();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

private:
    // What the screens ask of the game.
    void startMatch(const char* playerOneName, const char* playerTwoName) override;
    void stepMatch() override;
    bool isMatchOver() const override;
    void releaseMatch() override;
    void submitCursorSquare() override;
    bool humanToMove() const override;
    void moveCursor(std::int32_t direction) override;
    void stepTilt(std::int32_t direction) override;
    void resetTransitionClock() override;
    float transitionSeconds() const override;
    // The player's aids (ApplicationAids.cpp).
    void startComputerMatch() override;
    std::optional<CellPos> squareAtPointer(int column, int row) const override;
    CellPos cursorCell() const override;
    void placeCursor(CellPos cell) override;
    void takeBack() override;
    void askHint() override;
    void toggleMarks() override;
    void toggleSound() override;
    void chooseLevel(int level) override;

    // A new match with the computer on `computerSide` (0: two keyboard players), at the level the
    // command line gave, else the remembered one.
    void startMatchWith(const char* playerOneName, const char* playerTwoName, std::int32_t computerSide);
    // Reads the settings file and applies the sound setting (before the music starts).
    void loadSettings();
    void saveSettings();
    // One frame of the hint: its search's answer and the cone's walk.
    void guideHint();
    // The legal and last-move marks for the board as it stands, or none when they are hidden.
    SceneMarks currentMarks() const;
    // The help panel and the level notice over whatever the screen drew.
    void drawAidsOverlay();
    // The message of the play screen's prompt line when the hint names a square, else null.
    const char* hintPrompt();

    // The board and the score panel with a centred message over them (play and game-over).
    void drawMatchFrame(const char* message);
    // The computer player whose turn it is, or null (a keyboard player's turn, or no match).
    ComputerPlayer* computerToMove() const;
    // One frame of the computer's turn: its thinking, its cursor and its disc.
    void playComputerTurn();
    // Appends the match to the file of games, once per match: when it ends, or when it is left
    // (Escape, a quit, a signal). Nothing when the settings say records = off.
    void keepMatchOnce();

    static Application* s_instance;

    GameOptions m_options;
    std::unique_ptr<SoundDevice> m_soundDevice;
    SoundCues m_sound;
    ScreenFlow m_screens;
    // The one clock of the screens: the frame pacing, the flash's transition and the computer's
    // pacing all read it.
    SdlFrameClock m_frameClock;
    std::uint32_t m_transitionStart = 0; // milliseconds on m_frameClock
    FramePacer m_pacer;
    ComputerTurn m_computerTurn;
    std::string m_message; // the play and game-over screens' centred message, reused every frame
    Settings m_settings;
    std::string m_settingsPath; // empty when no folder for it is known
    bool m_settingsSaveFailed = false; // said once on stderr; later saves stay quiet
    HintGuide m_hint;
    double m_levelChosenAt = -1.0e9; // seconds on m_frameClock; the notice shows for a moment after
    std::string m_notice; // the level notice, reused every frame
    bool m_hasWindow = false;
    bool m_matchKept = true; // the current match is in the file of games (or there is none)
};
