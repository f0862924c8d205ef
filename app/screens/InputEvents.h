#pragma once
// What an SDL event means to the screens beyond the arrows and the drop keys: the letter keys of
// the player's aids, read as the characters typed so that they sit where the player's keyboard
// has them (AZERTY or QWERTY alike), the title's level digits, and the mouse's buttons.
#include <SDL.h>

#include <cstdint>

// The lower-case letter or digit a key press typed, or 0 (not a key press, or no such character).
// The typed character comes from SDL's Unicode translation when it is on; without it, from the
// key symbol.
char typedCharacter(const SDL_Event& event);

// F1: the help panel.
bool isHelpKey(const SDL_Event& event);
// Backspace, or Ctrl+Z (where the player's keyboard has its Z): take back a move.
bool isTakeBackKey(const SDL_Event& event);
// 1 to 5 on the title, from the main row or the keypad; 0 for any other event.
int levelKeyOf(const SDL_Event& event);

// A press of the left, middle or right button (the wheel's notches are no click).
bool isClick(const SDL_Event& event);
bool isLeftClick(const SDL_Event& event);
// +1 for a notch of the wheel towards the player (down), -1 away (up), 0 for anything else.
int wheelNotch(const SDL_Event& event);
