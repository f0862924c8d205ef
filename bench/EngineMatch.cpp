// Plays the computer against itself at two levels and reports the results and the time per move.
//
//   engine_match LEVEL_A LEVEL_B [GAMES=20] [SEED=1]
//
// GAMES / 2 openings of 4 random plies (from SEED), each played twice with the colours swapped.
// Prints each game, then each level's score and its average and longest time per move. Measures;
// asserts nothing, and CTest never runs it.
#include "engine/Search.h"
#include "engine/PositionText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

using engine::Position;

struct Tally {
    int level = 0;
    int wins = 0, draws = 0, losses = 0;
    int discDiff = 0; // summed over the games, from this level's side
    int moves = 0;
    double seconds = 0, longest = 0;
};

Position openingOf(std::mt19937& random, int plies)
{
    Position p = Position::start();
    for (int i = 0; i < plies && !p.isOver(); ++i) {
        engine::Bits moves = p.moves();
        if (!moves) {
            engine::pass(p);
            continue;
        }
        for (int skip = std::uniform_int_distribution<int>(0, engine::popCount(moves) - 1)(random); skip > 0; --skip)
            moves &= moves - 1;
        engine::play(p, engine::firstSquare(moves));
    }
    return p;
}

// Plays one game from `p`, players[0] moving first; returns the final disc difference for players[0].
int playGame(Position p, engine::Search* players[2], Tally* tallies[2])
{
    int mover = 0;
    while (!p.isOver()) {
        const auto start = std::chrono::steady_clock::now();
        const engine::SearchResult result = players[mover]->chooseMove(p, tallies[mover]->level);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (result.move >= 0) {
            Tally& t = *tallies[mover];
            ++t.moves;
            t.seconds += seconds;
            t.longest = std::max(t.longest, seconds);
            if (!(p.moves() & engine::bitOf(result.move))) {
                std::printf("illegal move %s\n", engine::squareName(result.move).c_str());
                std::exit(1);
            }
            engine::play(p, result.move);
        } else {
            engine::pass(p);
        }
        mover = 1 - mover;
    }
    return mover == 0 ? p.finalDiff() : -p.finalDiff();
}

void record(Tally& t, int diff)
{
    t.discDiff += diff;
    (diff > 0 ? t.wins : diff < 0 ? t.losses : t.draws)++;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s LEVEL_A LEVEL_B [GAMES=20] [SEED=1]\n", argv[0]);
        return 2;
    }
    Tally a, b;
    a.level = std::atoi(argv[1]);
    b.level = std::atoi(argv[2]);
    const int games = argc > 3 ? std::max(2, std::atoi(argv[3])) : 20;
    const unsigned seed = argc > 4 ? unsigned(std::strtoul(argv[4], nullptr, 10)) : 1u;
    std::mt19937 random(seed);
    engine::Search searchA(16, seed * 2 + 1), searchB(16, seed * 2 + 2);

    Position opening; // each pair of games shares its opening
    for (int game = 0; game < games; ++game) {
        const bool aFirst = game % 2 == 0;
        if (aFirst)
            opening = openingOf(random, 4);
        searchA.clear();
        searchB.clear();
        engine::Search* players[2] = {aFirst ? &searchA : &searchB, aFirst ? &searchB : &searchA};
        Tally* tallies[2] = {aFirst ? &a : &b, aFirst ? &b : &a};
        const int firstDiff = playGame(opening, players, tallies);
        const int aDiff = aFirst ? firstDiff : -firstDiff;
        record(a, aDiff);
        record(b, -aDiff);
        std::printf("game %2d  %s  level %d first: level %d %+d\n", game + 1,
                    engine::positionText(opening, true).c_str(), tallies[0]->level, a.level, aDiff);
        std::fflush(stdout);
    }
    for (const Tally* t : {&a, &b}) {
        std::printf("level %d: %d wins, %d draws, %d losses, disc difference %+d; %d moves, %.3f s average, "
                    "%.3f s longest\n",
                    t->level, t->wins, t->draws, t->losses, t->discDiff, t->moves,
                    t->moves ? t->seconds / t->moves : 0.0, t->longest);
    }
    return 0;
}
