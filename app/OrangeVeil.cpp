#include "app/OrangeVeil.h"

#include "app/OverlayQuad.h"

#include <GL/gl.h>

void drawOrangeVeil(float alpha)
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(VeilRed, VeilGreen, VeilBlue, alpha);
    drawWholeOverlayQuad();
    glDisable(GL_BLEND);
}
