#include "tests/render/WindowView.h"

#include "tests/support/OffscreenGl.h"

#include <GL/glu.h>

#include <cmath>

void useWindowView()
{
    glViewport(0, 0, offscreen::Width, offscreen::Height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1024.0 / 768.0, 0.1, 512.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

Projector::Projector()
{
    glGetDoublev(GL_MODELVIEW_MATRIX, m_modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, m_projection);
    glGetIntegerv(GL_VIEWPORT, m_viewport);
}

WindowPoint Projector::project(double x, double y, double z) const
{
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x, y, z, m_modelview, m_projection, m_viewport, &wx, &wy, &wz);
    return {int(std::floor(wx)), int(std::floor(wy))};
}
