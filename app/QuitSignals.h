#pragma once
// SIGTERM (a logout, a kill) and SIGINT (Ctrl+C in the terminal) end the game at once through its
// normal shutdown. SDL would otherwise turn them into a quit event, which the screens answer by
// showing the credits and waiting for a key: nobody is there to press it.
//
// A signal handler can only set a flag, so the flag is the one process-wide value here; the main
// loop reads it once a frame.

// Installs our handlers in place of SDL's; call after the window (and so SDL's video) is up.
void catchQuitSignals();
// A quit signal arrived since catchQuitSignals.
bool quitSignalled();
