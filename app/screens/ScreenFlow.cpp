#include "app/screens/ScreenFlow.h"

#include "app/screens/InputEvents.h"
#include "app/screens/ScreenTexts.h"
#include "app/sound/SoundCues.h"
#include "render/Directions.h"

namespace {

bool isKeyDown(const SDL_Event& event, SDLKey key)
{
    return event.type == SDL_KEYDOWN && event.key.keysym.sym == key;
}

bool isKeyUp(const SDL_Event& event, SDLKey key)
{
    return event.type == SDL_KEYUP && event.key.keysym.sym == key;
}

// Space, Return and keypad Enter start a match on the title and drop a disc in play.
bool isStartKeyDown(const SDL_Event& event)
{
    return isKeyDown(event, SDLK_SPACE) || isKeyDown(event, SDLK_RETURN) || isKeyDown(event, SDLK_KP_ENTER);
}

// The arrow keys and the keypad's 8, 2, 4, 6 move the cursor; 0 for any other event.
std::int32_t cursorDirectionOf(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN)
        return 0;
    switch (event.key.keysym.sym) {
    case SDLK_UP:
    case SDLK_KP8:
        return CursorUp;
    case SDLK_DOWN:
    case SDLK_KP2:
        return CursorDown;
    case SDLK_LEFT:
    case SDLK_KP4:
        return CursorLeft;
    case SDLK_RIGHT:
    case SDLK_KP6:
        return CursorRight;
    default:
        return 0;
    }
}

} // namespace

ScreenFlow::ScreenFlow(ScreenHost& host)
    : m_host(host)
{
}

void ScreenFlow::startMatch()
{
    m_host.startMatch(text::PlayerOneName, text::PlayerTwoName);
    m_state = StartFlash;
    m_host.playEffect(cue::Win);
    m_host.resetTransitionClock();
}

void ScreenFlow::startComputerMatch()
{
    m_host.startComputerMatch();
    m_state = StartFlash;
    m_host.playEffect(cue::Win);
    m_host.resetTransitionClock();
}

bool ScreenFlow::closeHelp(const SDL_Event& event)
{
    if (!m_helpShown || (event.type != SDL_KEYDOWN && !isClick(event)))
        return false;
    m_helpShown = false;
    return true;
}

bool ScreenFlow::onAidKey(const SDL_Event& event)
{
    if (isHelpKey(event)) {
        m_helpShown = true;
        return true;
    }
    if (typedCharacter(event) == 'm') {
        m_host.toggleSound();
        return true;
    }
    return false;
}

void ScreenFlow::onTitleEvent(const SDL_Event& event)
{
    if (event.type == SDL_QUIT) {
        m_state = Credits;
        return;
    }
    if (closeHelp(event) || onAidKey(event))
        return;
    if (isKeyDown(event, SDLK_ESCAPE))
        m_state = Credits;
    else if (isStartKeyDown(event) || isLeftClick(event))
        startMatch();
    else if (typedCharacter(event) == 'o')
        startComputerMatch();
    else if (typedCharacter(event) == 'r' && m_host.openLastGame())
        startReview(Title);
    else if (typedCharacter(event) == 'e' && m_host.openDrills())
        m_state = Drills;
    else if (typedCharacter(event) == 's' && m_host.openStats())
        m_state = Stats;
    else if (const int level = levelKeyOf(event))
        m_host.chooseLevel(level);
}

void ScreenFlow::advanceTitle()
{
    m_title.advance();
}

void ScreenFlow::onStartFlashEvent(const SDL_Event& event)
{
    if (event.type == SDL_QUIT)
        m_state = Credits;
}

void ScreenFlow::checkFlashTime()
{
    if (m_host.transitionSeconds() > FlashSeconds)
        m_state = Playing;
}

void ScreenFlow::stepPlaying()
{
    m_host.stepMatch();
    if (m_host.isMatchOver()) {
        m_state = GameOver;
        m_host.playEffect(cue::Win);
    }
}

