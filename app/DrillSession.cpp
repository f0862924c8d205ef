#include "app/DrillSession.h"

#include "app/files/ErrorLine.h"
#include "app/opponent/BoardPosition.h"
#include "app/opponent/SearchThreads.h"
#include "app/records/RecordsFile.h"
#include "app/screens/DrillTexts.h"
#include "engine/PositionText.h"
#include "rules/Board.h"

#include <algorithm>
#include <iostream>

namespace {

// What the progress callback throws to unwind a cancelled look; caught in the worker.
struct LookCancelled {};

// Names longer than this are cut: the top line stays within the window.
constexpr std::size_t LongestName = 24;

} // namespace

void DrillSession::open(long long day, bool stats)
{
    close();
    m_stats = stats;
    m_day = day;
    const std::string recordsPath = records::recordsPath();
    records::KeptGames kept = records::readKeptGames(recordsPath);
    if (!kept.error.empty())
        std::cerr << errorLine(kept.error); // no exercises: the line below says so
    if (kept.skipped > 0)
        std::cerr << errorLine(std::to_string(kept.skipped) + (kept.skipped == 1 ? " damaged line" : " damaged lines") +
                               " skipped in " + recordsPath);
    m_games = std::move(kept.games);
    Board* board = Board::instance();
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        m_boardBefore[std::size_t(square)] = board->cellValue(cell.x, cell.y);
    }
    m_step = Step::Looking;
    m_collected.reset();
    m_all.clear();
    m_due.clear();
    m_rows.clear();
    m_index = 0;
    m_cancelled = false;
    m_done = 0;
    m_total = 0;
    const std::string cachePath = drills::verdictCachePath();
    m_work.start(
        [this, cachePath] {
            try {
                m_collected = drills::collectExercises(m_games, cachePath, [this](int game, int games, int, int) {
                    if (m_cancelled)
                        throw LookCancelled{};
                    m_total = games;
                    m_done = game - 1;
                }, false, opponent::gameSearchThreads());
            } catch (const LookCancelled&) {
                m_collected.reset();
            }
        },
        [this] { m_cancelled = true; });
}

void DrillSession::close()
{
    if (m_step == Step::Closed)
        return;
    m_work.cancel();
    m_collected.reset();
    Board* board = Board::instance();
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        board->cell(cell.x, cell.y) = m_boardBefore[std::size_t(square)];
    }
    m_step = Step::Closed;
}

void DrillSession::poll()
{
    if (m_step == Step::Looking && m_work.finished())
        takeCollected();
}

void DrillSession::takeCollected()
{
    if (!m_collected) {
        m_step = Step::Finished;
        return;
    }
    for (const std::string& note : m_collected->notes)
        std::cerr << errorLine(note);
    m_all = std::move(m_collected->exercises);
    m_schedulePath = drills::schedulePath();
    std::string error;
    m_schedule = drills::Schedule::read(m_schedulePath, error);
    m_scheduleSaid = !error.empty();
    if (m_scheduleSaid)
        std::cerr << errorLine(error);
    m_rows = drills::phaseRows(m_games, m_collected->verdicts);
    m_gamesAgainstComputer = 0;
    for (const records::GameRecord& game : m_games) {
        const drills::HumanSides humans = drills::humanSides(game);
        m_gamesAgainstComputer += humans.black != humans.white;
    }
    m_solved = 0;
    for (const drills::Exercise& exercise : m_all) {
        m_solved += m_schedule.entry(exercise.position, m_day).box > 1;
        if (m_schedule.isDue(exercise.position, m_day))
            m_due.push_back(exercise);
    }
    m_collected.reset();
    if (m_stats) {
        m_step = Step::Finished;
        return;
    }
    m_step = Step::Asking; // next() then shows the first due, or says when one will be
    m_index = 0;
    next();
}

void DrillSession::show(const engine::Position& position, bool blackToMove)
{
    const Cell mover = blackToMove ? Black : White;
    const Cell other = blackToMove ? White : Black;
    Board* board = Board::instance();
    for (int square = 0; square < 64; ++square) {
        const CellPos cell = cellOf(square);
        const engine::Bits bit = engine::bitOf(square);
        board->cell(cell.x, cell.y) = (position.player & bit) ? mover : (position.opponent & bit) ? other : Empty;
    }
}

bool DrillSession::answer(int square)
{
    if (m_step != Step::Asking || square < 0 || square > 63)
        return false;
    const drills::Exercise& exercise = m_due[m_index];
    const drills::Judgement judged = drills::judge(exercise, square);
    if (!judged.legal)
        return false;
    m_judgement = judged;
    m_answer = square;
    engine::ParsedPosition parsed;
    engine::parsePosition(exercise.position, parsed, nullptr);
    engine::Position after = parsed.position;
    engine::play(after, square);
    show(after, !parsed.blackToMove);
    m_schedule.answer(exercise.position, judged.right, m_day);
    std::string error;
    if (!m_scheduleSaveFailed && !m_schedule.write(m_schedulePath, error)) {
        if (!m_scheduleSaid)
            std::cerr << errorLine(error); // the answers hold for this run
        m_scheduleSaveFailed = m_scheduleSaid = true;
    }
    m_step = Step::Answered;
    return true;
}

void DrillSession::next()
{
    if (m_step == Step::Answered)
        ++m_index;
    else if (m_step != Step::Asking)
        return;
    if (m_index < m_due.size()) {
        engine::ParsedPosition parsed;
        engine::parsePosition(m_due[m_index].position, parsed, nullptr);
        show(parsed.position, parsed.blackToMove);
        m_step = Step::Asking;
        return;
    }
    m_nextDue.reset();
    for (const drills::Exercise& exercise : m_all) {
        const long long due = m_schedule.entry(exercise.position, m_day).due;
        if (!m_nextDue || due < *m_nextDue)
            m_nextDue = due;
    }
    m_step = Step::Finished;
}

const std::string& DrillSession::topLine(std::string& out) const
{
    switch (m_step) {
    case Step::Looking:
        return drillLookingMessage(m_done, m_total, out);
    case Step::Asking:
    case Step::Answered: {
        const drills::Exercise& exercise = m_due[m_index];
        const std::string mover = exercise.mover.empty() ? "?" : exercise.mover.substr(0, LongestName);
        return drillPrompt(m_index + 1, m_due.size(), mover.c_str(), out);
    }
    case Step::Finished:
        return drillNextMessage(m_nextDue.has_value(), m_nextDue ? *m_nextDue - m_day : 0, out);
    case Step::Closed:
        break;
    }
    out.clear();
    return out;
}

const std::string& DrillSession::verdictLine(std::string& out) const
{
    out.clear();
    if (m_step != Step::Answered)
        return out;
    const drills::Exercise& exercise = m_due[m_index];
    return drillVerdict(m_judgement.right, exercise.bestMoves().front(), m_answer, m_judgement.lost, out);
}

engine::Bits DrillSession::legalMoves() const
{
    if (m_step != Step::Asking)
        return 0;
    engine::Bits moves = 0;
    for (const engine::MoveValue& value : m_due[m_index].values)
        moves |= engine::bitOf(value.move);
    return moves;
}
