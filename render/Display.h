#pragma once
// The one holder of the program's window. The window is created once at start-up and
// destroyed with the Display at shutdown, before SDL_Quit.
#include "render/VideoSettings.h"
#include "render/Window.h"

#include <memory>

class Display {
public:
    // The first call creates the Display, with no window.
    static Display* instance();
    // Destroys the window and the Display; nothing when there is none.
    static void destroyInstance();

    // Replaces the current window (destroyed first) by a new GlWindow. The new window is kept
    // even when it did not open: ask window()->isOpen().
    void createWindow(const char* caption, const VideoSettings& settings);
    // Null until the first createWindow.
    Window* window() const { return m_window.get(); }

    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

private:
    Display() = default;

    static Display* s_instance;
    std::unique_ptr<Window> m_window;
};
