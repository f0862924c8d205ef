#include "app/MatchSession.h"

#include "app/MatchRecording.h"
#include "app/MoveBursts.h"
#include "app/opponent/BoardPosition.h"
#include "app/screens/ScreenTexts.h"
#include "render/Renderer.h"
#include "rules/Board.h"
#include "rules/Match.h"
#include "rules/Player.h"

#include <memory>

namespace {

Cell colourOfSide(std::int32_t side)
{
    return side == 1 ? Black : White;
}

} // namespace

MatchSession::MatchSession(SoundCues& sound, const FrameClock& clock) : m_sound(sound), m_clock(clock) {}

MatchSession::~MatchSession()
{
    end();
}

void MatchSession::start(const char* playerOneName, const char* playerTwoName, std::int32_t computerSide,
                         int level, bool keep)
{
    keepMatchOnce(); // the match before, if any, goes to the file first
    m_hint.cancel();
    std::unique_ptr<Player> players[2];
    ComputerPlayer* computer = nullptr;
    for (std::int32_t side : {1, 2}) {
        if (side == computerSide) {
            auto made = std::make_unique<ComputerPlayer>(side, text::ComputerName, level);
            computer = made.get();
            players[side - 1] = std::move(made);
        } else {
            players[side - 1] = std::make_unique<HumanPlayer>(side, side == 1 ? playerOneName : playerTwoName);
        }
    }
    Match::instance()->start(std::move(players[0]), std::move(players[1]));
    m_computer = computer;
    m_computerSide = computer ? computerSide : 0;
    m_keep = keep;
    m_matchKept = false;
    m_fixedTurns = 0;
}

bool MatchSession::startFrom(const char* playerOneName, const char* playerTwoName, std::int32_t computerSide,
                             int level, bool keep, const std::vector<records::RecordedTurn>& prefix)
{
    start(playerOneName, playerTwoName, computerSide, level, keep);
    Match* match = Match::instance();
    const std::vector<PlayedTurn>& history = match->history();
    bool fits = true;
    for (std::size_t i = 0; i < prefix.size() && fits; ++i) {
        const records::RecordedTurn& turn = prefix[i];
        if (history.size() > i) {
            // The match wrote this pass itself, right after the move before.
            fits = turn.square == records::Pass && history[i].pass;
            continue;
        }
        if (turn.square != records::Pass)
            match->submitMove(cellOf(turn.square));
        match->step(); // a pass: the pass rule hands the turn over
        const CellPos cell = turn.square == records::Pass ? CellPos{} : cellOf(turn.square);
        fits = history.size() > i && history[i].pass == (turn.square == records::Pass) &&
               (history[i].pass || (history[i].pos.x == cell.x && history[i].pos.y == cell.y));
    }
    m_fixedTurns = history.size();
    return fits;
}

void MatchSession::step()
{
    stepMatchWithBursts(*Match::instance());
    if (Match::instance()->isGameOver())
        keepMatchOnce();
}

void MatchSession::keepMatchOnce()
{
    if (m_matchKept)
        return;
    m_matchKept = true;
    if (m_keep)
        keepMatch(*Match::instance());
}

bool MatchSession::isOver() const
{
    return Match::instance()->isGameOver();
}

void MatchSession::release()
{
    keepMatchOnce();
    m_computer = nullptr; // goes with the match
    m_computerSide = 0;
    Match::destroyInstance();
}

void MatchSession::end()
{
    m_hint.cancel();
    m_computer = nullptr;
    m_computerSide = 0;
    m_matchKept = true;
    Match::destroyInstance(); // a computer player joins its worker as it goes
}

void MatchSession::submitCursorSquare()
{
    Match::instance()->submitMove(Renderer::instance()->cursorCell());
}

bool MatchSession::humanToMove() const
{
    return !computerToMove();
}

void MatchSession::moveCursor(std::int32_t direction)
{
    m_hint.stopWalking(); // the player steers
    Renderer::instance()->moveCursor(direction);
}

void MatchSession::placeCursor(CellPos cell)
{
    m_hint.stopWalking();
    Renderer::instance()->setCursor(cell);
}

void MatchSession::takeBack()
{
    Match* match = Match::instance();
    if (match->isGameOver())
        return;
    // Against the computer, back to the keyboard side's last move; else to anyone's.
    const std::int32_t side = m_computerSide == 0 ? 0 : 3 - m_computerSide;
    const std::vector<PlayedTurn>& history = match->history();
    std::size_t last = history.size();
    while (last > 0 && (history[last - 1].pass || (side != 0 && history[last - 1].side != side)))
        --last;
    if (m_fixedTurns > 0 && last <= m_fixedTurns)
        return; // one of the turns the match started from, or none
    // The computer's search is stopped first, so that its move never lands.
    if (m_computer)
        m_computer->stopThinking();
    m_hint.cancel();
    match->takeBack(side);
}

void MatchSession::askHint()
{
    const Match* match = Match::instance();
    if (match->isGameOver() || match->turn() == 0)
        return;
    m_hint.ask(*Board::instance(), colourOfSide(match->turn()), match->history().size());
}

void MatchSession::guideHint()
{
    const Match* match = Match::instance();
    Renderer* renderer = Renderer::instance();
    const std::int32_t direction = m_hint.update(renderer->cursorCell(), match->history().size(), seconds());
    if (direction) {
        renderer->moveCursor(direction);
        m_sound.playEffect(cue::Cursor);
    }
}

ComputerPlayer* MatchSession::thinkingComputer() const
{
    const Match* match = Match::instance();
    if (!m_computer || match->isGameOver() || match->turn() != m_computerSide)
        return nullptr;
    return m_computer;
}

void MatchSession::playComputerTurn()
{
    ComputerPlayer* computer = thinkingComputer();
    if (!computer)
        return;
    Match* match = Match::instance();
    Renderer* renderer = Renderer::instance();
    const Cell colour = colourOfSide(match->turn());
    const ComputerTurn::Step step =
        m_computerTurn.update(*computer, *Board::instance(), colour, renderer->cursorCell(), seconds());
    // The same requests and cues as the keys of a player.
    if (step.cursorDirection) {
        renderer->moveCursor(step.cursorDirection);
        m_sound.playEffect(cue::Cursor);
    } else if (step.drop) {
        match->submitMove(renderer->cursorCell());
        m_sound.playEffect(cue::Drop);
    }
}

void MatchSession::stopComputerThinking()
{
    if (ComputerPlayer* computer = thinkingComputer())
        computer->stopThinking();
}

double MatchSession::seconds() const
{
    return m_clock.milliseconds() * 0.001;
}
