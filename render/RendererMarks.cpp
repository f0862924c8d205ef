// The marks on the board's surface and the text panel over the overlay.
#include "render/Renderer.h"

#include "render/BoardPicking.h"
#include "render/OverlayLayout.h"
#include "render/ShapeTables.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>

namespace {

constexpr float SquareOffset = 4.5f; // square (x, y)'s middle is (x - 4.5, y - 4.5)
// A hair above the surface, and pulled towards the eye by the polygon offset, so that the
// surface never shows through a mark while the frame still hides what it covers.
constexpr float MarkLift = 0.01f;
constexpr float LegalMarkScale = 0.35f; // of the disc's radius 0.4: a dot of radius 0.14
constexpr float LastRingInner = 1.1f;   // of 0.4: just clear of the disc's rim
constexpr float LastRingOuter = 1.25f;
constexpr Colour LegalColour = {1.0f, 0.88f, 0.35f}; // pale gold, clear on the green felt
constexpr Colour LastColour = {0.95f, 0.2f, 0.1f};

constexpr std::array<ColouredVertex, shapes::FanVertices> legalDot()
{
    std::array<ColouredVertex, shapes::FanVertices> v{};
    v[0] = shapes::vertex(LegalColour, 0.0f, 0.0f, MarkLift);
    for (int j = 0; j < shapes::RingPoints; ++j)
        v[std::size_t(j) + 1] = shapes::vertex(LegalColour, shapes::RingX[j] * LegalMarkScale,
                                               shapes::RingY[j] * LegalMarkScale, MarkLift);
    return v;
}

// Inner point before outer point: each quad then winds counter-clockwise seen from above.
constexpr std::array<ColouredVertex, shapes::RingStripVertices> lastRing()
{
    std::array<ColouredVertex, shapes::RingStripVertices> v{};
    for (int j = 0; j < shapes::RingPoints; ++j) {
        v[2 * std::size_t(j)] = shapes::vertex(LastColour, shapes::RingX[j] * LastRingInner,
                                               shapes::RingY[j] * LastRingInner, MarkLift);
        v[2 * std::size_t(j) + 1] = shapes::vertex(LastColour, shapes::RingX[j] * LastRingOuter,
                                                   shapes::RingY[j] * LastRingOuter, MarkLift);
    }
    return v;
}

constexpr auto LegalDot = legalDot();
constexpr auto LastRing = lastRing();

template <std::size_t N>
void drawAt(int x, int y, GLenum mode, const std::array<ColouredVertex, N>& vertices)
{
    glPushMatrix();
    glTranslatef(float(x) - SquareOffset, float(y) - SquareOffset, 0.0f);
    glInterleavedArrays(GL_C3F_V3F, 0, vertices.data());
    glDrawArrays(mode, 0, GLsizei(N));
    glPopMatrix();
}

// Panel: a dark veil over the middle of the window, the lines from its top, one per LineStep.
constexpr float PanelLeft = 0.04f;
constexpr float PanelRight = 0.96f;
constexpr float PanelTop = 0.9f;
constexpr float LineStep = 0.04f;
constexpr float PanelMargin = 0.02f;
constexpr float PanelAlpha = 0.85f;

} // namespace

void Renderer::drawMarks()
{
    if (!m_marks.legal && !m_marks.hasLast)
        return;
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1.0f, -4.0f);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (m_marks.legal & ~m_values.shown & SceneMarks::bitOf(x, y))
                drawAt(x, y, GL_TRIANGLE_FAN, LegalDot);
    if (m_marks.hasLast)
        drawAt(m_marks.last.x, m_marks.last.y, GL_QUAD_STRIP, LastRing);
    glDisable(GL_POLYGON_OFFSET_FILL);
}

SceneView Renderer::sceneView() const
{
    SceneView view;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    lookFromCamera();
    tiltBoard();
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelview);
    glPopMatrix();
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection);
    glGetIntegerv(GL_VIEWPORT, view.viewport);
    return view;
}

std::optional<CellPos> Renderer::squareAtPointer(int column, int row) const
{
    return squareAtPixel(sceneView(), column, row);
}

void Renderer::drawTextPanel(const char* const* lines, std::size_t count)
{
    const float bottom = PanelTop - LineStep * float(count) - PanelMargin;
    glLoadIdentity(); // text printed before leaves its pen position on the matrix
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, PanelAlpha);
    glBegin(GL_QUADS);
    glVertex2f(PanelLeft, bottom);
    glVertex2f(PanelRight, bottom);
    glVertex2f(PanelRight, PanelTop + PanelMargin + overlay::GlyphSize);
    glVertex2f(PanelLeft, PanelTop + PanelMargin + overlay::GlyphSize);
    glEnd();
    glDisable(GL_BLEND);
    beginText();
    for (std::size_t i = 0; i < count; ++i)
        print(PanelLeft + PanelMargin, PanelTop - LineStep * float(i), "%s", lines[i]);
    endText();
}

void Renderer::drawCentredLine(const char* text, float y)
{
    const std::size_t length = text ? std::strlen(text) : 0;
    beginText();
    print(overlay::centredMessageX(length), y, "%s", text ? text : "");
    endText();
}
