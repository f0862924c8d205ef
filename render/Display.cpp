#include "render/Display.h"

#include "render/GlWindow.h"

Display* Display::s_instance = nullptr;

Display* Display::instance()
{
    if (!s_instance)
        s_instance = new Display();
    return s_instance;
}

void Display::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

void Display::createWindow(const char* caption, const VideoSettings& settings)
{
    m_window.reset();
    m_window = std::make_unique<GlWindow>(caption, settings);
}
