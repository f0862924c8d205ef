#include "app/screens/DrillTexts.h"

namespace {

void appendSquareName(int square, std::string& out)
{
    out += char('a' + square % 8);
    out += char('1' + square / 8);
}

} // namespace

const std::string& drillPrompt(std::size_t number, std::size_t count, const char* mover, std::string& out)
{
    return out.assign(text::DrillPrefix)
        .append(std::to_string(number))
        .append(text::DrillOf)
        .append(std::to_string(count))
        .append(text::DrillTo)
        .append(mover)
        .append(text::DrillFind);
}

const std::string& drillVerdict(bool right, int best, int played, int lost, std::string& out)
{
    if (right)
        return out.assign(text::DrillRight);
    out.assign(text::DrillBest);
    appendSquareName(best, out);
    out += ", ";
    appendSquareName(played, out);
    out.append(text::DrillLoses).append(std::to_string(lost)).append(text::DrillDisc);
    if (lost > 1)
        out += 's';
    return out;
}

const std::string& drillNextMessage(bool any, long long days, std::string& out)
{
    if (!any)
        return out.assign(text::DrillNone);
    out.assign(text::DrillNoneDue);
    if (days <= 0)
        return out.append(text::DrillNextTime);
    if (days == 1)
        return out.append(text::DrillTomorrow);
    return out.append(text::DrillInDays).append(std::to_string(days)).append(text::DrillDays);
}

const std::string& drillLookingMessage(int done, int total, std::string& out)
{
    return out.assign(text::DrillLooking).append(std::to_string(done)).append("/").append(std::to_string(total));
}

const std::string& statsMessage(int games, int solved, int exercises, std::string& out)
{
    const char* plural[] = {"", "s"};
    return out.assign(std::to_string(games))
        .append(text::StatsGame)
        .append(plural[games > 1])
        .append(", ")
        .append(std::to_string(solved))
        .append(text::StatsExercise)
        .append(plural[solved > 1])
        .append(text::StatsSolved)
        .append(plural[solved > 1])
        .append(text::StatsOf)
        .append(std::to_string(exercises));
}
