// How long the values on the legal squares take to reach their final depth: SquareValues driven
// as the play screen drives it, one update a frame at 60 frames a second, at the start and on
// fixed midgame positions, at each level asked for (3 and 5 by default); beside it, the last
// step alone (one valueAllMoves at the level's analysis limits, on a fresh search), the price of
// showing the shallower depths first.
//
//   values_time [LEVEL ...]
//
// It measures and prints; it judges nothing.
#include "app/opponent/SquareValues.h"
#include "engine/Levels.h"
#include "engine/PositionText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Random legal moves from the start, the same every run, until `empties` squares are left.
engine::Position randomGameTo(int empties, unsigned seed)
{
    std::mt19937 random(seed);
    engine::Position position = engine::Position::start();
    while (position.empties() > empties) {
        const engine::Bits moves = position.moves();
        if (!moves) {
            engine::pass(position);
            continue;
        }
        std::vector<int> squares;
        for (int square = 0; square < 64; ++square)
            if (moves & (engine::Bits(1) << square))
                squares.push_back(square);
        engine::play(position, squares[random() % squares.size()]);
    }
    if (!position.moves())
        engine::pass(position);
    return position;
}

struct Case {
    const char* name;
    engine::Position position;
};

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> levels;
    for (int i = 1; i < argc; ++i)
        levels.push_back(std::atoi(argv[i]));
    if (levels.empty())
        levels = {3, 5};
    const Case cases[] = {
        {"start", engine::Position::start()},
        {"midgame 40 empties (a)", randomGameTo(40, 1)},
        {"midgame 40 empties (b)", randomGameTo(40, 2)},
        {"midgame 30 empties", randomGameTo(30, 3)},
        {"22 empties", randomGameTo(22, 4)},
    };
    const auto frame = std::chrono::microseconds(16667);
    std::printf("%-6s %-24s %6s %6s %12s %12s %12s\n", "level", "position", "steps", "depth", "first value", "final",
                "last alone");
    for (const int level : levels) {
        for (const Case& c : cases) {
            SquareValues values;
            const Clock::time_point started = Clock::now();
            double first = -1.0;
            values.follow(c.position, level);
            while (!values.snapshot().final) {
                std::this_thread::sleep_for(frame);
                values.update();
                if (first < 0 && values.snapshot().steps > 0)
                    first = std::chrono::duration<double>(Clock::now() - started).count();
            }
            const double final = std::chrono::duration<double>(Clock::now() - started).count();
            engine::Search alone(engine::Evaluator::builtIn(), 16);
            const Clock::time_point aloneStarted = Clock::now();
            alone.valueAllMoves(c.position, engine::analysisLimits(level));
            const double aloneSeconds = std::chrono::duration<double>(Clock::now() - aloneStarted).count();
            std::printf("%-6d %-24s %6d %5d%s %10.3f s %10.3f s %10.3f s\n", level, c.name, values.snapshot().steps,
                        values.snapshot().depth, values.snapshot().exact ? "e" : " ", first, final, aloneSeconds);
            std::fflush(stdout);
        }
    }
    return 0;
}
