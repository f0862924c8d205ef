// Plays two players against each other and reports the results and the time per move.
//
//   engine_match PLAYER_A PLAYER_B [GAMES=20] [SEED=1]
//
// Players as MatchPlayers.h names them: a level 1-5, fixed:D:E[:hand], random, squares3.
// GAMES / 2 distinct openings of 4 random plies (from SEED), each played twice with the colours
// swapped. Prints each game, then each player's score (a draw is half a point), its average and
// longest time per move, and, for a player that counts exactly, how often its moves within its
// exact range were exact (the count finished in the move's time). Measures; asserts nothing, and
// CTest never runs it.
#include "bench/MatchPlayers.h"
#include "engine/PositionText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using engine::Position;

struct Tally {
    int wins = 0, draws = 0, losses = 0;
    int discDiff = 0; // summed over the games, from this player's side
    int moves = 0;
    double seconds = 0, longest = 0;
    int exactFromSum = 0;   // per game, the most empty squares at which a move was exact, summed
    int inRangeMoves = 0;   // moves within the level's exact range...
    int inRangeExact = 0;   // ...and those of them that were exact (the count finished in time)
    int firstInRange = 0;   // games: the first move within the range...
    int firstExact = 0;     // ...and those where it was exact
    int gameExactFrom = 0;  // this game's so far
    bool gameInRange = false;
};

// Plays one game from `p`, players[0] moving first; returns the final disc difference for players[0].
int playGame(Position p, bench::MatchPlayer* players[2], Tally* tallies[2])
{
    int mover = 0;
    while (!p.isOver()) {
        const auto start = std::chrono::steady_clock::now();
        const int move = players[mover]->move(p);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (move >= 0) {
            Tally& t = *tallies[mover];
            ++t.moves;
            t.seconds += seconds;
            t.longest = std::max(t.longest, seconds);
            const bool exact = players[mover]->lastMoveExact();
            if (exact)
                t.gameExactFrom = std::max(t.gameExactFrom, p.empties());
            if (p.empties() <= players[mover]->exactEmpties()) {
                ++t.inRangeMoves;
                t.inRangeExact += exact;
                if (!t.gameInRange) {
                    t.gameInRange = true;
                    ++t.firstInRange;
                    t.firstExact += exact;
                }
            }
            if (!(p.moves() & engine::bitOf(move))) {
                std::printf("illegal move %s by %s\n", engine::squareName(move).c_str(), players[mover]->name().c_str());
                std::exit(1);
            }
            engine::play(p, move);
        } else if (p.moves()) {
            std::printf("%s passed with a legal move\n", players[mover]->name().c_str());
            std::exit(1);
        } else {
            engine::pass(p);
        }
        mover = 1 - mover;
    }
    return mover == 0 ? p.finalDiff() : -p.finalDiff();
}

void record(Tally& t, int diff)
{
    t.exactFromSum += t.gameExactFrom;
    t.gameExactFrom = 0;
    t.gameInRange = false;
    t.discDiff += diff;
    (diff > 0 ? t.wins : diff < 0 ? t.losses : t.draws)++;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PLAYER_A PLAYER_B [GAMES=20] [SEED=1]\n", argv[0]);
        return 2;
    }
    const int games = argc > 3 ? std::max(2, std::atoi(argv[3])) : 20;
    const unsigned seed = argc > 4 ? unsigned(std::strtoul(argv[4], nullptr, 10)) : 1u;
    std::unique_ptr<bench::MatchPlayer> a = bench::makePlayer(argv[1], seed * 2 + 1);
    std::unique_ptr<bench::MatchPlayer> b = bench::makePlayer(argv[2], seed * 2 + 2);
    if (!a || !b)
        return 2;
    const std::vector<bench::Opening> openings = bench::randomOpenings((games + 1) / 2, 4, seed);
    Tally ta, tb;
    for (int game = 0; game < games; ++game) {
        const bool aFirst = game % 2 == 0;
        const Position& opening = openings[std::size_t(game / 2)].position;
        a->newGame();
        b->newGame();
        bench::MatchPlayer* players[2] = {aFirst ? a.get() : b.get(), aFirst ? b.get() : a.get()};
        Tally* tallies[2] = {aFirst ? &ta : &tb, aFirst ? &tb : &ta};
        const int firstDiff = playGame(opening, players, tallies);
        const int aDiff = aFirst ? firstDiff : -firstDiff;
        record(ta, aDiff);
        record(tb, -aDiff);
        std::printf("game %2d  %s  %s first: %s %+d\n", game + 1, engine::positionText(opening, true).c_str(),
                    players[0]->name().c_str(), a->name().c_str(), aDiff);
        std::fflush(stdout);
    }
    for (const auto& [player, t] : {std::pair{a.get(), &ta}, std::pair{b.get(), &tb}}) {
        std::printf("%s: %d wins, %d draws, %d losses (%.1f points of %d), disc difference %+d; %d moves, "
                    "%.3f s average, %.3f s longest\n",
                    player->name().c_str(), t->wins, t->draws, t->losses, t->wins + 0.5 * t->draws, games,
                    t->discDiff, t->moves, t->moves ? t->seconds / t->moves : 0.0, t->longest);
        if (player->exactEmpties() > 0)
            std::printf("  exact from %.1f empty squares on average; within its exact range (%d) %d of %d moves "
                        "exact, the first one in %d of %d games\n",
                        double(t->exactFromSum) / games, player->exactEmpties(), t->inRangeExact, t->inRangeMoves,
                        t->firstExact, t->firstInRange);
    }
    return 0;
}
