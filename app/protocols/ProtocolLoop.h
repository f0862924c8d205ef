#pragma once
// The loop under both protocols: reads lines from a descriptor (standard input), hands each to
// the engine, and while a background search runs wakes often to let the engine write what it
// found. The end of input ends the loop once the running search has answered; so does `quit`.
#include "app/protocols/LineEngine.h"

#include <string>

namespace protocols {

// Runs `engine` on the lines read from `inputFd` until the input ends or the engine quits.
// Returns the exit status: 0 (a read error is the end of input too).
int runLines(LineEngine& engine, int inputFd);

// `reversi --gtp --level N` and `reversi --nboard` on standard input and output, with no window
// and no data folder; `version` is the game's version.
int runGtp(int level, const std::string& version, int threads);
int runNboard(int threads);

} // namespace protocols
