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
