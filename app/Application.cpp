#include "app/Application.h"

#include "app/QuitSignals.h"
#include "app/opponent/BoardPosition.h"
#include "app/screens/DrillTexts.h"
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

#include <optional>
#include <string>
#include <vector>

Application* Application::s_instance = nullptr;

namespace {

constexpr double LevelNoticeSeconds = 2.0;
constexpr float LevelNoticeY = 0.9f;   // overlay units: the line under the title's prompt
constexpr float VerdictY = 0.91f;      // overlay units: the review's line under its top line
constexpr float OpeningY = 0.87f;      // overlay units: the review's line under its verdict
constexpr float MarksOpeningY = 0.91f; // overlay units: the play screen's line under its message

// The title's help panel: the play screen's with the title's R among the title's keys.
const std::vector<const char*>& titleHelpLines()
{
    static const std::vector<const char*> lines = [] {
        std::vector<const char*> all(text::HelpLines, text::HelpLines + text::HelpLineCount);
        all.insert(all.begin() + text::TitleReviewHelpAt, text::TitleReviewHelpLine);
        all.insert(all.begin() + text::TitleReviewHelpAt + 1, text::TitleDrillsHelpLine);
        all.insert(all.begin() + text::TitleReviewHelpAt + 2, text::TitleStatsHelpLine);
        return all;
    }();
    return lines;
}

// A 1024 x 768 double-buffered window, 24 bits deep with a 16-bit depth buffer; full screen
// unless the player asked for a window.
VideoSettings gameVideoSettings(bool windowed)
{
    return VideoSettings(1024, 768, 8, 8, 8, 0, 16, 0, 0, true, !windowed);
}

} // namespace

Application* Application::instance(const cli::GameOptions& options)
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

Application::Application(std::unique_ptr<SoundDevice> sound, const cli::GameOptions& options)
    : m_options(options)
    , m_soundDevice(std::move(sound))
    , m_sound(*m_soundDevice)
    , m_session(m_sound, m_frameClock)
    , m_host(m_options, m_session, m_review, m_drills, m_sound, m_frameClock)
    , m_screens(m_host)
    , m_pacer(m_frameClock)
{
    Display::instance()->createWindow(text::Caption, gameVideoSettings(m_options.windowed));
    const Window* window = Display::instance()->window();
    m_hasWindow = window && window->isOpen();
    if (!m_hasWindow)
        return; // the window code has said why on stderr
    catchQuitSignals(); // after SDL's video start, which installs handlers of its own
    m_host.resetTransitionClock(); // SDL's clock counts from here
    m_host.loadSettings();
    m_sound.startMusic();
    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    renderer->present();
}

Application::~Application()
{
    m_values.stop();
    m_sound.closeEffect();
    m_review.close(); // its analysis stops first
    m_drills.close(); // so does the look over the games
    m_session.end(); // its searches stop; the match goes, unkept (run() kept it)
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
    if (m_reviewAtStart) {
        Renderer::instance()->init(); // the review's first frame shows the board
        m_host.openReview(*m_reviewAtStart, m_reviewNames);
        m_reviewAtStart.reset();
        m_screens.startReview(Credits);
        runReview();
    } else {
        // The title's first frame is its orange veil alone, which needs neither the font atlas
        // nor the tray picture: it goes up first, and the pictures load while the player looks.
        runTitle();
        Renderer::instance()->init();
    }
    m_pacer.waitForNextFrame();
    while (namesScreen(m_screens.state()) && !quitSignalled()) {
        if (m_screens.state() != Playing && m_screens.state() != Review)
            m_values.stop(); // the values belong to the play and review screens
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
        case Review:
            runReview();
            break;
        case Drills:
            runDrills();
            break;
        case Stats:
            runStats();
            break;
        default:
            break;
        }
        m_pacer.waitForNextFrame();
    }
    m_session.keepMatchOnce(); // a quit signal or the credits' key may end the game mid-match
}

