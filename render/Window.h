#pragma once
// An abstract window: the mode it was asked for and its caption. Virtual-table order:
// destructor, check, swapBuffers, isOpen.
#include "render/VideoSettings.h"

#include <string>

class Window {
public:
    Window(const VideoSettings& settings, const char* caption);
    virtual ~Window() = default;

    // Always true; nothing in the game needs more.
    virtual bool check() = 0;
    virtual void swapBuffers() = 0;
    // Whether the window really opened. When it did not, the reason is already on stderr and
    // nothing may draw.
    virtual bool isOpen() const = 0;

    const VideoSettings& settings() const { return m_settings; }
    const std::string& caption() const { return m_caption; }

    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

private:
    VideoSettings m_settings;
    std::string m_caption;
};