void ScreenFlow::onPlayingEvent(const SDL_Event& event)
{
    if (event.type == SDL_QUIT) {
        m_state = Credits;
        return;
    }
    if (closeHelp(event))
        return;
    if (isKeyDown(event, SDLK_ESCAPE)) {
        m_state = Credits;
        return;
    }
    if (onAidKey(event))
        return;
    if (isTakeBackKey(event)) {
        m_host.takeBack(); // also while the computer thinks: it stops first
        return;
    }
    const char typed = typedCharacter(event);
    if (typed == 'c') {
        m_host.toggleMarks();
        return;
    }
    if (typed == 'v') {
        m_host.toggleValues(); // also while the computer thinks: they show once it has played
        return;
    }
    if (typed == 'i' && m_host.humanToMove()) {
        m_host.askHint();
        return;
    }
    if (m_host.humanToMove() &&
        (event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN)) {
        onPlayingMouse(event);
        return;
    }
    // The cursor and the disc are the keyboard player's; while the computer is to move they
    // stay where they are, and only the view can be tilted.
    const std::int32_t direction = cursorDirectionOf(event);
    if (direction && m_host.humanToMove()) {
        m_host.moveCursor(direction);
        m_host.playEffect(cue::Cursor); // also when the cursor stands at the edge
        return;
    }
    if (isStartKeyDown(event) && m_host.humanToMove()) {
        m_host.submitCursorSquare();
        m_host.playEffect(cue::Drop); // whether or not the move turns out legal
        return;
    }
    onTiltEvent(event);
}

bool ScreenFlow::onTiltEvent(const SDL_Event& event)
{
    if (isKeyDown(event, SDLK_PAGEDOWN) || isKeyDown(event, SDLK_KP_MINUS))
        m_tiltIncreaseHeld = true;
    else if (isKeyUp(event, SDLK_PAGEDOWN) || isKeyUp(event, SDLK_KP_MINUS))
        m_tiltIncreaseHeld = false;
    else if (isKeyDown(event, SDLK_PAGEUP) || isKeyDown(event, SDLK_KP_PLUS))
        m_tiltDecreaseHeld = true;
    else if (isKeyUp(event, SDLK_PAGEUP) || isKeyUp(event, SDLK_KP_PLUS))
        m_tiltDecreaseHeld = false;
    else
        return false;
    return true;
}

void ScreenFlow::onWheel(int notch)
{
    for (int degree = 0; degree < WheelNotchDegrees; ++degree)
        m_host.stepTilt(notch > 0 ? TiltIncrease : TiltDecrease);
}

void ScreenFlow::onPlayingMouse(const SDL_Event& event, void (ScreenHost::*submit)())
{
    if (const int notch = wheelNotch(event)) {
        onWheel(notch);
        return;
    }
    const bool motion = event.type == SDL_MOUSEMOTION;
    if (!motion && !isLeftClick(event))
        return;
    const int column = motion ? event.motion.x : event.button.x;
    const int row = motion ? event.motion.y : event.button.y;
    const std::optional<CellPos> square = m_host.squareAtPointer(column, row);
    if (!square)
        return; // off the board: the cone stays where it is
    const CellPos cursor = m_host.cursorCell();
    if (square->x != cursor.x || square->y != cursor.y) {
        m_host.placeCursor(*square);
        if (motion)
            m_host.playEffect(cue::Cursor); // as an arrow key would
    }
    if (!motion) {
        (m_host.*submit)();
        m_host.playEffect(cue::Drop); // exactly as Return on that square
    }
}

void ScreenFlow::applyHeldTilt()
{
    if (m_tiltIncreaseHeld)
        m_host.stepTilt(TiltIncrease);
    if (m_tiltDecreaseHeld)
        m_host.stepTilt(TiltDecrease);
}

void ScreenFlow::stepGameOver()
{
    m_host.stepMatch();
}

void ScreenFlow::onGameOverEvent(const SDL_Event& event)
{
    if (event.type == SDL_KEYDOWN || isClick(event)) {
        m_state = Credits;
    } else if (event.type == SDL_QUIT) {
        m_state = Credits;
        m_releaseMatchAfterFrame = true;
    }
}

void ScreenFlow::afterGameOverFrame()
{
    if (!m_releaseMatchAfterFrame)
        return;
    m_releaseMatchAfterFrame = false;
    m_host.releaseMatch();
}

void ScreenFlow::startReview(ScreenState leaveTo)
{
    m_reviewLeaveTo = leaveTo;
    m_state = Review;
    showReviewTurn(m_host.reviewTurnCount());
}

