#include "tests/e2e/XClient.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <iostream>
#include <thread>

namespace {

// SDL takes a release followed within 2 ms by a press of the same key for the keyboard's own
// repeat and drops both; a short pause around each edge keeps every tap a tap.
constexpr std::chrono::milliseconds keyEdgePause{25};

int channelValue(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    unsigned long value = (pixel & mask) >> shift;
    unsigned long maximum = mask >> shift;
    return static_cast<int>(value * 255 / maximum);
}

} // namespace

XClient::XClient(const std::string& displayName)
{
    m_display = XOpenDisplay(displayName.c_str());
    if (m_display == nullptr)
        return;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor)) {
        XCloseDisplay(m_display);
        m_display = nullptr;
        return;
    }
    // A held key must stay one press, as for the tilt keys, not a stream of repeats.
    XAutoRepeatOff(m_display);
    XSync(m_display, False);
}

XClient::~XClient()
{
    if (m_display != nullptr)
        XCloseDisplay(m_display);
}

void XClient::sendKey(KeySym keysym, bool down)
{
    if (m_display == nullptr)
        return;
    KeyCode code = XKeysymToKeycode(m_display, keysym);
    if (code == 0) {
        // Sending key code 0 would be an X protocol error, which ends the test program.
        std::cerr << "The X server's keyboard has no key for key symbol " << keysym << '\n';
        return;
    }
    XTestFakeKeyEvent(m_display, code, down ? True : False, CurrentTime);
    XSync(m_display, False);
    std::this_thread::sleep_for(keyEdgePause);
}

void XClient::tap(KeySym keysym)
{
    press(keysym);
    release(keysym);
}

void XClient::press(KeySym keysym)
{
    sendKey(keysym, true);
}

void XClient::release(KeySym keysym)
{
    sendKey(keysym, false);
}

void XClient::movePointer(int x, int y)
{
    if (m_display == nullptr)
        return;
    XTestFakeMotionEvent(m_display, DefaultScreen(m_display), x, y, CurrentTime);
    XSync(m_display, False);
    std::this_thread::sleep_for(keyEdgePause);
}

void XClient::click(unsigned button)
{
    if (m_display == nullptr)
        return;
    for (Bool down : {True, False}) {
        XTestFakeButtonEvent(m_display, button, down, CurrentTime);
        XSync(m_display, False);
        std::this_thread::sleep_for(keyEdgePause);
    }
}

Screenshot XClient::grabScreen()
{
    if (m_display == nullptr)
        return {};
    Window root = DefaultRootWindow(m_display);
    XWindowAttributes attributes;
    XGetWindowAttributes(m_display, root, &attributes);
    XImage* image = XGetImage(m_display, root, 0, 0, attributes.width, attributes.height,
                              AllPlanes, ZPixmap);
    if (image == nullptr)
        return {};
    std::vector<std::uint8_t> rgb(static_cast<size_t>(attributes.width) * attributes.height * 3);
    // The usual true-colour layout (32 bits, 8 per channel, little-endian) is read directly;
    // anything else goes through Xlib's slower per-pixel path.
    bool plainLayout = image->bits_per_pixel == 32 && image->byte_order == LSBFirst &&
                       image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
                       image->blue_mask == 0xFF;
    std::uint8_t* out = rgb.data();
    for (int y = 0; y < attributes.height; ++y) {
        const auto* line = reinterpret_cast<const std::uint8_t*>(image->data) +
                           static_cast<size_t>(y) * image->bytes_per_line;
        for (int x = 0; x < attributes.width; ++x, out += 3) {
            if (plainLayout) {
                out[0] = line[x * 4 + 2];
                out[1] = line[x * 4 + 1];
                out[2] = line[x * 4];
                continue;
            }
            unsigned long pixel = XGetPixel(image, x, y);
            out[0] = static_cast<std::uint8_t>(channelValue(pixel, image->red_mask));
            out[1] = static_cast<std::uint8_t>(channelValue(pixel, image->green_mask));
            out[2] = static_cast<std::uint8_t>(channelValue(pixel, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return Screenshot(attributes.width, attributes.height, std::move(rgb));
}
