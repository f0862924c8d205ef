// The 2D overlay: its projection bracket, the score panel, the centred message, the orange veil
// and the credits picture.
#include "render/Renderer.h"

#include "render/GlCheck.h"
#include "render/OrangeVeil.h"
#include "render/OverlayLayout.h"
#include "rules/Player.h"

#include <GL/gl.h>

#include <cstring>

void Renderer::beginOverlay()
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    // Reset before the push: what endOverlay brings back is the identity, not the caller's.
    glLoadIdentity();
    glPushMatrix();
}

void Renderer::endOverlay()
{
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    checkGlErrors("the overlay");
}

void Renderer::drawScorePanel(const Player& one, const Player& two)
{
    const char* nameTwo = two.name();
    beginText();
    // Names go through "%s": a '%' in a name is shown, never read as a format.
    print(overlay::PlayerOneX, overlay::NameY, "%s", one.name());
    print(overlay::PlayerOneX, overlay::ScoreY, "%d", int(one.score()));
    print(overlay::playerTwoNameX(std::strlen(nameTwo)), overlay::NameY, "%s", nameTwo);
    print(overlay::playerTwoScoreX(), overlay::ScoreY, "%d", int(two.score()));
    endText();
}

void Renderer::drawCentredMessage(const char* text)
{
    const std::size_t length = text ? std::strlen(text) : 0;
    beginText();
    print(overlay::centredMessageX(length), overlay::MessageY, "%s", text ? text : "");
    endText();
}

void Renderer::drawOrangeVeil(float alpha)
{
    ::drawOrangeVeil(alpha);
}

void Renderer::drawCreditsBackground()
{
    m_creditsBackground.draw();
}
