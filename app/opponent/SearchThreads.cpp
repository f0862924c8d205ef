#include "app/opponent/SearchThreads.h"

#include <algorithm>
#include <sched.h>
#include <thread>

namespace opponent {

int systemCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof(set), &set) == 0)
        return std::max(1, CPU_COUNT(&set));
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int gameSearchThreads()
{
    return std::max(1, systemCores() - 1);
}

} // namespace opponent
