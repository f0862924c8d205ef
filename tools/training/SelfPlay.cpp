// Before the exact part, every position of a game gets the value of the first position solved
// exactly (from its own side to move's point of view): that is the result the game would reach
// with perfect play from there. From then on each position is solved on its own, and the game goes
// on with the solver's best move or, sometimes, a random one, so the ending positions are not all
// perfect ones either: a search meets bad positions too.
#include "tools/training/SelfPlay.h"

#include "engine/Evaluation.h"
#include "engine/RandomSquare.h"
#include "engine/Search.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

namespace training {
namespace {

using engine::Bits;
using engine::Position;

std::uint32_t gameSeed(std::uint32_t seed, int game)
{
    std::seed_seq sequence{seed, std::uint32_t(game), 0x5eedu};
    std::uint32_t out;
    sequence.generate(&out, &out + 1);
    return out;
}

std::vector<Sample> playGame(const SelfPlaySettings& settings, int game, engine::Search& player)
{
    std::mt19937 random(gameSeed(settings.seed, game));
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    player.clear();
    // No clock: the same game whatever the machine and the other threads.
    const engine::SearchLimits midgame = engine::fixedLimits(settings.depth);
    const engine::SearchLimits exact = engine::fixedLimits(settings.depth, settings.exactEmpties);
    std::vector<Sample> samples;
    std::vector<bool> blackToMove; // beside each sample
    Position p = Position::start();
    bool black = true;
    int plies = 0;
    const int openingPlies =
        std::uniform_int_distribution<int>(settings.openingMinPlies, settings.openingMaxPlies)(random);
    bool solved = false;
    while (!p.isOver()) {
        const Bits moves = p.moves();
        int move = -1;
        if (p.empties() <= settings.exactEmpties) {
            // The side to move may have to pass: solve() counts on past the pass.
            const engine::SearchResult result = moves ? player.run(p, exact) : player.solve(p);
            const int forBlack = black ? result.score : -result.score;
            if (!solved) {
                solved = true;
                for (std::size_t i = 0; i < samples.size(); ++i)
                    samples[i].label = std::int8_t(blackToMove[i] ? forBlack : -forBlack);
            }
            samples.push_back({p, std::int8_t(result.score), game});
            blackToMove.push_back(black);
            if (moves)
                move = chance(random) < settings.endgameNoise ? engine::randomSquare(moves, random) : result.move;
        } else {
            samples.push_back({p, 0, game});
            blackToMove.push_back(black);
            if (moves) {
                move = plies < openingPlies || chance(random) < settings.midgameNoise
                           ? engine::randomSquare(moves, random)
                           : player.run(p, midgame).move;
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
        engine::Search player(weights ? engine::Evaluator::learnt(*weights) : engine::Evaluator::handTuned(), 16, 1);
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
