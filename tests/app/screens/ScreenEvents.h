#pragma once
// SDL events as the queue would hand them to the screens, and one frame of a screen's logic in
// the order the Application's handlers run it (drawing left out).
#include "app/screens/ScreenFlow.h"

#include <SDL.h>

#include <vector>

inline SDL_Event keyDown(SDLKey key)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    return event;
}

inline SDL_Event keyUp(SDLKey key)
{
    SDL_Event event{};
    event.type = SDL_KEYUP;
    event.key.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    event.key.keysym.sym = key;
    return event;
}

inline SDL_Event quitEvent()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}

inline SDL_Event mouseMotion()
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    return event;
}

// A key press that typed `character` (SDL's Unicode translation on), with modifier keys `mod`.
inline SDL_Event typedKey(SDLKey key, Uint16 character, SDLMod mod = KMOD_NONE)
{
    SDL_Event event = keyDown(key);
    event.key.keysym.unicode = character;
    event.key.keysym.mod = mod;
    return event;
}

inline SDL_Event pointerAt(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = Uint16(x);
    event.motion.y = Uint16(y);
    return event;
}

// Button 1 left, 2 middle, 3 right, 4 and 5 the wheel's notches up and down.
inline SDL_Event buttonAt(Uint8 button, int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.state = SDL_PRESSED;
    event.button.x = Uint16(x);
    event.button.y = Uint16(y);
    return event;
}

inline void runScreenFrame(ScreenFlow& flow, const std::vector<SDL_Event>& events)
{
    switch (flow.state()) {
    case Title:
        for (const SDL_Event& event : events)
            flow.onTitleEvent(event);
        flow.advanceTitle();
        break;
    case StartFlash:
        for (const SDL_Event& event : events)
            flow.onStartFlashEvent(event);
        flow.checkFlashTime();
        break;
    case Playing:
        flow.stepPlaying();
        for (const SDL_Event& event : events)
            flow.onPlayingEvent(event);
        flow.applyHeldTilt();
        break;
    case GameOver:
        flow.stepGameOver();
        for (const SDL_Event& event : events)
            flow.onGameOverEvent(event);
        flow.afterGameOverFrame();
        break;
    case Credits:
        for (const SDL_Event& event : events)
            flow.onCreditsEvent(event);
        break;
    default:
        break;
    }
}
