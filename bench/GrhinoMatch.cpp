// Plays one of our players against GRhino's GTP program (Debian's grhino package, installed for
// this benchmark only; the game never needs it) and reports the results.
//
//   grhino_match GRHINO_LEVEL PLAYER [GAMES=16] [SEED=1] [PROGRAM=gtp-rhino]
//
// PLAYER as MatchPlayers.h names it (fixed:4:6 searches like GRhino's level 2, fixed:6:10 like its
// level 3, fixed:8:14 like its level 4). GRhino runs as `PROGRAM --level N --book 0`. GAMES / 2
// distinct openings of 4 random plies (from SEED), each played twice with the colours swapped.
// Measures; asserts nothing, and CTest never runs it.
#include "engine/PositionText.h"
#include "bench/MatchPlayers.h"
#include "tests/support/GtpProcess.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using engine::Position;

// GRhino's GTP program at `level`, without its opening book.
bool startGrhino(GtpProcess& grhino, const std::string& program, int level)
{
    return grhino.start({program, "--level", std::to_string(level), "--book", "0"});
}

std::string vertex(int square) { return engine::squareName(square); }

// GTP "F5" as a square, -1 when unreadable (GRhino is never asked to move when it must pass).
int squareOf(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (text.size() != 2 || text[0] < 'a' || text[0] > 'h' || text[1] < '1' || text[1] > '8')
        return -1;
    return (text[1] - '1') * 8 + (text[0] - 'a');
}

struct Tally {
    int wins = 0, draws = 0, losses = 0, discDiff = 0, moves = 0;
    double seconds = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s GRHINO_LEVEL PLAYER [GAMES=16] [SEED=1] [PROGRAM=gtp-rhino]\n", argv[0]);
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    const int level = std::atoi(argv[1]);
    const int games = argc > 3 ? std::max(2, std::atoi(argv[3])) : 16;
    const unsigned seed = argc > 4 ? unsigned(std::strtoul(argv[4], nullptr, 10)) : 1u;
    const std::string program = argc > 5 ? argv[5] : "gtp-rhino";
    if (level < 1 || level > 5) {
        std::fprintf(stderr, "grhino_match: GRhino's levels are 1 to 5\n");
        return 2;
    }
    std::unique_ptr<bench::MatchPlayer> ours = bench::makePlayer(argv[2], seed);
    if (!ours)
        return 2;
    GtpProcess grhino;
    std::string answer;
    if (!startGrhino(grhino, program, level) || !grhino.ask("boardsize 8", answer)) {
        std::fprintf(stderr, "grhino_match: %s does not answer GTP (is grhino installed?)\n", program.c_str());
        return 1;
    }
    const std::vector<bench::Opening> openings = bench::randomOpenings((games + 1) / 2, 4, seed);
    Tally us, them;
    for (int game = 0; game < games; ++game) {
        const bench::Opening& opening = openings[std::size_t(game / 2)];
        const bool weAreBlack = game % 2 == 0;
        ours->newGame();
        if (!grhino.ask("clear_board", answer)) {
            std::fprintf(stderr, "grhino_match: clear_board refused: %s\n", answer.c_str());
            return 1;
        }
        bool black = true;
        for (int square : opening.moves) {
            // GRhino passes by itself: a side without a move is skipped, and "play ... pass" refused.
            if (square >= 0 && !grhino.ask(std::string("play ") + (black ? "black " : "white ") + vertex(square), answer)) {
                std::fprintf(stderr, "grhino_match: opening move refused: %s\n", answer.c_str());
                return 1;
            }
            black = !black;
        }
        Position p = opening.position;
        while (!p.isOver()) {
            const char* colour = black ? "black" : "white";
            const bool ourTurn = black == weAreBlack;
            if (!p.moves()) {
                engine::pass(p);
                black = !black;
                continue;
            }
            const auto start = std::chrono::steady_clock::now();
            int square;
            if (ourTurn) {
                square = ours->move(p);
                if (!grhino.ask(std::string("play ") + colour + " " + vertex(square), answer)) {
                    std::fprintf(stderr, "grhino_match: GRhino refused our move %s: %s\n", vertex(square).c_str(),
                                 answer.c_str());
                    return 1;
                }
            } else {
                if (!grhino.ask(std::string("genmove ") + colour, answer)) {
                    std::fprintf(stderr, "grhino_match: genmove failed: %s\n", answer.c_str());
                    return 1;
                }
                square = squareOf(answer);
            }
            Tally& mover = ourTurn ? us : them;
            mover.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (square < 0 || !(p.moves() & engine::bitOf(square))) {
                std::fprintf(stderr, "grhino_match: illegal move \"%s\" by %s\n", answer.c_str(),
                             ourTurn ? ours->name().c_str() : "GRhino");
                return 1;
            }
            engine::play(p, square);
            ++mover.moves;
            black = !black;
        }
        // p is from the point of view of the side to move (`black` says which).
        const int blackDiff = black ? p.finalDiff() : -p.finalDiff();
        const int ourDiff = weAreBlack ? blackDiff : -blackDiff;
        for (auto [t, diff] : {std::pair{&us, ourDiff}, std::pair{&them, -ourDiff}}) {
            t->discDiff += diff;
            (diff > 0 ? t->wins : diff < 0 ? t->losses : t->draws)++;
        }
        std::printf("game %2d  %s  %s black: %s %+d\n", game + 1,
                    engine::positionText(opening.position, opening.blackToMove).c_str(),
                    weAreBlack ? ours->name().c_str() : "GRhino", ours->name().c_str(), ourDiff);
        std::fflush(stdout);
    }
    for (auto [name, t] : {std::pair{ours->name(), &us}, std::pair{"GRhino level " + std::to_string(level), &them}})
        std::printf("%s: %d wins, %d draws, %d losses (%.1f points of %d), disc difference %+d; %.3f s a move\n",
                    name.c_str(), t->wins, t->draws, t->losses, t->wins + 0.5 * t->draws, games, t->discDiff,
                    t->moves ? t->seconds / t->moves : 0.0);
    return 0;
}
