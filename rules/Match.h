#pragma once
// The one match: two players, whose turn it is, and the result once neither side can move.
//
// Side 1 is player one and plays Black, side 2 is player two and plays White. turn() is 1 or 2
// while the match runs and 0 once it is over; result() is null until then. history() holds the
// turns played so far, passes included.
#include "rules/Cell.h"
#include "rules/MatchResult.h"
#include "rules/PlayedTurn.h"
#include "rules/Player.h"
#include "rules/WrittenSquares.h"

#include <cstdint>
#include <memory>
#include <vector>

class Match {
public:
    static Match* instance();
    // Releases the result and both players, then the match; nothing when there is none.
    static void destroyInstance();

    // Takes both players, drops the old ones and any result, resets the board; side 1 moves.
    void start(std::unique_ptr<Player> playerOne, std::unique_ptr<Player> playerTwo);
    // Once per frame: applies the pass rule, ends the match when neither side can move, else
    // plays the side to move's pending square (an illegal one is dropped). Returns the squares
    // the move it played wrote, in order; empty when it played none.
    WrittenSquares step();
    // Hands the square to the side to move; legality is step()'s business.
    void submitMove(CellPos pos);
    // Takes back every turn from the last move `side` played (any side's last move when 0): the
    // board, scores and turn become exactly those of the shorter game, replayed from the start,
    // and squares handed over but not yet played are dropped. False, changing nothing, when
    // there is no such move.
    bool takeBack(std::int32_t side = 0);

    std::int32_t turn() const { return m_turn; }
    bool isGameOver() const { return m_gameOver; }
    Player* player(std::int32_t side) const;
    const MatchResult* result() const { return m_result.get(); }
    // Every move and pass since start(), in order.
    const std::vector<PlayedTurn>& history() const { return m_history; }

    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

private:
    Match() = default;
    void finish();

    std::unique_ptr<Player> m_playerOne;
    std::unique_ptr<Player> m_playerTwo;
    bool m_gameOver = false;
    std::int32_t m_turn = 0;
    std::unique_ptr<MatchResult> m_result;
    std::vector<PlayedTurn> m_history;
};
