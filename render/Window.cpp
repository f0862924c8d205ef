#include "render/Window.h"

Window::Window(const VideoSettings& settings, const char* caption)
    : m_settings(settings), m_caption(caption ? caption : "")
{
}
