#include "app/drills/Schedule.h"

#include "app/files/WholeFile.h"
#include "app/files/XdgPaths.h"
#include "engine/PositionText.h"

#include <chrono>
#include <cstdio>
#include <sstream>

namespace drills {
namespace {

constexpr const char* FileName = "drills.schedule";
constexpr const char* Header = "reversi schedule 1";
constexpr long long SecondsPerDay = 24 * 60 * 60;
// No schedule runs past this day (year 9999): anything later is damage.
constexpr long long LastDay = 2932896;

bool readDay(const std::string& text, long long& out)
{
    if (text.empty() || text.size() > 7 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::stoll(text);
    return out <= LastDay;
}

} // namespace

long long today()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count() / SecondsPerDay;
}

std::string dayText(long long day)
{
    // Howard Hinnant's civil_from_days: days since 1970-01-01 to a proleptic Gregorian date.
    const long long z = day + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2);
    char text[72];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", y, m, d);
    return text;
}

Schedule Schedule::read(const std::string& path, std::string& error)
{
    Schedule schedule;
    std::string text;
    std::string why;
    const files::ReadResult read = files::readWholeFile(path, LargestScheduleFile, text, why);
    if (read == files::ReadResult::Missing)
        return schedule;
    if (read == files::ReadResult::Failed) {
        error = why + "; the exercises' schedule starts again";
        return schedule;
    }
    std::istringstream lines(text);
    std::string line;
    bool header = false;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!header) {
            header = line == Header;
            if (!header)
                break;
            continue;
        }
        // "<box> <day> <64 squares> <side>": the name is the line's last 66 bytes.
        std::istringstream fields(line);
        std::string box, day, squares, side, more;
        fields >> box >> day >> squares >> side;
        ScheduleEntry entry;
        const std::string name = squares + " " + side;
        engine::ParsedPosition parsed;
        const bool good = box.size() == 1 && box[0] >= '1' && box[0] <= '0' + Boxes && readDay(day, entry.due) &&
                          !(fields >> more) && engine::parsePosition(name, parsed, nullptr) &&
                          engine::positionText(parsed.position, parsed.blackToMove) == name;
        if (!good) {
            error = path + ": line " + std::to_string(number) + " is no exercise of ours; the exercises' schedule starts again";
            return Schedule();
        }
        entry.box = box[0] - '0';
        schedule.m_entries[name] = entry;
    }
    if (!header || text.back() != '\n') {
        error = path + (header ? " is cut short" : " is not a schedule of ours") + "; the exercises' schedule starts again";
        return Schedule();
    }
    return schedule;
}

bool Schedule::write(const std::string& path, std::string& error) const
{
    std::string text = std::string(Header) + "\n";
    for (const auto& [name, entry] : m_entries)
        text += std::to_string(entry.box) + " " + std::to_string(entry.due) + " " + name + "\n";
    return files::writeWholeFile(path, text, error);
}

ScheduleEntry Schedule::entry(const std::string& name, long long day) const
{
    const auto found = m_entries.find(name);
    if (found != m_entries.end())
        return found->second;
    ScheduleEntry fresh;
    fresh.due = day;
    return fresh;
}

void Schedule::answer(const std::string& name, bool right, long long day)
{
    ScheduleEntry entry = this->entry(name, day);
    if (right) {
        entry.due = day + DaysAfterRight[entry.box - 1];
        entry.box = entry.box < Boxes ? entry.box + 1 : Boxes;
    } else {
        entry.box = 1;
        entry.due = day;
    }
    m_entries[name] = entry;
}

std::string schedulePath()
{
    return files::gameFile(files::baseDirectory(files::DataHome), FileName);
}

} // namespace drills