void Application::runTitle()
{
    SDL_EnableUNICODE(1);
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onTitleEvent(event);
    if (m_screens.state() != Review)
        m_host.leaveReview(); // a review opened and left within this frame's keys
    if (m_screens.state() != Drills && m_screens.state() != Stats)
        m_host.leaveDrills(); // likewise the exercises or the statistics
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
    m_session.guideHint(); // first: a hint for a position gone is stopped before the computer thinks
    if (m_session.computerToMove())
        m_values.stop(); // likewise: the computer's search never runs beside the values'
    if (m_screens.state() == Playing)
        m_session.playComputerTurn();
    SDL_EnableUNICODE(1); // the aids' letters are read as typed
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onPlayingEvent(event);
    m_screens.applyHeldTilt();

    const bool computer = m_session.computerToMove();
    // Leaving the match mid-think: the search stops and its worker is joined at once.
    if (computer && m_screens.state() != Playing)
        m_session.stopComputerThinking();
    if (m_screens.state() != Playing && m_screens.state() != GameOver)
        m_session.keepMatchOnce(); // left before its end

    const Match* match = Match::instance();
    const Player* mover = match->player(match->turn()); // null once the match is over
    if (computer)
        drawMatchFrame(text::ComputerThinking);
    else if (const char* hint = hintPrompt())
        drawMatchFrame(hint);
    else
        drawMatchFrame(mover ? turnMessage(mover->name(), m_message).c_str() : nullptr);
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

void Application::runReview()
{
    SDL_EnableUNICODE(1); // the aids' letters are read as typed
    SDL_Event event;
    while (SDL_PollEvent(&event))
        m_screens.onReviewEvent(event);
    m_screens.applyHeldTilt();
    m_review.poll();

    Renderer* renderer = Renderer::instance();
    renderer->beginFrame();
    renderer->beginCamera();
    renderer->setValues(shownValues(m_review.positionAt(m_screens.reviewTurn())));
    renderer->drawScene();
    renderer->clearValues();
    renderer->endCamera();
    renderer->beginOverlay();
    if (m_review.isOpen()) {
        const int turn = m_screens.reviewTurn();
        renderer->drawCentredMessage(m_review.moveLine(turn, m_message).c_str());
        if (!m_review.verdictLine(turn, m_verdict).empty())
            renderer->drawCentredLine(m_verdict.c_str(), VerdictY);
        if (!m_review.openingLine(turn).empty())
            renderer->drawCentredLine(m_review.openingLine(turn).c_str(), OpeningY);
        m_review.fillGraph(turn, m_graph);
        renderer->drawGameGraph(m_graph);
    }
    drawAidsOverlay();
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
    const std::optional<engine::Position> position = playerPosition();
    renderer->setValues(shownValues(position ? &*position : nullptr));
    renderer->drawScene();
    renderer->clearValues();
    renderer->clearMarks();
    renderer->endCamera();
    renderer->beginOverlay();
    const Player* one = match->player(1);
    const Player* two = match->player(2);
    if (one && two)
        renderer->drawScorePanel(*one, *two);
    if (message)
        renderer->drawCentredMessage(message);
    if (!matchOpeningLine().empty())
        renderer->drawCentredLine(m_opening.c_str(), MarksOpeningY);
    drawAidsOverlay();
    renderer->endOverlay();
    renderer->present();
}

SceneMarks Application::currentMarks() const
{
    SceneMarks marks;
    if (!m_host.settings().marks)
        return marks;
    const Match* match = Match::instance();
    if (!match->isGameOver() && match->turn() != 0) {
        const Cell colour = match->turn() == 1 ? Black : White;
        for (const CellPos square : Board::instance()->legalMoves(colour))
            marks.legal |= SceneMarks::bitOf(square.x, square.y);
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

std::optional<engine::Position> Application::playerPosition() const
{
    const Match* match = Match::instance();
    // While the computer thinks its search runs alone, and the values stay hidden.
    if (m_screens.state() != Playing || m_session.computerToMove() || match->isGameOver() || match->turn() == 0)
        return std::nullopt;
    return positionOf(*Board::instance(), match->turn() == 1 ? Black : White);
}

SceneValues Application::shownValues(const engine::Position* position)
{
    SceneValues shown;
    if (!m_host.settings().values || !position) {
        m_values.stop();
        return shown;
    }
    m_values.follow(*position, m_host.valuesLevel());
    m_values.update();
    const SquareValues::Snapshot& snapshot = m_values.snapshot();
    for (const engine::MoveValue& move : snapshot.moves) {
        const CellPos cell = cellOf(move.move);
        shown.set(cell.x, cell.y, move.value, move.value == snapshot.moves.front().value, snapshot.exact);
    }
    return shown;
}

const std::string& Application::matchOpeningLine()
{
    m_opening.clear();
    if (!m_host.settings().marks)
        return m_opening;
    m_openingMoves.clear();
    for (const PlayedTurn& turn : Match::instance()->history())
        m_openingMoves.push_back(turn.pass ? -1 : squareOf(turn.pos.x, turn.pos.y));
    return openingMessage(m_openingMoves, m_opening);
}

void Application::drawAidsOverlay()
{
    Renderer* renderer = Renderer::instance();
    if (m_screens.state() == Title && m_frameClock.milliseconds() * 0.001 - m_host.levelChosenAt() < LevelNoticeSeconds)
        renderer->drawCentredLine(levelMessage(m_host.settings().level, m_notice).c_str(), LevelNoticeY);
    if (!m_screens.helpShown())
        return;
    if (m_screens.state() == Title)
        renderer->drawTextPanel(titleHelpLines().data(), titleHelpLines().size());
    else if (m_screens.state() == Review)
        renderer->drawTextPanel(text::ReviewHelpLines, text::ReviewHelpLineCount);
    else if (m_screens.state() == Drills)
        renderer->drawTextPanel(text::DrillsHelpLines, text::DrillsHelpLineCount);
    else
        renderer->drawTextPanel(text::HelpLines, text::HelpLineCount);
}

const char* Application::hintPrompt()
{
    const std::optional<CellPos> square = m_session.hintSquare();
    return square ? hintMessage(*square, m_message).c_str() : nullptr;
}
