#pragma once

#include <string>
#include <vector>

// The windows shown on an X server, as a window manager would meet them: the viewable children
// of the root window. SDL 1.2 shows a full-screen picture in an override-redirect window over
// the whole screen (no window manager may move or frame it), and a windowed one in an ordinary
// top-level window.
struct ShownWindow {
    int width = 0;
    int height = 0;
    bool overrideRedirect = false;
};

std::vector<ShownWindow> shownWindows(const std::string& displayName);
