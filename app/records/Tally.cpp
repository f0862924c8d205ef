#include "app/records/Tally.h"

#include <map>

namespace records {

std::vector<TallyRow> tally(const std::vector<GameRecord>& games)
{
    std::map<int, TallyRow> rows; // by computer level, 0 first
    for (const GameRecord& game : games) {
        const int blackLevel = computerLevelOf(game.black);
        const int whiteLevel = computerLevelOf(game.white);
        if (blackLevel && whiteLevel)
            continue;
        const int level = blackLevel ? blackLevel : whiteLevel;
        // The side whose results count: player one, or the human against the computer.
        const bool forBlack = blackLevel == 0;
        TallyRow& row = rows[level];
        row.computerLevel = level;
        ++row.played;
        if (!game.finished) {
            ++row.unfinished;
            continue;
        }
        const int result = forBlack ? game.result : -game.result;
        if (result > 0)
            ++row.won;
        else if (result < 0)
            ++row.lost;
        else
            ++row.drawn;
    }
    std::vector<TallyRow> out;
    for (const auto& entry : rows)
        out.push_back(entry.second);
    return out;
}

} // namespace records
