#pragma once
// The window's view set up in the offscreen context as GlWindow sets it up on screen, and a
// projector that finds where a point of the current view lands in the 1024 x 768 frame.
#include <GL/gl.h>

struct WindowPoint {
    int x; // pixels from the left
    int y; // pixels from the bottom
};

// Viewport, 45-degree perspective, identity modelview.
void useWindowView();

class Projector {
public:
    // Captures the current modelview and projection matrices and the viewport.
    Projector();
    WindowPoint project(double x, double y, double z) const;
    const GLdouble* modelview() const { return m_modelview; }

private:
    GLdouble m_modelview[16];
    GLdouble m_projection[16];
    GLint m_viewport[4];
};
