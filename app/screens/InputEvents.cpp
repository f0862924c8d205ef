#include "app/screens/InputEvents.h"

namespace {
constexpr Uint16 CtrlZ = 0x1A; // what Ctrl with the Z key types
}

char typedCharacter(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN)
        return 0;
    const SDL_keysym& key = event.key.keysym;
    unsigned code = key.unicode;
    if (code == 0 && key.sym < 0x80)
        code = key.sym;
    if (code >= 'A' && code <= 'Z')
        code += 'a' - 'A';
    if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9'))
        return char(code);
    return 0;
}

bool isHelpKey(const SDL_Event& event)
{
    return event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F1;
}

bool isTakeBackKey(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN)
        return false;
    const SDL_keysym& key = event.key.keysym;
    return key.sym == SDLK_BACKSPACE || key.unicode == CtrlZ ||
           (key.unicode == 0 && key.sym == SDLK_z && (key.mod & KMOD_CTRL));
}

int levelKeyOf(const SDL_Event& event)
{
    if (event.type != SDL_KEYDOWN)
        return 0;
    const SDLKey sym = event.key.keysym.sym;
    if (sym >= SDLK_KP1 && sym <= SDLK_KP5)
        return int(sym - SDLK_KP1) + 1;
    const char typed = typedCharacter(event);
    return typed >= '1' && typed <= '5' ? typed - '0' : 0;
}

bool isClick(const SDL_Event& event)
{
    return event.type == SDL_MOUSEBUTTONDOWN &&
           (event.button.button == SDL_BUTTON_LEFT || event.button.button == SDL_BUTTON_MIDDLE ||
            event.button.button == SDL_BUTTON_RIGHT);
}

bool isLeftClick(const SDL_Event& event)
{
    return event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT;
}

int wheelNotch(const SDL_Event& event)
{
    if (event.type != SDL_MOUSEBUTTONDOWN)
        return 0;
    if (event.button.button == SDL_BUTTON_WHEELDOWN)
        return 1;
    if (event.button.button == SDL_BUTTON_WHEELUP)
        return -1;
    return 0;
}
