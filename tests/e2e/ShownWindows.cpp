#include "tests/e2e/ShownWindows.h"

#include <X11/Xlib.h>

std::vector<ShownWindow> shownWindows(const std::string& displayName)
{
    std::vector<ShownWindow> shown;
    Display* display = XOpenDisplay(displayName.c_str());
    if (display == nullptr)
        return shown;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                shown.push_back({attributes.width, attributes.height,
                                 attributes.override_redirect == True});
        }
        XFree(children);
    }
    XCloseDisplay(display);
    return shown;
}
