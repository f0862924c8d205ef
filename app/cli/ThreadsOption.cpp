#include "app/cli/ThreadsOption.h"

#include "app/opponent/SearchThreads.h"
#include "engine/SearchLimits.h"

namespace cli {

bool parseThreadsOption(const std::string& text, int& threads, std::string& error)
{
    int value = 0;
    bool number = !text.empty() && text.size() <= 3;
    for (char c : text) {
        number = number && c >= '0' && c <= '9';
        if (number)
            value = value * 10 + (c - '0');
    }
    if (!number || value < 1 || value > engine::MaxThreads) {
        error = "--threads takes a number of threads from 1 to " + std::to_string(engine::MaxThreads) + ", not '" +
                text + "'";
        return false;
    }
    threads = value;
    return true;
}

int defaultThreads()
{
    return opponent::systemCores();
}

} // namespace cli
