#include "app/records/GameReplay.h"

#include "engine/PositionText.h"

namespace records {
namespace {

const char* colourName(bool black)
{
    return black ? "Black" : "White";
}

} // namespace

int Replay::blackResult() const
{
    const int diff = final().finalDiff();
    return finalBlackToMove() ? diff : -diff;
}

std::string turnLabel(std::size_t index, const RecordedTurn& turn)
{
    return "move " + std::to_string(index + 1) + " (" + colourName(turn.black) + " " +
           (turn.square == Pass ? std::string("pass") : engine::squareName(turn.square)) + ")";
}

Replay replay(const engine::Position& start, bool blackToMove, const std::vector<RecordedTurn>& turns,
              bool impliedPasses)
{
    Replay out;
    engine::Position position = start;
    out.positions.push_back(position);
    out.blackToMove.push_back(blackToMove);
    auto advance = [&](const RecordedTurn& turn) {
        out.turns.push_back(turn);
        if (turn.square == Pass)
            engine::pass(position);
        else
            engine::play(position, turn.square);
        blackToMove = !blackToMove;
        out.positions.push_back(position);
        out.blackToMove.push_back(blackToMove);
    };

    for (std::size_t i = 0; i < turns.size(); ++i) {
        RecordedTurn turn = turns[i];
        if (impliedPasses && turn.square != Pass)
            turn.black = blackToMove;
        const std::string label = turnLabel(i, turn);
        if (position.isOver()) {
            out.error = label + ": the game is already over";
            return out;
        }
        if (turn.square != Pass && (turn.square < 0 || turn.square > 63)) {
            out.error = label + ": not a square";
            return out;
        }
        if (impliedPasses && turn.square != Pass && position.moves() == 0) {
            advance(RecordedTurn{blackToMove, Pass});
            turn.black = blackToMove;
        }
        if (turn.black != blackToMove) {
            out.error = label + ": it is " + colourName(blackToMove) + "'s turn";
            return out;
        }
        if (turn.square == Pass) {
            if (position.moves() != 0) {
                out.error = label + ": a pass with a legal move at hand";
                return out;
            }
        } else if (!(position.moves() & engine::bitOf(turn.square))) {
            out.error = turnLabel(i, turn) + ": not a legal move";
            return out;
        }
        advance(turn);
    }
    out.ok = true;
    return out;
}

} // namespace records