void ScreenFlow::showReviewTurn(int turn)
{
    const int last = m_host.reviewTurnCount();
    m_reviewTurn = turn < 0 ? 0 : turn > last ? last : turn;
    m_host.showReviewTurn(m_reviewTurn);
}

void ScreenFlow::onReviewEvent(const SDL_Event& event)
{
    if (m_state != Review)
        return; // left earlier this frame: the rest of the queue is not the review's
    if (event.type == SDL_QUIT) {
        m_host.leaveReview();
        m_state = Credits;
        return;
    }
    if (closeHelp(event))
        return;
    if (isKeyDown(event, SDLK_ESCAPE)) {
        m_host.leaveReview();
        m_state = m_reviewLeaveTo;
        return;
    }
    if (const int notch = wheelNotch(event)) {
        onWheel(notch);
        return;
    }
    if (isLeftClick(event)) {
        const int turn = m_host.reviewTurnAtPointer(event.button.x, event.button.y);
        if (turn >= 0)
            showReviewTurn(turn);
        return;
    }
    if (onAidKey(event) || onTiltEvent(event) || event.type != SDL_KEYDOWN)
        return;
    if (typedCharacter(event) == 'v') {
        m_host.toggleValues();
        return;
    }
    if (typedCharacter(event) == 'p') {
        if (m_host.playOnFromReview(m_reviewTurn)) {
            m_state = StartFlash; // as any match starts
            m_host.playEffect(cue::Win);
            m_host.resetTransitionClock();
        }
        return;
    }
    switch (event.key.keysym.sym) {
    case SDLK_LEFT:
    case SDLK_KP4:
        if (m_reviewTurn > 0)
            showReviewTurn(m_reviewTurn - 1);
        break;
    case SDLK_RIGHT:
    case SDLK_KP6:
        if (m_reviewTurn < m_host.reviewTurnCount())
            showReviewTurn(m_reviewTurn + 1);
        break;
    case SDLK_HOME:
    case SDLK_KP7:
        showReviewTurn(0);
        break;
    case SDLK_END:
    case SDLK_KP1:
        showReviewTurn(m_host.reviewTurnCount());
        break;
    default:
        break;
    }
}

void ScreenFlow::onDrillsEvent(const SDL_Event& event)
{
    if (m_state != Drills)
        return; // left earlier this frame
    if (event.type == SDL_QUIT) {
        m_host.leaveDrills();
        m_state = Credits;
        return;
    }
    if (closeHelp(event))
        return;
    if (isKeyDown(event, SDLK_ESCAPE)) {
        m_host.leaveDrills();
        m_state = Title;
        return;
    }
    if (onAidKey(event) || onTiltEvent(event))
        return;
    if (const int notch = wheelNotch(event)) {
        onWheel(notch);
        return;
    }
    const ScreenHost::DrillStep step = m_host.drillStep();
    if (step == ScreenHost::DrillStep::Answered || step == ScreenHost::DrillStep::Finished) {
        if (event.type != SDL_KEYDOWN && !isClick(event))
            return;
        if (step == ScreenHost::DrillStep::Answered) {
            m_host.nextDrill();
        } else {
            m_host.leaveDrills();
            m_state = Title;
        }
        return;
    }
    if (step != ScreenHost::DrillStep::Asking)
        return;
    if (typedCharacter(event) == 'c') {
        m_host.toggleMarks();
        return;
    }
    if (event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN) {
        onPlayingMouse(event, &ScreenHost::answerDrill);
        return;
    }
    if (const std::int32_t direction = cursorDirectionOf(event)) {
        m_host.moveCursor(direction);
        m_host.playEffect(cue::Cursor);
        return;
    }
    if (isStartKeyDown(event)) {
        m_host.answerDrill();
        m_host.playEffect(cue::Drop);
    }
}

void ScreenFlow::onStatsEvent(const SDL_Event& event)
{
    if (m_state != Stats)
        return;
    if (event.type == SDL_QUIT) {
        m_host.leaveStats();
        m_state = Credits;
        return;
    }
    if (event.type == SDL_KEYDOWN || isClick(event)) {
        m_host.leaveStats();
        m_state = Title;
    }
}

void ScreenFlow::onCreditsEvent(const SDL_Event& event)
{
    if (event.type == SDL_KEYDOWN || isClick(event) || event.type == SDL_QUIT)
        m_state = Quit;
}
