#include "render/GlWindow.h"

#include "render/VideoMode.h"

#include <SDL.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

namespace {

// Both texts are stored in Windows-1252 (0xE9 is "é"); the first one has no line break.
constexpr const char* NoVideoMessage = "Impossible d'initializing SDL Video : %s";
constexpr const char* NoModeMessage = "Impossible de cr\xE9" "er une fenetre : %s\n";

// A 4 x 4 pointer whose data and mask are all zero: fully transparent.
void hideMousePointer()
{
    Uint8 blank[4] = {0, 0, 0, 0};
    // SDL copies the bits; the pointer stays current until SDL_Quit releases it.
    SDL_Cursor* invisible = SDL_CreateCursor(blank, blank, 4, 4, 0, 0);
    SDL_SetCursor(invisible);
}

} // namespace

GlWindow::GlWindow(const char* caption, const VideoSettings& settings) : Window(settings, caption)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, NoVideoMessage, SDL_GetError());
        return;
    }

    for (const auto& [attribute, value] : glAttributes(settings))
        SDL_GL_SetAttribute(static_cast<SDL_GLattr>(attribute), value);

    m_surface = SDL_SetVideoMode(static_cast<int>(settings.width()), static_cast<int>(settings.height()),
                                 bitsPerPixel(settings), videoModeFlags(settings));
    if (!m_surface) {
        std::fprintf(stderr, NoModeMessage, SDL_GetError());
        return;
    }

    SDL_WM_SetCaption(this->caption().c_str(), this->caption().c_str());
    hideMousePointer();

    glViewport(0, 0, static_cast<GLsizei>(settings.width()), static_cast<GLsizei>(settings.height()));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FieldOfView, double(settings.width()) / double(settings.height()), NearPlane, FarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

GlWindow::~GlWindow()
{
    // SDL ignores a request to free its own video surface, and a null one.
    SDL_FreeSurface(m_surface);
}

bool GlWindow::check()
{
    return true;
}

void GlWindow::swapBuffers()
{
    SDL_GL_SwapBuffers();
}

bool GlWindow::isOpen() const
{
    return m_surface != nullptr;
}
