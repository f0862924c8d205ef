#include "bench/MatchPlayers.h"

#include "engine/RandomSquare.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace bench {
namespace {

using engine::Bits;
using engine::Position;

class LevelPlayer : public MatchPlayer {
public:
    LevelPlayer(int level, std::uint32_t seed, int threads = 1)
        : MatchPlayer("level " + std::to_string(level) + (threads > 1 ? " on " + std::to_string(threads) + " threads" : "")),
          m_level(level), m_threads(threads), m_search(engine::Evaluator::builtIn(), 16, seed)
    {
    }
    void newGame() override { m_search.clear(); }
    int move(const Position& p) override
    {
        const engine::SearchResult result = m_search.run(p, engine::levelLimits(m_level, m_threads));
        m_lastExact = result.exact;
        return result.move;
    }
    bool lastMoveExact() const override { return m_lastExact; }
    int exactEmpties() const override { return engine::levelLimits(m_level).exactFrom; }

private:
    int m_level;
    int m_threads;
    engine::Search m_search;
    bool m_lastExact = false;
};

class FixedPlayer : public MatchPlayer {
public:
    // `weights` nullptr: the built-in ones, or the hand-tuned evaluation if `handTuned`.
    FixedPlayer(const std::string& playerText, int depth, int exact, std::unique_ptr<engine::PatternWeights> weights,
                bool handTuned)
        : MatchPlayer(playerText), m_limits(engine::fixedLimits(depth, exact)), m_weights(std::move(weights)),
          m_search(handTuned ? engine::Evaluator::handTuned()
                   : m_weights ? engine::Evaluator::learnt(*m_weights)
                               : engine::Evaluator::builtIn(),
                   16, 1)
    {
    }
    void newGame() override { m_search.clear(); }
    int move(const Position& p) override
    {
        m_lastExact = p.empties() <= m_limits.exactFrom; // no clock: the count always finishes
        return m_search.run(p, m_limits).move;
    }
    bool lastMoveExact() const override { return m_lastExact; }
    int exactEmpties() const override { return m_limits.exactFrom; }

private:
    engine::SearchLimits m_limits;
    std::unique_ptr<engine::PatternWeights> m_weights; // other than the built-in ones
    engine::Search m_search;
    bool m_lastExact = false;
};

class RandomPlayer : public MatchPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : MatchPlayer("random"), m_random(seed) {}
    int move(const Position& p) override { return p.moves() ? engine::randomSquare(p.moves(), m_random) : -1; }

private:
    std::mt19937 m_random;
};

// The weighted-squares player of beginners' books: corners good, the squares next to them bad.
class SquaresPlayer : public MatchPlayer {
public:
    SquaresPlayer() : MatchPlayer("squares3") {}
    int move(const Position& p) override
    {
        if (!p.moves())
            return -1;
        int best = -1, bestValue = -Win - 1;
        for (Bits moves = p.moves(); moves; moves &= moves - 1) {
            Position child = p;
            engine::play(child, engine::firstSquare(moves));
            const int v = -value(child, Depth - 1, -Win - 1, -bestValue);
            if (v > bestValue) {
                bestValue = v;
                best = engine::firstSquare(moves);
            }
        }
        return best;
    }

private:
    static constexpr int Depth = 3;
    static constexpr int Win = 100000;
    static constexpr int Weights[64] = {
        100, -20, 10, 5,  5,  10, -20, 100, //
        -20, -50, -2, -2, -2, -2, -50, -20, //
        10,  -2,  -1, -1, -1, -1, -2,  10,  //
        5,   -2,  -1, -1, -1, -1, -2,  5,   //
        5,   -2,  -1, -1, -1, -1, -2,  5,   //
        10,  -2,  -1, -1, -1, -1, -2,  10,  //
        -20, -50, -2, -2, -2, -2, -50, -20, //
        100, -20, 10, 5,  5,  10, -20, 100,
    };

    static int score(Bits discs)
    {
        int sum = 0;
        for (; discs; discs &= discs - 1)
            sum += Weights[engine::firstSquare(discs)];
        return sum;
    }

    int value(Position& p, int depth, int alpha, int beta)
    {
        const Bits moves = p.moves();
        if (!moves) {
            if (!engine::legalMoves(p.opponent, p.player))
                return p.finalDiff() * 1000;
            engine::pass(p);
            const int v = -value(p, depth, -beta, -alpha);
            engine::pass(p);
            return v;
        }
        if (depth == 0)
            return score(p.player) - score(p.opponent);
        for (Bits m = moves; m; m &= m - 1) {
            const int square = engine::firstSquare(m);
            const Bits flipped = engine::play(p, square);
            const int v = -value(p, depth - 1, -beta, -alpha);
            engine::undo(p, square, flipped);
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta)
                    break;
            }
        }
        return alpha;
    }
};

} // namespace

std::unique_ptr<MatchPlayer> makePlayer(const std::string& playerText, std::uint32_t seed)
{
    if (playerText == "random")
        return std::make_unique<RandomPlayer>(seed);
    if (playerText == "squares3")
        return std::make_unique<SquaresPlayer>();
    int depth = 0, exact = 0, end = 0;
    if (std::sscanf(playerText.c_str(), "fixed:%d:%d%n", &depth, &exact, &end) == 2 && depth >= 1 && depth <= 30 &&
        exact >= 0 && exact <= 30) {
        const std::string rest = playerText.substr(std::size_t(end));
        if (rest.empty() || rest == ":hand")
            return std::make_unique<FixedPlayer>(playerText, depth, exact, nullptr, !rest.empty());
        if (rest.compare(0, 1, ":") == 0) {
            auto weights = std::make_unique<engine::PatternWeights>();
            std::string error;
            std::ifstream file(rest.substr(1), std::ios::binary);
            const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), {});
            if (!file || !engine::decodeWeights(bytes.data(), bytes.size(), *weights, error)) {
                std::fprintf(stderr, "%s: %s\n", rest.substr(1).c_str(), file ? error.c_str() : "cannot read");
                return nullptr;
            }
            return std::make_unique<FixedPlayer>(playerText, depth, exact, std::move(weights), false);
        }
    }
    int level = 0, threads = 0;
    if (std::sscanf(playerText.c_str(), "%d:%d%n", &level, &threads, &end) == 2 && end == int(playerText.size()) &&
        level >= 1 && level <= 5 && threads >= 1 && threads <= engine::MaxThreads)
        return std::make_unique<LevelPlayer>(level, seed, threads);
    if (playerText.size() == 1 && playerText[0] >= '1' && playerText[0] <= '5')
        return std::make_unique<LevelPlayer>(playerText[0] - '0', seed);
    std::fprintf(stderr, "unknown player \"%s\" (1-5, L:T, fixed:D:E[:hand], random, squares3)\n", playerText.c_str());
    return nullptr;
}

std::vector<Opening> randomOpenings(int count, int plies, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<Opening> openings;
    for (int tries = 0; int(openings.size()) < count; ++tries) {
        Opening o;
        o.position = Position::start();
        for (int i = 0; i < plies && !o.position.isOver(); ++i) {
            const int square = o.position.moves() ? engine::randomSquare(o.position.moves(), random) : -1;
            if (square >= 0)
                engine::play(o.position, square);
            else
                engine::pass(o.position);
            o.moves.push_back(square);
            o.blackToMove = !o.blackToMove;
        }
        // Distinct while there are enough of them.
        const bool seen = std::any_of(openings.begin(), openings.end(),
                                      [&](const Opening& other) { return other.position == o.position; });
        if (!seen || tries > 100 * count)
            openings.push_back(o);
    }
    return openings;
}

} // namespace bench
