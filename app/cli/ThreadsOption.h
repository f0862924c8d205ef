#pragma once
// --threads N, the threads a command's searches run on: shared by every command that searches.
#include "app/cli/CommandLine.h"

#include <string>

namespace cli {

// "2" -> 2: a plain decimal number from 1 to engine::MaxThreads. Otherwise false and `error` the
// one line to print ("--threads takes ...").
bool parseThreadsOption(const std::string& text, int& threads, std::string& error);
// The threads when --threads is not given: the cores the system gives the process.
int defaultThreads();
// The threads a command's searches run on: --threads if given, else defaultThreads().
inline int searchThreads(const GameOptions& options)
{
    return options.threads > 0 ? options.threads : defaultThreads();
}

} // namespace cli
