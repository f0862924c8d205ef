#include "app/records/GameRecord.h"

#include <ctime>

namespace records {
namespace {

// The computer's name on screen, and the word that joins its level in the records.
const std::string ComputerPrefix = "Ordinateur niveau ";

} // namespace

std::string computerName(int level)
{
    return ComputerPrefix + std::to_string(level);
}

int computerLevelOf(const std::string& name)
{
    if (name.size() != ComputerPrefix.size() + 1 || name.compare(0, ComputerPrefix.size(), ComputerPrefix) != 0)
        return 0;
    const char digit = name.back();
    return digit >= '1' && digit <= '9' ? digit - '0' : 0;
}

std::string recordDate(long long seconds)
{
    const std::time_t when = std::time_t(seconds);
    std::tm utc{};
    gmtime_r(&when, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y.%m.%d_%H:%M:%S.UTC", &utc);
    return text;
}

} // namespace records
