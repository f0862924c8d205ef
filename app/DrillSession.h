#pragma once
// The exercises on the one Board, and the player's progress for the statistics screen.
//
// Opening reads the kept games and looks over, on a BackgroundWork, those the verdict cache does
// not hold yet (a game is looked over once: see app/drills/Verdicts.h); its progress is two
// atomics the worker writes and the frames read, and its answer is read only once the worker has
// finished (and so been joined). Closing cancels it through the progress callback, which unwinds
// the collection at the next move, so a close waits at most for one move's search.
//
// Once the exercises are known, those due today (app/drills/Schedule.h) are asked one after the
// other: the Board shows the position, the player's move is played on it, judged from the values
// kept with the exercise (a fixed-depth search, never a clock), and the schedule file is written
// again after each answer. The Board as it was before (the title's) is put back on close.
#include "app/drills/Exercises.h"
#include "app/drills/Phases.h"
#include "app/drills/Schedule.h"
#include "app/opponent/BackgroundSearch.h"
#include "engine/Bitboard.h"
#include "rules/Cell.h"

#include <array>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

class DrillSession {
public:
    enum class Step {
        Closed,
        Looking,  // the games are being looked over
        Asking,   // an exercise waits for its answer
        Answered, // the verdict shows; any key goes on
        Finished, // none (more) due: the line says when the next one is
    };

    DrillSession() = default;
    ~DrillSession() { close(); }

    // Starts the exercises due on `day` (a UTC day): the kept games, then the schedule, are read
    // from the game's own files; `stats`: for the statistics screen instead (nothing is asked).
    void open(long long day, bool stats = false);
    void close();
    bool isOpen() const { return m_step != Step::Closed; }
    Step step() const { return m_step; }
    bool forStats() const { return m_stats; }

    // Once a frame: takes the exercises once they are known and shows the first due.
    void poll();
    // The answer on `square` (0 = a1 ... 63 = h8), played on the Board and judged; false (and
    // nothing changes) when it is no legal move or nothing is asked.
    bool answer(int square);
    // The next exercise due, or Finished after the last.
    void next();

    // The top line: which exercise, whose move; the progress while the games are looked over.
    const std::string& topLine(std::string& out) const;
    // The verdict once answered, else empty.
    const std::string& verdictLine(std::string& out) const;
    // The legal moves of the position asked (none unless asking), as engine squares.
    engine::Bits legalMoves() const;
    // The square just played, -1 before the answer.
    int answeredSquare() const { return m_step == Step::Answered ? m_answer : -1; }

    // The statistics: the phases by tenth of the games against the computer, how many of those
    // games there are, how many exercises there are and how many were answered right at least
    // once (out of the first box).
    const std::vector<drills::PhaseRow>& phaseRows() const { return m_rows; }
    int gamesAgainstComputer() const { return m_gamesAgainstComputer; }
    int exerciseCount() const { return int(m_all.size()); }
    int exercisesSolved() const { return m_solved; }

    DrillSession(const DrillSession&) = delete;
    DrillSession& operator=(const DrillSession&) = delete;

private:
    void takeCollected();
    void show(const engine::Position& position, bool blackToMove);

    Step m_step = Step::Closed;
    bool m_stats = false;
    long long m_day = 0;
    std::vector<records::GameRecord> m_games; // read by the worker while it runs
    std::optional<drills::Collected> m_collected; // written by the worker, read once it is done
    std::vector<drills::Exercise> m_all;
    std::vector<drills::Exercise> m_due; // asked in this order
    std::size_t m_index = 0;
    int m_answer = -1;
    drills::Judgement m_judgement;
    drills::Schedule m_schedule;
    std::string m_schedulePath;
    bool m_scheduleSaveFailed = false; // later answers are not written again this run
    bool m_scheduleSaid = false;       // a line about the schedule is on stderr: one is enough
    std::optional<long long> m_nextDue; // the earliest due day after today's, when there is one
    std::vector<drills::PhaseRow> m_rows;
    int m_gamesAgainstComputer = 0;
    int m_solved = 0;
    std::array<Cell, 64> m_boardBefore{};
    std::atomic<bool> m_cancelled{false};
    std::atomic<int> m_done{0};
    std::atomic<int> m_total{0};
    BackgroundWork m_work; // last: its worker is joined before the members it touches go
};
