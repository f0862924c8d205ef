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

void Renderer::drawGameGraph(const graph::Strip& strip)
{
    glLoadIdentity(); // text printed before leaves its pen position on the matrix
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, 0.6f);
    glBegin(GL_QUADS);
    glVertex2f(graph::Left - 0.01f, graph::Bottom);
    glVertex2f(graph::Right + 0.01f, graph::Bottom);
    glVertex2f(graph::Right + 0.01f, graph::Top);
    glVertex2f(graph::Left - 0.01f, graph::Top);
    glEnd();
    glDisable(GL_BLEND);
    const float middle = (graph::Bottom + graph::Top) / 2;
    const float half = (graph::Top - graph::Bottom) / 2 - 0.005f;
    const float width = 0.4f * (graph::Right - graph::Left) / float(strip.positions > 1 ? strip.positions - 1 : 1);
    glBegin(GL_QUADS);
    for (std::size_t i = 0; i < strip.blackValues.size(); ++i) {
        if (i < strip.known.size() && !strip.known[i])
            continue; // not analysed yet: no column
        int value = strip.blackValues[i];
        value = value > graph::Range ? graph::Range : value < -graph::Range ? -graph::Range : value;
        const float x = graph::positionX(int(i), strip.positions);
        const float y = middle + half * float(value) / float(graph::Range);
        if (i < strip.mistakes.size() && strip.mistakes[i])
            glColor3f(0.9f, 0.1f, 0.1f);
        else if (value >= 0)
            glColor3f(0.15f, 0.15f, 0.15f); // Black ahead: a dark column
        else
            glColor3f(0.9f, 0.9f, 0.9f);
        glVertex2f(x - width, middle);
        glVertex2f(x + width, middle);
        glVertex2f(x + width, y);
        glVertex2f(x - width, y);
    }
    glEnd();
    glBegin(GL_LINES);
    glColor3f(0.6f, 0.6f, 0.6f);
    glVertex2f(graph::Left, middle);
    glVertex2f(graph::Right, middle);
    const float x = graph::positionX(strip.current, strip.positions);
    glColor3f(1.0f, 0.8f, 0.0f);
    glVertex2f(x, graph::Bottom);
    glVertex2f(x, graph::Top);
    glEnd();
    glColor3f(1.0f, 1.0f, 1.0f);
    checkGlErrors("the game's graph");
}

int Renderer::graphPositionAtPointer(int column, int row, int positions) const
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] <= 0 || viewport[3] <= 0)
        return -1;
    const float x = (float(column) + 0.5f) / float(viewport[2]);
    const float y = 1.0f - (float(row) + 0.5f) / float(viewport[3]);
    return graph::positionAt(x, y, positions);
}

void Renderer::drawCreditsBackground()
{
    m_creditsBackground.draw();
}
