#include "rules/Match.h"

#include "rules/Board.h"

#include <algorithm>

namespace {
// The one match; destroyInstance ends it and a later instance() starts afresh.
std::unique_ptr<Match> theMatch;

constexpr Cell SideOneColour = Black; // player one moves first, with the dark discs
constexpr Cell SideTwoColour = White;

Cell colourOf(std::int32_t side)
{
    return side == 1 ? SideOneColour : SideTwoColour;
}
} // namespace

Match* Match::instance()
{
    if (!theMatch)
        theMatch.reset(new Match());
    return theMatch.get();
}

void Match::destroyInstance()
{
    if (!theMatch)
        return;
    // The result first, then player one and player two, then the match.
    theMatch->m_result.reset();
    theMatch->m_playerOne.reset();
    theMatch->m_playerTwo.reset();
    theMatch.reset();
}

void Match::start(std::unique_ptr<Player> playerOne, std::unique_ptr<Player> playerTwo)
{
    m_playerOne.reset();
    m_playerTwo.reset();
    m_result.reset();
    m_gameOver = false;
    m_playerOne = std::move(playerOne);
    m_playerTwo = std::move(playerTwo);
    m_turn = 1;
    m_history.clear();
    Board::instance()->reset();
}

WrittenSquares Match::step()
{
    Board& board = *Board::instance();
    const bool oneCanMove = board.hasLegalMove(SideOneColour);
    const bool twoCanMove = board.hasLegalMove(SideTwoColour);
    if (!oneCanMove && !twoCanMove) {
        finish();
        return {};
    }

    // Pass rule: a side without a legal move hands the turn over, touching nothing else.
    if (m_turn == 1 && !oneCanMove) {
        m_history.push_back(PlayedTurn{1, true, CellPos{}});
        m_turn = 2;
        return {};
    }
    if (m_turn == 2 && !twoCanMove) {
        m_history.push_back(PlayedTurn{2, true, CellPos{}});
        m_turn = 1;
        return {};
    }
    if (m_turn != 1 && m_turn != 2)
        return {};

    Player* mover = m_turn == 1 ? m_playerOne.get() : m_playerTwo.get();
    const Cell colour = m_turn == 1 ? SideOneColour : SideTwoColour;
    if (!mover || !mover->takeMove())
        return {};

    const CellPos pos = mover->pendingMove();
    WrittenSquares written;
    if (board.playMove(pos.x, pos.y, colour, written) == 0)
        return {}; // illegal: the square is used up, the same side submits another
    m_history.push_back(PlayedTurn{m_turn, false, pos});

    if (m_playerOne)
        m_playerOne->setScore(board.count(SideOneColour));
    if (m_playerTwo)
        m_playerTwo->setScore(board.count(SideTwoColour));

    const Cell otherColour = m_turn == 1 ? SideTwoColour : SideOneColour;
    const std::int32_t other = m_turn == 1 ? 2 : 1;
    if (board.hasLegalMove(otherColour))
        m_turn = other;
    else if (board.hasLegalMove(colour))
        m_history.push_back(PlayedTurn{other, true, CellPos{}}); // the other side passes
    return written;
}

void Match::submitMove(CellPos pos)
{
    Player* mover = player(m_turn);
    if (mover)
        mover->setMove(pos);
}

bool Match::takeBack(std::int32_t side)
{
    const auto last = std::find_if(m_history.rbegin(), m_history.rend(), [side](const PlayedTurn& turn) {
        return !turn.pass && (side == 0 || turn.side == side);
    });
    if (last == m_history.rend())
        return false;
    const std::int32_t mover = last->side;
    m_history.erase(std::prev(last.base()), m_history.end());

    Board& board = *Board::instance();
    board.reset();
    for (const PlayedTurn& turn : m_history) {
        if (!turn.pass)
            board.replayMove(turn.pos.x, turn.pos.y, colourOf(turn.side));
    }
    for (Player* each : {m_playerOne.get(), m_playerTwo.get()}) {
        if (!each)
            continue;
        each->takeMove(); // a square handed over for the position that is gone
        each->setScore(board.count(colourOf(each == m_playerOne.get() ? 1 : 2)));
    }
    m_result.reset();
    m_gameOver = false;
    m_turn = mover;
    return true;
}

Player* Match::player(std::int32_t side) const
{
    if (side == 1)
        return m_playerOne.get();
    if (side == 2)
        return m_playerTwo.get();
    return nullptr;
}

void Match::finish()
{
    if (!m_playerOne || !m_playerTwo)
        return; // no match has been started with two players: nothing to score
    const std::uint8_t one = m_playerOne->score();
    const std::uint8_t two = m_playerTwo->score();
    // Equal scores put player one in the winner line; the result then says it is a draw.
    const Player& winner = one >= two ? *m_playerOne : *m_playerTwo;
    const Player& loser = one >= two ? *m_playerTwo : *m_playerOne;
    m_result = std::make_unique<MatchResult>(ScoreLine(winner.name(), winner.score()),
                                             ScoreLine(loser.name(), loser.score()), one == two);
    m_turn = 0;
    m_gameOver = true;
}
