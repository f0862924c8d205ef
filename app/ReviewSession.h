#pragma once
// The game under review: its turns played over, the position shown on the one Board, and the
// engine's look over the whole game, run in the background from the moment the review opens.
//
// While a review is open the Board shows one of the replay's positions; the board as it was
// before (the title's) is put back when the review closes. The analysis runs on a
// BackgroundWork; its progress is two atomics the worker writes and the frames read. Each move's
// verdict is handed over as soon as it is known: the worker writes it into its slot of the
// verdict table under a mutex, and the frames read the table under the same mutex, so the lines
// and the graph fill in as the analysis goes (from the last move back). A slot once written
// never changes until the review closes. Closing cancels the analysis: the worker is told
// through its progress callback, which unwinds reviewGame at the next move, so a close waits at
// most for one move's search.
#include "app/cli/GameAnalysis.h"
#include "app/opponent/BackgroundSearch.h"
#include "app/records/GameReplay.h"
#include "render/GameGraph.h"
#include "rules/Cell.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The names the review gives the two sides: the record's (a kept game, a GGF file's game), or
// "Joueur 1" and "Joueur 2" for a transcript and for a record without them.
struct ReviewNames {
    std::string black;
    std::string white;
};

// The names of GAME as records::resolveGame takes it; `recordsPath` is the kept games' file.
ReviewNames reviewNamesOf(const std::string& argument, const std::string& recordsPath);

// What a match needs to go on from a position of the game under review: the turns up to it and
// the sides, the computer where the game had it (side 1 or 2, 0 for two players) at its level.
struct PlayOn {
    std::vector<records::RecordedTurn> prefix;
    std::int32_t computerSide = 0;
    int level = 0;
};

class ReviewSession {
public:
    ReviewSession() = default;
    ~ReviewSession() { close(); }

    // Reviews `game` (a replay that is ok) between `names`, the analysis at `level`; the one
    // open before closes.
    void open(const records::Replay& game, const ReviewNames& names, int level);
    // Stops the analysis and puts the board back; nothing when no review is open.
    void close();
    bool isOpen() const { return m_open; }

    // Turns of the game, passes included.
    int turnCount() const { return int(m_game.turns.size()); }
    // Puts the position after `turn` turns on the Board.
    void showTurn(int turn);
    // The position after `turn` turns as its side to move sees it; null when none is open or out of range.
    const engine::Position* positionAt(int turn) const
    {
        return m_open && turn >= 0 && turn < int(m_game.positions.size()) ? &m_game.positions[std::size_t(turn)] : nullptr;
    }
    // Once a frame: takes the analysis once it has finished.
    void poll();

    // The review's top line for the position after `turn` turns.
    const std::string& moveLine(int turn, std::string& out) const;
    // The line under it: the verdict on the move that led to `turn` once that move is analysed;
    // else the progress while the analysis runs; else nothing (the start, a pass, a failed
    // analysis).
    const std::string& verdictLine(int turn, std::string& out) const;

    // The line under the verdict: the opening the game went through up to `turn` turns
    // ("Ouverture : Parallèle"), empty when none.
    const std::string& openingLine(int turn) const;

    // The match that goes on from the position after `turn` turns; false when none can: the game
    // does not start from the start position, or it is over there.
    bool playOnFrom(int turn, PlayOn& out) const;

    // The graph of the game with the position after `turn` turns marked; each position's value
    // once the move that led there is analysed (a pass's with the position before it).
    void fillGraph(int turn, graph::Strip& out) const;

    ReviewSession(const ReviewSession&) = delete;
    ReviewSession& operator=(const ReviewSession&) = delete;

private:
    void fillOpenings();
    // The verdict on move `number` (1 for the first, passes not counted) once it is known.
    std::optional<analysis::MoveReview> verdictOf(int number) const;
    // The move number of the move that led to `turn`, 0 for the start and a pass.
    int moveNumberOf(int turn) const;

    bool m_open = false;
    records::Replay m_game; // read by the worker while it runs: changed only once it is stopped
    ReviewNames m_names;
    std::vector<std::string> m_openings; // openingLine for each turn, 0 to turnCount()
    std::array<Cell, 64> m_boardBefore{}; // the Board's squares when the review opened
    // Indexed by move number (0 unused), sized before the worker starts; guarded by m_verdictsLock.
    std::vector<analysis::MoveReview> m_verdicts;
    std::vector<bool> m_verdictKnown;
    mutable std::mutex m_verdictsLock;
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_done{0};
    std::atomic<int> m_total{0};
    BackgroundWork m_work; // last: its worker is joined before the members it touches go
};
