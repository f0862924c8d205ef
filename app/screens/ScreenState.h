#pragma once
// Which screen the main loop runs this frame. The values are the game's fixed codes: the loop
// keeps going while the state names a screen (3 to 10) and stops on Quit.
#include <cstdint>

enum ScreenState : std::int32_t {
    Quit = 0,
    StartFlash = 3, // full-screen orange flash after a match is started
    Title = 4,      // the animated title; the state the loop starts in
    Playing = 5,    // a match in progress
    GameOver = 6,   // the final position and the winner
    Credits = 7,    // the credits line; any key ends the program
    Review = 8,     // a kept or given game stepped through move by move
    Drills = 9,     // exercises made of the player's mistakes in the kept games
    Stats = 10,     // the player's progress against the computer, as a chart
};

// True for the states that have a screen handler; the main loop ends on any other value.
inline bool namesScreen(std::int32_t state)
{
    return state >= StartFlash && state <= Stats;
}
