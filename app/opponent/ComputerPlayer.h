#pragma once
// The computer opponent as a match player. Its moves reach the match the way a human's do: the
// square is handed over with setMove and taken once with takeMove. What it chooses comes from
// the engine's search, run in the background so that frames keep coming while it thinks.
//
// States: idle -> thinking (the search runs) -> chosen (the search has answered) -> idle again
// once a square is handed over or the thinking is stopped. Only the main thread calls these
// operations. The destructor stops the search and joins its worker, so no thread outlives the
// player, and so the match.
#include "app/opponent/BackgroundSearch.h"
#include "engine/Search.h"
#include "rules/Board.h"
#include "rules/Player.h"

#include <optional>
#include <string>

class ComputerPlayer : public Player {
public:
    // The search's table is allocated here, once for the whole match.
    ComputerPlayer(std::int32_t number, const char* name, int level, std::uint32_t seed = 0);
    ~ComputerPlayer() override;

    void setMove(CellPos pos) override;
    bool takeMove() override;
    // "Ordinateur niveau 3": the level, whatever the name on screen.
    std::string recordedName() const override;

    // Starts thinking about `board` with `colour` to move; does nothing unless idle.
    void startThinking(const Board& board, Cell colour);
    bool isIdle() const { return m_state == State::Idle; }
    bool isThinking() const { return m_state == State::Thinking; }
    // The square chosen, once the worker has finished; nothing while it thinks or when idle. A
    // position without a legal move yields nothing either (the match passes for it).
    std::optional<CellPos> chosenMove();
    // Stops the search, waits for its worker and forgets this turn's thinking.
    void stopThinking();

    int level() const { return m_level; }

private:
    enum class State { Idle, Thinking, Chosen };

    int m_level;
    engine::Search m_search;
    MoveSearch m_thinking; // after m_search, which it uses: stopped before the search goes
    engine::SearchResult m_result; // the answer, once chosen
    State m_state = State::Idle;
    bool m_hasPendingMove = false;
};
