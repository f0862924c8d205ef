#pragma once
// The SDL 1.2 OpenGL window. Construction opens it and sets up the perspective projection the
// board scene is drawn with; failures go to stderr and leave the window without a surface
// (isOpen() false) rather than raising anything.
#include "render/Window.h"

struct SDL_Surface;

class GlWindow : public Window {
public:
    GlWindow(const char* caption, const VideoSettings& settings);
    ~GlWindow() override;

    bool check() override;
    void swapBuffers() override;
    bool isOpen() const override;

    // Camera lens: vertical field of view in degrees and clip planes in world units.
    static constexpr double FieldOfView = 45.0;
    static constexpr double NearPlane = 0.1;
    static constexpr double FarPlane = 512.0;

private:
    SDL_Surface* m_surface = nullptr; // SDL's video surface; null when the window did not open
};
