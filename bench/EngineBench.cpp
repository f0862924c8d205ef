// Speed of the engine: perft from the start, and exact solves of the public FFO endgame test
// positions #40 to #44 (20 to 24 empty squares), checked against their published values.
#include "engine/Perft.h"
#include "engine/PositionText.h"
#include "engine/Search.h"

#include <benchmark/benchmark.h>

#include <string>

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
};

void BM_SolveFfo(benchmark::State& state)
{
    const Ffo& ffo = FfoPositions[state.range(0) - 40];
    engine::ParsedPosition parsed;
    if (!engine::parsePosition(ffo.text, parsed, nullptr)) {
        state.SkipWithError("bad position text");
        return;
    }
    engine::Search search(64, 1);
    engine::SearchResult result;
    for (auto _ : state) {
        search.clear();
        result = search.solve(parsed.position);
    }
    const std::string move = engine::squareName(result.move);
    if (!result.exact || result.score != ffo.value || std::string(ffo.bestMoves).find(move) == std::string::npos)
        state.SkipWithError(("got " + move + " " + std::to_string(result.score)).c_str());
    state.counters["empties"] = parsed.position.empties();
    state.counters["value"] = result.score;
    state.counters["nodes"] = static_cast<double>(result.nodes);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(result.nodes), benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel("best " + move);
}
BENCHMARK(BM_SolveFfo)->DenseRange(40, 44)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
