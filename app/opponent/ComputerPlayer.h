#pragma once
// The computer opponent as a match player. Its moves reach the match the way a human's do: the
// square is handed over with setMove and taken once with takeMove. What it chooses comes from
// the engine's search, run on a worker thread so that frames keep coming while it thinks.
//
// States: idle -> thinking (the worker runs) -> chosen (the worker has finished and was joined)
// -> idle again once a square is handed over or the thinking is stopped. Only the main thread
// calls these operations; the worker touches nothing but the search and its result. The
// destructor stops and joins the worker, so no thread outlives the player, and so the match.
#include "engine/Search.h"
#include "rules/Board.h"
#include "rules/Player.h"

#include <atomic>
#include <optional>
#include <thread>

class ComputerPlayer : public Player {
public:
    // The search's table is allocated here, once for the whole match.
    ComputerPlayer(std::int32_t number, const char* name, int level, std::uint32_t seed = 0);
    ~ComputerPlayer() override;

    void setMove(CellPos pos) override;
    bool takeMove() override;

    // Starts thinking about `board` with `colour` to move; does nothing unless idle.
    void startThinking(const Board& board, Cell colour);
    bool isIdle() const { return m_state == State::Idle; }
    bool isThinking() const { return m_state == State::Thinking; }
    // The square chosen, once the worker has finished; nothing while it thinks or when idle. A
    // position without a legal move yields nothing either (the match passes for it).
    std::optional<CellPos> chosenMove();
    // Tells the search to stop, waits for the worker and forgets this turn's thinking.
    void stopThinking();

    int level() const { return m_level; }

private:
    enum class State { Idle, Thinking, Chosen };

    int m_level;
    engine::Search m_search;
    std::thread m_worker;
    std::atomic<bool> m_finished{false};
    engine::SearchResult m_result; // written by the worker before it sets m_finished
    State m_state = State::Idle;
    bool m_hasPendingMove = false;
};
