// Speed of the engine: perft from the start, and exact solves of the public FFO endgame test
// positions #40 to #49 (20 to 26 empty squares), checked against their published values, with
// either evaluation; exact solves of a wider set of played positions; and the midgame search's
// speed with either evaluation.
#include "engine/Evaluation.h"
#include "engine/Perft.h"
#include "engine/PositionText.h"
#include "engine/RandomSquare.h"
#include "engine/Search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

void BM_EnginePerft(benchmark::State& state)
{
    const int depth = static_cast<int>(state.range(0));
    std::uint64_t leaves = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(leaves = engine::perft(engine::Position::start(), depth));
    if (depth == 9 && leaves != 3005288)
        state.SkipWithError("perft(9) is not 3005288");
    state.counters["leaves"] = static_cast<double>(leaves);
    state.counters["leaves/s"] = benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_EnginePerft)->Arg(9)->Unit(benchmark::kMillisecond);

struct Ffo {
    const char* text;
    const char* bestMoves; // the published best moves
    int value;             // the published exact value for the side to move
};

const Ffo FfoPositions[] = {
    {"O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X", "a2", 38},     // #40
    {"-OOOOO----OOOOX--OOOOOO-XXXXXOO--XXOOX--OOXOXX----OXXO---OOO--O- X", "h4", 0},      // #41
    {"--OOO-------XX-OOOOOOXOO-OOOOXOOX-OOOXXO---OOXOO---OOOXO--OOOO-- X", "g2", 6},      // #42
    {"--XXXXX---XXXX---OOOXX---OOXXXX--OOXXXO-OOOOXOO----XOX----XXXXX- O", "g3 c7", -12}, // #43
    {"--O-X-O---O-XO-O-OOXXXOOOOOOXXXOOOOOXX--XXOOXO----XXXX-----XXX-- O", "d2 b8", -14}, // #44
    {"---XXXX-X-XXXO--XXOXOO--XXXOXO--XXOXXO---OXXXOO-O-OOOO------OO-- X", "b2", 6},       // #45
    {"---XXX----OOOX----OOOXX--OOOOXXX--OOOOXX--OXOXXX--XXOO---XXXX-O- X", "b3", -8},      // #46
    {"-OOOOO----OOOO---OOOOX--XXXXXX---OXOOX--OOOXOX----OOXX----XXXX-- O", "g2", 4},       // #47
    {"-----X--X-XXX---XXXXOO--XOXOOXX-XOOXXX--XOOXX-----OOOX---XXXXXX- O", "f6", 28},      // #48
    {"--OX-O----XXOO--OOOOOXX-OOOOOX--OOOXOXX-OOOOXX-----OOX----X-O--- X", "e1", 16},      // #49
};

// Nodes as Edax counts them: the positions searched and the children looked at to order moves or to
// ask the table ("searched" counters leave the latter out).
std::uint64_t nodesAsEdaxCounts(const engine::SearchResult& result)
{
    return result.nodes + result.childrenLookedAt;
}

// FFO #range(0) solved on `threads` threads, the evaluation learnt or hand-tuned.
void solveFfo(benchmark::State& state, bool learnt, int threads)
{
    const Ffo& ffo = FfoPositions[state.range(0) - 40];
    engine::ParsedPosition parsed;
    if (!engine::parsePosition(ffo.text, parsed, nullptr)) {
        state.SkipWithError("bad position text");
        return;
    }
    // The evaluation only steers the midgame guess the solve starts from: 0 hand-tuned, 1 learnt.
    engine::Search search(learnt ? engine::Evaluator::builtIn() : engine::Evaluator::handTuned(), 64, 1);
    engine::SearchResult result;
    for (auto _ : state) {
        // Cleared (and the table's memory faulted in) outside the timing, as Edax clears its table
        // before its clock starts.
        state.PauseTiming();
        search.clear();
        state.ResumeTiming();
        result = search.solve(parsed.position, threads);
    }
    const std::string move = engine::squareName(result.move);
    if (!result.exact || result.score != ffo.value || std::string(ffo.bestMoves).find(move) == std::string::npos)
        state.SkipWithError(("got " + move + " " + std::to_string(result.score)).c_str());
    state.counters["empties"] = parsed.position.empties();
    state.counters["value"] = result.score;
    const std::uint64_t nodes = nodesAsEdaxCounts(result);
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["searched"] = static_cast<double>(result.nodes);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel("best " + move + " nodes " + std::to_string(nodes) + (learnt ? ", learnt" : ", hand-tuned") +
                   (threads > 1 ? ", " + std::to_string(threads) + " threads" : ""));
}

