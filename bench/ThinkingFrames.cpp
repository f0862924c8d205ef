// What the computer's thinking leaves the frames: a stand-in for the game's main loop (60 frames a
// second, each spending the CPU the idle play screen costs) runs while level 5 searches one
// position after another on 0, 1 or 2 threads, and the frames it managed are counted.
//
//   thinking_frames [--seconds N] [--frame-ms M] [THREADS ...]   (default 10 s, 5.5 ms, 0 1 2)
//
// 5.5 ms: a third of a core at 60 frames a second, what bench/frame_cost reads on the idle play
// screen. Prints frames a second, late frames (started a slot or more after their time) and the
// longest gap between two frames. Measures; asserts nothing.
#include "engine/Levels.h"
#include "engine/Search.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Frames {
    double perSecond = 0;
    int late = 0;
    double longestGapMs = 0;
};

// Random midgame positions (the same every run) for level 5 to think about.
std::vector<engine::Position> midgamePositions()
{
    std::mt19937 random(7);
    std::vector<engine::Position> positions;
    while (positions.size() < 40) {
        engine::Position p = engine::Position::start();
        for (int ply = 0; ply < 24 && !p.isOver(); ++ply) {
            const engine::Bits moves = p.moves();
            if (!moves) {
                engine::pass(p);
                continue;
            }
            std::vector<int> squares;
            for (engine::Bits m = moves; m; m &= m - 1)
                squares.push_back(engine::firstSquare(m));
            engine::play(p, squares[random() % squares.size()]);
        }
        if (p.moves())
            positions.push_back(p);
    }
    return positions;
}

Frames runFrames(double seconds, double frameMs)
{
    const auto slot = std::chrono::duration<double, std::milli>(1000.0 / 60);
    const auto work = std::chrono::duration<double, std::milli>(frameMs);
    const Clock::time_point start = Clock::now();
    Clock::time_point next = start, last = start;
    Frames frames;
    int count = 0;
    while (Clock::now() - start < std::chrono::duration<double>(seconds)) {
        std::this_thread::sleep_until(next);
        const Clock::time_point begun = Clock::now();
        if (count > 0) {
            frames.longestGapMs = std::max(frames.longestGapMs, std::chrono::duration<double, std::milli>(begun - last).count());
            frames.late += begun - next >= slot;
        }
        last = begun;
        ++count;
        while (Clock::now() - begun < work) {
        }
        // As the game's pacer: a frame that overran its slot starts a new schedule.
        next += std::chrono::duration_cast<Clock::duration>(slot);
        if (Clock::now() > next)
            next = Clock::now();
    }
    frames.perSecond = count / std::chrono::duration<double>(Clock::now() - start).count();
    return frames;
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = 10, frameMs = 5.5;
    std::vector<int> threadCounts;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--frame-ms") && i + 1 < argc)
            frameMs = std::atof(argv[++i]);
        else
            threadCounts.push_back(std::atoi(argv[i]));
    }
    if (threadCounts.empty())
        threadCounts = {0, 1, 2};
    const std::vector<engine::Position> positions = midgamePositions();
    std::printf("%-22s %10s %6s %14s %10s\n", "thinking", "frames/s", "late", "longest gap", "searches");
    for (int threads : threadCounts) {
        std::atomic<bool> done{false};
        int searches = 0;
        std::thread thinker;
        engine::Search search(engine::Evaluator::builtIn(), 32, 1);
        if (threads > 0) {
            thinker = std::thread([&] {
                for (std::size_t i = 0; !done; ++i, ++searches)
                    search.run(positions[i % positions.size()], engine::levelLimits(engine::MaxLevel, threads));
            });
        }
        const Frames frames = runFrames(seconds, frameMs);
        done = true;
        search.stop();
        if (thinker.joinable())
            thinker.join();
        char what[32];
        std::snprintf(what, sizeof what, threads ? "level 5, %d thread%s" : "nothing", threads, threads > 1 ? "s" : "");
        std::printf("%-22s %10.1f %6d %11.1f ms %10d\n", what, frames.perSecond, frames.late, frames.longestGapMs, searches);
        std::fflush(stdout);
    }
}
