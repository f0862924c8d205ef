#include "render/OrangeVeil.h"

#include "render/OverlayQuad.h"

#include <GL/gl.h>

void drawOrangeVeil(float alpha)
{
    // A veil with no strength leaves every pixel as it is: once the title has faded it in and
    // out, skipping it spares a blend over the whole window on every title frame.
    if (alpha <= 0.0f)
        return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(VeilRed, VeilGreen, VeilBlue, alpha);
    drawWholeOverlayQuad();
    glDisable(GL_BLEND);
}