void BM_SolveFfo(benchmark::State& state) { solveFfo(state, state.range(1) != 0, 1); }
BENCHMARK(BM_SolveFfo)
    ->ArgsProduct({benchmark::CreateDenseRange(40, 49, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The learnt evaluation on range(1) threads; wall time (the helpers' time is not the main thread's).
void BM_SolveFfoThreads(benchmark::State& state) { solveFfo(state, true, static_cast<int>(state.range(1))); }
BENCHMARK(BM_SolveFfoThreads)
    ->ArgsProduct({benchmark::CreateDenseRange(40, 49, 1), {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

// Exact solves of 16 positions with N empty squares, each reached by 8 random moves and then a
// 4-ply search for both sides (the same every run): ten FFO positions swing by 20% each with any
// change to the table's contents, so a change to the solver is judged on these totals too.
void BM_SolvePlayed(benchmark::State& state)
{
    const int empties = static_cast<int>(state.range(0));
    std::mt19937 random(99);
    engine::Search player(engine::Evaluator::builtIn(), 16, 1);
    const engine::SearchLimits fourPlies = engine::fixedLimits(4);
    std::vector<engine::Position> positions;
    while (positions.size() < 16) {
        engine::Position p = engine::Position::start();
        player.clear();
        for (int ply = 0; ply < 8 && p.moves(); ++ply)
            engine::play(p, engine::randomSquare(p.moves(), random));
        while (p.empties() > empties && !p.isOver()) {
            if (p.moves())
                engine::play(p, player.run(p, fourPlies).move);
            else
                engine::pass(p);
        }
        if (p.empties() == empties && p.moves())
            positions.push_back(p);
    }
    engine::Search search(engine::Evaluator::builtIn(), 64, 1);
    std::uint64_t nodes = 0, searched = 0, most = 0; // nodes as BM_SolveFfo counts them
    for (auto _ : state) {
        for (const engine::Position& p : positions) {
            state.PauseTiming(); // as in BM_SolveFfo
            search.clear();
            state.ResumeTiming();
            const engine::SearchResult result = search.solve(p);
            const std::uint64_t n = nodesAsEdaxCounts(result);
            nodes += n;
            searched += result.nodes;
            most = std::max(most, n);
        }
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["searched"] = static_cast<double>(searched);
    state.counters["most"] = static_cast<double>(most);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SolvePlayed)->Arg(20)->Arg(22)->Arg(24)->Unit(benchmark::kMillisecond)->Iterations(1);

// The midgame search's speed with each evaluation (0: hand-tuned, 1: learnt): 8 plies deep from
// twelve positions 14 random plies into a game, the same every run.
void BM_MidgameNodes(benchmark::State& state)
{
    std::mt19937 random(2024);
    std::vector<engine::Position> positions;
    while (positions.size() < 12) {
        engine::Position p = engine::Position::start();
        for (int ply = 0; ply < 14 && p.moves(); ++ply)
            engine::play(p, engine::randomSquare(p.moves(), random));
        if (p.moves())
            positions.push_back(p);
    }
    engine::Search search(state.range(0) ? engine::Evaluator::builtIn() : engine::Evaluator::handTuned(), 16, 1);
    const engine::SearchLimits eightPlies = engine::fixedLimits(8);
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        for (const engine::Position& p : positions) {
            state.PauseTiming();
            search.clear();
            state.ResumeTiming();
            nodes += search.run(p, eightPlies).nodes;
        }
    }
    state.SetLabel(state.range(0) ? "learnt" : "hand-tuned");
    state.counters["nodes"] = static_cast<double>(nodes) / static_cast<double>(state.iterations());
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MidgameNodes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
