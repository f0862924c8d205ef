#include "app/settings/Settings.h"

#include "engine/PrintableBytes.h"

#include <cstdlib>

namespace settings {

const std::vector<BoolSettingKey> BoolSettingKeys = {
    {"marks", &Settings::marks},
    {"sound", &Settings::sound},
    {"records", &Settings::records},
    {"values", &Settings::values},
};

const std::vector<IntSettingKey> IntSettingKeys = {
    {"level", &Settings::level, 1, 5},
};

namespace {

constexpr const char* Spaces = " \t\r";

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(Spaces);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(Spaces) - first + 1);
}

// Longer keys and values are cut in the error line.
constexpr std::size_t LongestQuote = 40;

// Printable for the error line, so that a damaged file still gives one readable line.
std::string quoted(const std::string& text)
{
    return engine::printableBytes(text.substr(0, LongestQuote), engine::Unprintable::Hex, '"') +
           (text.size() > LongestQuote ? "..." : "");
}

bool hasControlBytes(const std::string& line)
{
    for (unsigned char c : line) {
        if ((c < 0x20 && c != '\t' && c != '\r') || c == 0x7F)
            return true;
    }
    return false;
}

// The problem with `key = value`, or empty when the line was applied.
std::string applyPair(const std::string& key, const std::string& value, Settings& settings)
{
    for (const BoolSettingKey& row : BoolSettingKeys) {
        if (key != row.name)
            continue;
        if (value == "on" || value == "off") {
            settings.*row.field = value == "on";
            return std::string();
        }
        return "bad value " + quoted(value) + " for " + key + " (on or off)";
    }
    for (const IntSettingKey& row : IntSettingKeys) {
        if (key != row.name)
            continue;
        char* end = nullptr;
        const long number = std::strtol(value.c_str(), &end, 10);
        if (!value.empty() && *end == '\0' && number >= row.lowest && number <= row.highest) {
            settings.*row.field = int(number);
            return std::string();
        }
        return "bad value " + quoted(value) + " for " + key + " (" + std::to_string(row.lowest) + " to " +
               std::to_string(row.highest) + ")";
    }
    return "unknown key " + quoted(key);
}

} // namespace

void applySettingsText(const std::string& text, Settings& settings, std::vector<std::string>& problems)
{
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#')
            continue;
        std::string problem;
        const std::size_t equals = line.find('=');
        if (hasControlBytes(line))
            problem = "unreadable bytes";
        else if (equals == std::string::npos)
            problem = "no '=' in " + quoted(line);
        else
            problem = applyPair(trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)), settings);
        if (!problem.empty())
            problems.push_back("line " + std::to_string(number) + ": " + problem);
    }
}

std::string settingsText(const Settings& settings)
{
    std::string text;
    for (const BoolSettingKey& row : BoolSettingKeys)
        text += std::string(row.name) + " = " + (settings.*row.field ? "on" : "off") + "\n";
    for (const IntSettingKey& row : IntSettingKeys)
        text += std::string(row.name) + " = " + std::to_string(settings.*row.field) + "\n";
    return text;
}

} // namespace settings
