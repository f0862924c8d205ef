#include "app/Application.h"

#include "app/MatchRecording.h"
#include "app/MoveBursts.h"
#include "app/QuitSignals.h"
#include "app/screens/ScreenTexts.h"
#include "app/sound/MixerSound.h"
#include "app/sound/SoundCues.h"
#include "render/Display.h"
#include "render/OverlayLayout.h"
#include "render/Renderer.h"
#include "render/VideoSettings.h"
#include "rules/Board.h"
#include "rules/Match.h"
#include "rules/Player.h"

#include <SDL.h>

#include <string>

Application* Application::s_instance = nullptr;

namespace {

// A 1024 x 768 double-buffered window, 24 bits deep with a 16-bit depth buffer; full screen
// unless the player asked for a window.
VideoSettings gameVideoSettings(bool windowed)
{
    return VideoSettings(1024, 768, 8, 8, 8, 0, 16, 0, 0, true, !windowed);
}

} // namespace

Application* Application::instance(const GameOptions& options)
{
    if (!s_instance)
        s_instance = new Application(std::make_unique<MixerSound>(), options);
    return s_instance;
}

void Application::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

Application::Application(std::unique_ptr<SoundDevice> sound, const GameOptions& options)
    : m_options(options)
    , m_soundDevice(std::move(sound))
    , m_sound(*m_soundDevice)
    , m_screens(*this)
    , m_pacer(m_frameClock)
{
    Display::instance()->createWindow(text::Caption, gameVideoSettings(m_options.windowed));
    const Window* window = Display::instance()->window();
    m_hasWindow = window && window->isOpen();
    if (!m_hasWindow)
        return; // the window code has said why on stderr
    catchQuitSignals(); // after SDL's video start, which installs handlers of its own
    resetTransitionClock(); // SDL's clock counts from here
    loadSettings();
    m_sound.startMusic();
    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    renderer->present();
}

Application::~Application()
{
    m_hint.cancel();
    m_sound.closeEffect();
    Match::destroyInstance();
    Renderer::destroyInstance();
    Display::destroyInstance();
    // SDL_mixer keeps the audio device open until told otherwise; it goes before SDL itself.
    m_sound.closeMusic();
    m_soundDevice->stop();
    SDL_Quit();
}

void Application::run()
{
    if (!m_hasWindow)
        return;
    m_screens.setState(Title);
    m_pacer.begin();
    // The title's first frame is its orange veil alone, which needs neither the font atlas nor
    // the tray picture: it goes up first, and the pictures load while the player looks at it.
    runTitle();
    Renderer::instance()->init();
    m_pacer.waitForNextFrame();
    while (namesScreen(m_screens.state()) && !quitSignalled()) {
        switch (m_screens.state()) {
        case StartFlash:
            runStartFlash();
            break;
        case Title:
            runTitle();
            break;
        case Playing:
            runPlaying();
            break;
        case GameOver:
            runGameOver();
            break;
        case Credits:
            runCredits();
            break;
        default:
            break;
        }
        m_pacer.waitForNextFrame();
    }
    keepMatchOnce(); // a quit signal or the credits' key may end the game mid-match
}

void Application::playEffect(const char* path)
{
    m_sound.playEffect(path);
}

void Application::runTitle()
{
    SDL_EnableUNICODE(1);
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onTitleEvent(event);
    m_screens.advanceTitle();

    const TitleAnimation& title = m_screens.title();
    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    if (title.shown()) {
        renderer->beginCamera();
        renderer->drawSpinningScene(title.spin());
        renderer->endCamera();
    }
    renderer->beginOverlay();
    renderer->drawOrangeVeil(title.fade());
    if (title.shown())
        renderer->drawCentredMessage(text::TitlePrompt);
    drawAidsOverlay();
    renderer->endOverlay();
    renderer->present();
}

void Application::runStartFlash()
{
    SDL_EnableUNICODE(1);
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onStartFlashEvent(event);
    m_screens.checkFlashTime();

    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    renderer->beginOverlay();
    renderer->drawOrangeVeil(1.0f);
    renderer->endOverlay();
    renderer->present();
}

void Application::runPlaying()
{
    m_screens.stepPlaying();
    guideHint(); // first: a hint for a position gone is stopped before the computer thinks
    playComputerTurn();
    SDL_EnableUNICODE(1); // the aids' letters are read as typed
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onPlayingEvent(event);
    m_screens.applyHeldTilt();

    ComputerPlayer* computer = computerToMove();
    // Leaving the match mid-think: the search stops and its worker is joined at once.
    if (computer && m_screens.state() != Playing)
        computer->stopThinking();
    if (m_screens.state() != Playing && m_screens.state() != GameOver)
        keepMatchOnce(); // left before its end

    const Match* match = Match::instance();
    const Player* mover = match->player(match->turn()); // null once the match is over
    if (computer)
        drawMatchFrame(text::ComputerThinking);
    else if (const char* hint = hintPrompt())
        drawMatchFrame(hint);
    else
        drawMatchFrame(mover ? turnMessage(mover->name(), m_message).c_str() : nullptr);
}

