// Before the exact part, every position of a game gets the value of the first position solved
// exactly (from its own side to move's point of view): that is the result the game would reach
// with perfect play from there. From then on each position is solved on its own, and the game goes
// on with the solver's best move or, sometimes, a random one, so the ending positions are not all
// perfect ones either: a search meets bad positions too.
#include "tools/training/SelfPlay.h"

#include "engine/EndgameSolver.h"
#include "engine/Evaluation.h"
#include "engine/MidgameSearch.h"
#include "engine/MoveOrdering.h"
#include "engine/PatternEvaluation.h"
#include "engine/RootSearch.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

namespace training {
namespace {

using engine::Bits;
using engine::Position;

int randomMove(Bits moves, std::mt19937& random)
{
    for (int skip = std::uniform_int_distribution<int>(0, engine::popCount(moves) - 1)(random); skip > 0; --skip)
        moves &= moves - 1;
    return engine::firstSquare(moves);
}

struct Exact {
    int move;  // -1 when the side to move must pass
    int value; // final disc difference for the side to move
};

// One worker's engine: the midgame search and the exact solver, sharing one table.
class Player {
public:
    Player() : m_table(16), m_context(m_table, m_neverStop) {}

    void newGame() { m_table.clear(); }

    int bestMidgameMove(Position p, int depth)
    {
        m_table.nextGeneration();
        m_context.aborted = false;
        engine::MoveList moves;
        engine::orderMoves(p, p.moves(), engine::Ordering{}, moves);
        engine::MidgameSearch midgame(m_context);
        int best = moves.squares[0];
        for (int d = 1; d <= depth; ++d) {
            const engine::RootOutcome outcome =
                engine::searchRoot(p, moves, -engine::Infinity, engine::Infinity, m_context,
                                   [&](Position& c, int a, int b) { return midgame.value(c, d - 1, a, b); });
            best = outcome.move;
            m_lastValue = outcome.value;
            engine::moveToFront(moves, best);
        }
        return best;
    }
    // The value in evaluation units of the last bestMidgameMove.
    int lastValue() const { return m_lastValue; }

    // The exact value and a best move, by null-window probes from `guess` (in discs), as the
    // engine's own solve does but without its midgame guess: along a game the previous
    // position's value is a better one.
    Exact solve(Position p, int guess)
    {
        m_table.nextGeneration();
        m_context.aborted = false;
        if (!p.moves()) {
            engine::pass(p);
            const Exact after = solve(p, -guess);
            return {-1, -after.value};
        }
        engine::MoveList moves;
        engine::orderMoves(p, p.moves(), engine::Ordering{}, moves);
        engine::EndgameSolver solver(m_context);
        auto exactValue = [&](Position& c, int a, int b) { return solver.value(c, a, b); };
        int probe = std::clamp(guess, -64, 64) & ~1;
        for (;;) {
            const engine::RootOutcome outcome = engine::searchRoot(p, moves, probe - 1, probe + 1, m_context, exactValue);
            if (outcome.value == probe)
                return {outcome.move, probe};
            if (outcome.value > probe)
                engine::moveToFront(moves, outcome.move);
            probe = outcome.value;
        }
    }

private:
    engine::TranspositionTable m_table;
    std::atomic<bool> m_neverStop{false};
    engine::SearchContext m_context;
    int m_lastValue = 0;
};

std::uint32_t gameSeed(std::uint32_t seed, int game)
{
    std::seed_seq sequence{seed, std::uint32_t(game), 0x5eedu};
    std::uint32_t out;
    sequence.generate(&out, &out + 1);
    return out;
}

std::vector<Sample> playGame(const SelfPlaySettings& settings, int game, Player& player)
{
    std::mt19937 random(gameSeed(settings.seed, game));
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    player.newGame();
    std::vector<Sample> samples;
    std::vector<bool> blackToMove; // beside each sample
    Position p = Position::start();
    bool black = true;
    int plies = 0;
    const int openingPlies =
        std::uniform_int_distribution<int>(settings.openingMinPlies, settings.openingMaxPlies)(random);
    bool solved = false;
    int solvedLastForBlack = 0; // the last exact value, the next one's guess
    while (!p.isOver()) {
        const Bits moves = p.moves();
        int move = -1;
        if (p.empties() <= settings.exactEmpties) {
            int guess = 0;
            if (solved) {
                guess = black ? solvedLastForBlack : -solvedLastForBlack;
            } else if (moves) {
                player.bestMidgameMove(p, settings.depth);
                guess = player.lastValue() / engine::UnitsPerDisc;
            }
            const Exact result = player.solve(p, guess);
            const int forBlack = black ? result.value : -result.value;
            solvedLastForBlack = forBlack;
            if (!solved) {
                solved = true;
                for (std::size_t i = 0; i < samples.size(); ++i)
                    samples[i].label = std::int8_t(blackToMove[i] ? forBlack : -forBlack);
            }
            samples.push_back({p, std::int8_t(result.value), game});
            blackToMove.push_back(black);
            if (moves)
                move = chance(random) < settings.endgameNoise ? randomMove(moves, random) : result.move;
        } else {
            samples.push_back({p, 0, game});
            blackToMove.push_back(black);
            if (moves) {
                move = plies < openingPlies || chance(random) < settings.midgameNoise
                           ? randomMove(moves, random)
                           : player.bestMidgameMove(p, settings.depth);
            }
        }
        if (move >= 0)
            engine::play(p, move);
        else
            engine::pass(p);
        black = !black;
        ++plies;
    }
    if (!solved) {
        // Over before the exact part began (a wipe-out): the final count labels every position.
        const int forBlack = black ? p.finalDiff() : -p.finalDiff();
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i].label = std::int8_t(blackToMove[i] ? forBlack : -forBlack);
    }
    return samples;
}

} // namespace

std::vector<Sample> selfPlay(const SelfPlaySettings& settings, const engine::PatternWeights* weights,
                             void (*progress)(int finished, int total))
{
    std::vector<std::vector<Sample>> games(settings.games);
    std::atomic<int> next{0}, finished{0};
    auto work = [&] {
        engine::ScopedEvaluation evaluation(weights);
        Player player;
        for (int game = next++; game < settings.games; game = next++) {
            games[game] = playGame(settings, game, player);
            if (progress)
                progress(++finished, settings.games);
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < settings.threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
    std::vector<Sample> all;
    for (const std::vector<Sample>& samples : games)
        all.insert(all.end(), samples.begin(), samples.end());
    return all;
}

} // namespace training
