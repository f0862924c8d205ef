// What the rules cost a frame. The play screen runs Match::step every frame, and each step scans
// both colours for a legal move; a move also spawns one particle burst per square written.
#include "app/MoveBursts.h"
#include "particles/ParticleSystem.h"
#include "rules/Board.h"
#include "rules/Match.h"
#include "rules/Player.h"
#include "tests/rules/BoardSetup.h"
#include "tests/support/OffscreenGl.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A middle-game position with moves for both sides scattered over the board.
const std::vector<std::string> MiddleGame = {
    "........",
    "..W.....",
    "..WWB...",
    "..BWWB..",
    "...BWW..",
    "...B.W..",
    "........",
    "........",
};

// Both scans of one frame, on a position where Black's first legal square is late in the scan.
void BM_HasLegalMoveBothColours(benchmark::State& state)
{
    boardsetup::set(MiddleGame);
    const Board& board = *Board::instance();
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.hasLegalMove(Black));
        benchmark::DoNotOptimize(board.hasLegalMove(White));
    }
}
BENCHMARK(BM_HasLegalMoveBothColours);

// The worst case of a scan: no legal move anywhere, so all 64 squares and their rays are tried.
void BM_HasLegalMoveNone(benchmark::State& state)
{
    boardsetup::set({"BBBBBBBB", "BBBBBBBB", "BBBBBBBB", "BBBB...."});
    const Board& board = *Board::instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(board.hasLegalMove(White));
}
BENCHMARK(BM_HasLegalMoveNone);

// A frame of the play screen with nothing submitted: particle update, both scans, no move.
void BM_IdleMatchStep(benchmark::State& state)
{
    Match& match = *Match::instance();
    match.start(std::make_unique<HumanPlayer>(1, "Joueur 1"), std::make_unique<HumanPlayer>(2, "Joueur 2"));
    boardsetup::set(MiddleGame);
    for (auto _ : state)
        stepMatchWithBursts(match);
}
BENCHMARK(BM_IdleMatchStep);

// Playing a capturing move (bursts included, while the pool has room) and taking it back.
void BM_PlayMoveAndRestore(benchmark::State& state)
{
    boardsetup::set(MiddleGame);
    Board& board = *Board::instance();
    const boardsetup::Snapshot before = boardsetup::snapshot();
    for (auto _ : state) {
        WrittenSquares written;
        benchmark::DoNotOptimize(board.playMove(5, 6, Black, written));
        spawnMoveBursts(written);
        boardsetup::restore(before);
        state.PauseTiming();
        ParticleSystem::instance()->update(); // bursts live 0.5 s; a full pool still plays the move
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlayMoveAndRestore);

} // namespace

int main(int argc, char** argv)
{
    if (!offscreen::makeCurrent())
        return 1;
    readyParticlePool();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
