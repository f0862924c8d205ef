#pragma once
// The hint: the best move of the side to move, found by a level-4 search in the background (the
// frames keep coming), then shown by walking the cone to it one square at a time, as the computer
// walks to its own moves.
//
// A hint belongs to the position it was asked for, known by the match's number of turns played:
// once that changes (a move, a pass, a take-back) the hint is forgotten and a search still
// running is stopped. Only the main thread calls these. The destructor stops the search and
// joins its worker.
#include "app/opponent/BackgroundSearch.h"
#include "engine/Search.h"
#include "rules/Board.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class HintGuide {
public:
    static constexpr int Level = 4;
    static constexpr double StepSeconds = 0.1; // between two steps of the walking cone

    HintGuide() = default;
    ~HintGuide();

    // Starts looking for `colour`'s best move on `board`, the position after `turnsPlayed` turns;
    // a hint already found or sought for that position is kept.
    void ask(const Board& board, Cell colour, std::size_t turnsPlayed);
    // Once a frame: forgets the hint when the position moved on, collects the search's answer,
    // and returns the CursorDirection of the cone's next step towards it (0 for none).
    std::int32_t update(CellPos cursor, std::size_t turnsPlayed, double now);
    // The square found for the current position, if any.
    std::optional<CellPos> square() const { return m_square; }
    // The player steers the cone: it stops walking (the hint stays named).
    void stopWalking() { m_walking = false; }
    // Stops the search, if any, and forgets the hint.
    void cancel();

    HintGuide(const HintGuide&) = delete;
    HintGuide& operator=(const HintGuide&) = delete;

private:
    std::unique_ptr<engine::Search> m_search; // made on the first hint: most games never ask
    MoveSearch m_seeking; // after m_search, which it uses: stopped before the search goes
    bool m_asked = false;
    std::size_t m_turnsPlayed = 0; // the position the hint is for
    std::optional<CellPos> m_square;
    bool m_walking = false;
    double m_lastStep = 0.0; // seconds
};
