// The moves levels 3 and 4 choose on 40 fixed positions (random play from a fixed seed down to 54
// to 10 empty squares), with each search's value, depth, exactness and nodes: run it before and
// after a change to the search and compare the outputs. The levels play by their clock but nearly
// always reach their deepest iteration, so the lines rarely depend on the machine's speed; a line
// that differs is worth a second run before it is believed. Measures; asserts nothing.
//
//   level_moves [LEVEL ...]   (default: 3 4)
#include "engine/PositionText.h"
#include "engine/RandomSquare.h"
#include "engine/Search.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

struct Listed {
    engine::Position position;
    bool blackToMove;
};

// Random play from one seed down to each of these numbers of empty squares in turn (again when the
// side to move has to pass there): openings, midgames and each level's exact range.
std::vector<Listed> fixedPositions()
{
    std::vector<int> empties;
    for (int e = 54; e >= 26; e -= 1)
        empties.push_back(e);
    for (int e : {24, 22, 20, 18, 16, 15, 14, 13, 12, 11, 10})
        empties.push_back(e);
    std::mt19937 random(4242);
    std::vector<Listed> listed;
    while (listed.size() < empties.size()) {
        engine::Position p = engine::Position::start();
        bool black = true;
        while (p.empties() > empties[listed.size()] && !p.isOver()) {
            if (p.moves())
                engine::play(p, engine::randomSquare(p.moves(), random));
            else
                engine::pass(p);
            black = !black;
        }
        if (p.moves())
            listed.push_back({p, black});
    }
    return listed;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<int> levels;
    for (int i = 1; i < argc; ++i)
        levels.push_back(std::atoi(argv[i]));
    if (levels.empty())
        levels = {3, 4};
    const std::vector<Listed> positions = fixedPositions();
    engine::Search search(engine::Evaluator::builtIn(), 16, 1);
    for (int level : levels) {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            search.clear(); // each line on its own, whatever came before
            const engine::SearchResult r = search.chooseMove(positions[i].position, level);
            std::printf("level %d #%02zu %s  %s %+d depth %d%s nodes %llu\n", level, i,
                        engine::positionText(positions[i].position, positions[i].blackToMove).c_str(),
                        engine::squareName(r.move).c_str(), r.score, r.depth, r.exact ? " exact" : "",
                        static_cast<unsigned long long>(r.nodes + r.childrenLookedAt));
        }
    }
    return 0;
}
