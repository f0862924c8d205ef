#pragma once

#include "tests/e2e/Screenshot.h"

#include <string>

// Xlib's own header defines macros (None, Bool, Status) that clash with GoogleTest, so it stays
// in the .cpp; these match its types.
struct _XDisplay;
using KeySym = unsigned long;

// The tests' own connection to the private X server: the player's hands (key presses through
// the XTEST extension, exactly as a keyboard would make them) and eyes (pictures of the root
// window, which is what shows on the screen whatever windows the game made).
class XClient {
public:
    explicit XClient(const std::string& displayName);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;

    bool isConnected() const { return m_display != nullptr; }

    // A short press and release; `keysym` is an X key symbol such as XK_Return (X11/keysym.h).
    void tap(KeySym keysym);
    void press(KeySym keysym);
    void release(KeySym keysym);

    // The pointer to (x, y) on the screen, pixels from the top left, as a mouse would move it.
    void movePointer(int x, int y);
    // A press and release of mouse button `button`: 1 left, 2 middle, 3 right, 4 and 5 the
    // wheel's notches up and down.
    void click(unsigned button);

    Screenshot grabScreen();

private:
    void sendKey(KeySym keysym, bool down);

    _XDisplay* m_display = nullptr;
};