ComputerPlayer* Application::computerToMove() const
{
    const Match* match = Match::instance();
    if (match->isGameOver())
        return nullptr;
    return dynamic_cast<ComputerPlayer*>(match->player(match->turn()));
}

void Application::playComputerTurn()
{
    ComputerPlayer* computer = computerToMove();
    if (!computer || m_screens.state() != Playing)
        return;
    Match* match = Match::instance();
    Renderer* renderer = Renderer::instance();
    const Cell colour = match->turn() == 1 ? Black : White;
    const double now = m_frameClock.milliseconds() * 0.001;
    const ComputerTurn::Step step =
        m_computerTurn.update(*computer, *Board::instance(), colour, renderer->cursorCell(), now);
    // The same requests and cues as the keys of a player.
    if (step.cursorDirection) {
        renderer->moveCursor(step.cursorDirection);
        playEffect(cue::Cursor);
    } else if (step.drop) {
        match->submitMove(renderer->cursorCell());
        playEffect(cue::Drop);
    }
}

void Application::runGameOver()
{
    m_screens.stepGameOver();
    SDL_EnableUNICODE(0);
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onGameOverEvent(event);

    const MatchResult* result = Match::instance()->result();
    drawMatchFrame(result ? gameOverMessage(*result, m_message).c_str() : nullptr);
    m_screens.afterGameOverFrame();
}

void Application::runCredits()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onCreditsEvent(event);

    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    renderer->beginCamera();
    renderer->endCamera();
    renderer->beginOverlay();
    renderer->drawCreditsBackground();
    TextureFont& font = renderer->font();
    font.beginText();
    font.print(overlay::CreditsX, overlay::CreditsY, "%s", text::CreditsLine);
    font.endText();
    renderer->endOverlay();
    renderer->present();
}

void Application::drawMatchFrame(const char* message)
{
    Renderer* renderer = Renderer::instance();
    const Match* match = Match::instance();
    renderer->beginFrame();
    renderer->beginCamera();
    renderer->setMarks(currentMarks());
    renderer->drawScene();
    renderer->clearMarks();
    renderer->endCamera();
    renderer->beginOverlay();
    const Player* one = match->player(1);
    const Player* two = match->player(2);
    if (one && two)
        renderer->drawScorePanel(*one, *two);
    if (message)
        renderer->drawCentredMessage(message);
    drawAidsOverlay();
    renderer->endOverlay();
    renderer->present();
}

namespace {

// Side `side`'s player: the computer on `computerSide` (0: none) at `level`, else the keyboard.
std::unique_ptr<Player> makePlayer(std::int32_t side, const char* name, std::int32_t computerSide, int level)
{
    if (computerSide == side)
        return std::make_unique<ComputerPlayer>(side, text::ComputerName, level);
    return std::make_unique<HumanPlayer>(side, name);
}

} // namespace

void Application::startMatch(const char* playerOneName, const char* playerTwoName)
{
    startMatchWith(playerOneName, playerTwoName, m_options.computerSide);
}

void Application::startMatchWith(const char* playerOneName, const char* playerTwoName, std::int32_t computerSide)
{
    keepMatchOnce(); // the match before, if any, goes to the file first
    m_hint.cancel();
    const int level = m_options.levelGiven ? m_options.level : m_settings.level;
    Match::instance()->start(makePlayer(1, playerOneName, computerSide, level),
                             makePlayer(2, playerTwoName, computerSide, level));
    m_matchKept = false;
}

void Application::stepMatch()
{
    stepMatchWithBursts(*Match::instance());
    if (Match::instance()->isGameOver())
        keepMatchOnce();
}

void Application::keepMatchOnce()
{
    if (m_matchKept)
        return;
    m_matchKept = true;
    if (m_settings.records)
        keepMatch(*Match::instance());
}

bool Application::isMatchOver() const
{
    return Match::instance()->isGameOver();
}

void Application::releaseMatch()
{
    keepMatchOnce();
    Match::destroyInstance();
}

void Application::submitCursorSquare()
{
    Match::instance()->submitMove(Renderer::instance()->cursorCell());
}

bool Application::humanToMove() const
{
    return computerToMove() == nullptr;
}

void Application::moveCursor(std::int32_t direction)
{
    m_hint.stopWalking(); // the player steers
    Renderer::instance()->moveCursor(direction);
}

void Application::stepTilt(std::int32_t direction)
{
    Renderer::instance()->stepTilt(direction);
}

void Application::resetTransitionClock()
{
    m_transitionStart = m_frameClock.milliseconds();
}

float Application::transitionSeconds() const
{
    return float(m_frameClock.milliseconds() - m_transitionStart) * 0.001f;
}
