#pragma once
// The value of every legal move of one position, found deeper and deeper in the background so
// that a screen can show them on the squares while they improve.
//
// A position is followed in steps, each one engine::Search::valueAllMoves run to completion on a
// BackgroundSearch: midgame depths 1, 2, ... up to the level's analysis depth, and, when the
// position is within the level's exact count, the exact count last. The last step uses
// engine::analysisLimits(level) as they are, so the final values are the review's verdicts and the
// same every run. Each finished step replaces the whole snapshot; a stopped one leaves nothing.
//
// Following another position (or level) cancels the step under way and starts again from depth
// 1; the same one keeps going. Only the main thread calls these; the worker touches nothing but
// the search and its answer. The destructor stops the search and joins its worker.
#include "app/opponent/BackgroundSearch.h"
#include "engine/Position.h"
#include "engine/Search.h"
#include "engine/SearchLimits.h"

#include <cstdint>
#include <memory>
#include <vector>

class SquareValues {
public:
    // What the frames read: the values of the deepest step finished for the followed position.
    struct Snapshot {
        std::vector<engine::MoveValue> moves; // best first (as valueAllMoves); empty before a step ends
        int depth = 0;                        // of the step the values come from (empties when exact)
        bool exact = false;
        bool final = false; // the last step is in: nothing more will come for this position
        int steps = 0;      // steps finished for this position
    };

    SquareValues() = default;
    ~SquareValues();

    // The steps that value `position` at `level`, in order; none when it has no legal move.
    static std::vector<engine::SearchLimits> stepsFor(const engine::Position& position, int level);

    // Values `position` (its side to move's moves) at `level`'s analysis limits; the position and
    // level already followed keep their search and values.
    void follow(const engine::Position& position, int level);
    // Stops the search and forgets the position and its values.
    void stop();
    // Once a frame: takes a finished step into the snapshot and starts the next one. Never waits.
    void update();

    bool isFollowing() const { return m_following; }
    bool isSearching() const { return m_seeking.isRunning(); }
    const Snapshot& snapshot() const { return m_snapshot; }

    SquareValues(const SquareValues&) = delete;
    SquareValues& operator=(const SquareValues&) = delete;

private:
    void startStep();

    std::unique_ptr<engine::Search> m_search; // made on the first position: values are opt-in
    BackgroundSearch<engine::MoveValues> m_seeking; // after m_search, which it uses
    bool m_following = false;
    engine::Position m_position;
    int m_level = 0;
    std::vector<engine::SearchLimits> m_steps;
    std::size_t m_nextStep = 0; // index in m_steps of the step to start once the running one is in
    Snapshot m_snapshot;
};
