#pragma once
// How many threads the searches run on: the cores the system gives the process, and the share of
// them the game's own searches take (the frames keep one core's worth of time).
namespace opponent {

// The cores this process may run on (its affinity), at least 1.
int systemCores();
// The threads of the game's level 5 and of its background analyses: every core but one, at least
// one (so on two cores the search keeps to one: docs/engine-notes.md has the frame rates).
int gameSearchThreads();

} // namespace opponent
