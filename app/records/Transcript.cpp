#include "app/records/Transcript.h"

#include "engine/PositionText.h"
#include "engine/PrintableBytes.h"

#include <cctype>

namespace records {
namespace {

Replay refused(const std::string& why)
{
    Replay out;
    out.error = why;
    return out;
}

} // namespace

Replay readTranscript(const std::string& text)
{
    std::vector<RecordedTurn> turns;
    std::size_t at = 0;
    for (;;) {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
        if (at >= text.size())
            break;
        const std::string name = text.substr(at, 2);
        const std::string label = "move " + std::to_string(turns.size() + 1) + " " +
                                  engine::printableBytes(name, engine::Unprintable::Hex, '\'');
        if (name.size() < 2)
            return refused(label + " is cut short");
        const int square = engine::squareFromName(name);
        if (square < 0)
            return refused(label + " is not a square (a letter a-h, then a digit 1-8)");
        turns.push_back(RecordedTurn{true, square});
        at += 2;
    }
    if (turns.empty())
        return refused("the game has no moves");
    Replay out = replay(engine::Position::start(), true, turns, true);
    return out;
}

std::string transcriptOf(const std::vector<RecordedTurn>& turns)
{
    std::string text;
    for (const RecordedTurn& turn : turns) {
        if (turn.square != Pass)
            text += engine::squareName(turn.square);
    }
    return text;
}

} // namespace records
