// The values on the board's surface: the texture font's glyphs laid flat on the squares, in the
// board's own plane, so that they tilt with it; a frame round the best squares.
#include "render/Renderer.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr float SquareOffset = 4.5f; // square (x, y)'s middle is (x - 4.5, y - 4.5)
constexpr float ValueLift = 0.01f;   // as the marks: a hair above the surface
constexpr float GlyphSize = 0.46f;   // world units a glyph cell covers: "+12" stays within its square
constexpr float BestGlyphSize = 0.5f;
constexpr float GlyphStep = 0.42f;   // pen advance in cells: tighter than the overlay's, the glyphs are wide apart
constexpr float FrameOuter = 0.47f; // half sides of the best squares' frame
constexpr float FrameInner = 0.43f;
constexpr float EstimateColour[3] = {0.95f, 0.95f, 0.95f};
constexpr float ExactColour[3] = {0.45f, 0.9f, 1.0f}; // a count to the end: pale blue
constexpr float FrameColour[3] = {1.0f, 0.8f, 0.2f};

// "+4", "-2", "0" into `out` (room for 5 bytes).
void valueText(int value, char* out)
{
    if (value == 0)
        std::strcpy(out, "0");
    else
        std::snprintf(out, 5, "%+d", value);
}

// A square ring round the middle of square (x, y), inner and outer corners in turn.
void drawFrame(int x, int y)
{
    const float cx = float(x) - SquareOffset;
    const float cy = float(y) - SquareOffset;
    constexpr float Corners[5][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}, {-1, -1}};
    glBegin(GL_QUAD_STRIP);
    for (const auto& corner : Corners) {
        glVertex3f(cx + corner[0] * FrameInner, cy + corner[1] * FrameInner, ValueLift);
        glVertex3f(cx + corner[0] * FrameOuter, cy + corner[1] * FrameOuter, ValueLift);
    }
    glEnd();
}

} // namespace

void Renderer::drawValues()
{
    if (!m_values.shown)
        return;
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1.0f, -4.0f);
    glDisable(GL_CULL_FACE); // the frame's strip and the glyphs wind either way
    glColor3fv(FrameColour);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (m_values.best & SceneMarks::bitOf(x, y))
                drawFrame(x, y);

    const bool glyphs = m_fontLoaded && m_listBase != 0 && m_glyphWidth > 0.0f && m_glyphHeight > 0.0f;
    if (glyphs) {
        beginText();
        glDepthMask(GL_FALSE); // flat on the surface: nothing drawn later should be hidden by a glyph's box
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y) {
                const std::uint64_t bit = SceneMarks::bitOf(x, y);
                if (!(m_values.shown & bit))
                    continue;
                char text[5];
                valueText(m_values.values[std::size_t(SceneValues::indexOf(x, y))], text);
                const std::size_t length = std::strlen(text);
                const float size = (m_values.best & bit) ? BestGlyphSize : GlyphSize;
                // The pen advances by a fraction of a cell; the last glyph is a whole cell wide.
                const float width = size * (GlyphStep * float(length - 1) + 1.0f);
                glColor3fv((m_values.exact & bit) ? ExactColour : EstimateColour);
                glPushMatrix();
                glTranslatef(float(x) - SquareOffset - width * 0.5f, float(y) - SquareOffset - size * 0.5f, ValueLift);
                glScalef(size / m_glyphWidth, size / m_glyphHeight, 1.0f);
                for (std::size_t i = 0; i < length; ++i) {
                    glCallList(m_listBase + GLuint(static_cast<unsigned char>(text[i])));
                    // Each list moves the pen on by the overlay's advance: back to GlyphStep.
                    glTranslatef(GlyphStep * m_glyphWidth - advance(), 0.0f, 0.0f);
                }
                glPopMatrix();
            }
        endText();
    }
    glEnable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
}
