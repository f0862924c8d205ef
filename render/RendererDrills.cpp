// The exercise screen's top line, narrowed to fit the window, and the statistics screen's chart.
#include "render/Renderer.h"

#include "render/OverlayLayout.h"
#include "render/ProgressChart.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

namespace chart {

float pointX(int index, int count)
{
    return count <= 1 ? (Left + Right) / 2 : Left + (Right - Left) * float(index) / float(count - 1);
}

float pointY(float value)
{
    return Bottom + (Top - Bottom) * std::clamp(value, 0.0f, Range) / Range;
}

} // namespace chart

namespace {

// The lines' colours: the opening blue, the middle green, the end red.
constexpr float LineColours[chart::Lines][3] = {{0.3f, 0.5f, 1.0f}, {0.3f, 0.9f, 0.3f}, {1.0f, 0.3f, 0.3f}};
// The widest a fitted line may be, in overlay units (a margin each side).
constexpr float FittedWidth = 0.98f;
// The grid's labels start this far left of the chart, in overlay units.
constexpr float LabelOffset = 0.05f;

} // namespace

void Renderer::drawFittedMessage(const char* text)
{
    const std::size_t length = text ? std::strlen(text) : 0;
    const float width = float(length) * overlay::Advance;
    if (width <= FittedWidth) {
        drawCentredMessage(text);
        return;
    }
    // Glyphs and advance shrink together through the scale, so the compiled lists stay as they are.
    const float factor = FittedWidth / width;
    setScale(overlay::GlyphSize * factor, overlay::GlyphSize * factor, 1.0f);
    beginText();
    print(0.5f - FittedWidth / 2, overlay::MessageY, "%s", text);
    endText();
    setScale(overlay::GlyphSize, overlay::GlyphSize, 1.0f);
}

void Renderer::drawProgressChart(const chart::Series& series)
{
    glLoadIdentity(); // text printed before leaves its pen position on the matrix
    glPushAttrib(GL_CURRENT_BIT | GL_ENABLE_BIT | GL_LINE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, 0.6f);
    glBegin(GL_QUADS);
    glVertex2f(chart::Left - 0.02f, chart::Bottom - 0.02f);
    glVertex2f(chart::Right + 0.02f, chart::Bottom - 0.02f);
    glVertex2f(chart::Right + 0.02f, chart::Top + 0.02f);
    glVertex2f(chart::Left - 0.02f, chart::Top + 0.02f);
    glEnd();
    glDisable(GL_BLEND);
    // The axis at no loss, and a faint line at every two discs.
    glLineWidth(1.0f);
    glBegin(GL_LINES);
    for (float value = 0.0f; value <= chart::Range; value += 2.0f) {
        const float shade = value == 0.0f ? 0.8f : 0.35f;
        glColor3f(shade, shade, shade);
        glVertex2f(chart::Left, chart::pointY(value));
        glVertex2f(chart::Right, chart::pointY(value));
    }
    glEnd();
    glLineWidth(3.0f);
    glPointSize(7.0f);
    for (int line = 0; line < chart::Lines; ++line) {
        const std::vector<float>& values = series.values[line];
        const std::vector<bool>& present = series.present[line];
        const int count = int(values.size());
        glColor3fv(LineColours[line]);
        for (int i = 0; i + 1 < count; ++i) {
            if (!present[std::size_t(i)] || !present[std::size_t(i) + 1])
                continue;
            glBegin(GL_LINES);
            glVertex2f(chart::pointX(i, count), chart::pointY(values[std::size_t(i)]));
            glVertex2f(chart::pointX(i + 1, count), chart::pointY(values[std::size_t(i) + 1]));
            glEnd();
        }
        glBegin(GL_POINTS);
        for (int i = 0; i < count; ++i)
            if (present[std::size_t(i)])
                glVertex2f(chart::pointX(i, count), chart::pointY(values[std::size_t(i)]));
        glEnd();
    }
    glPopAttrib();
    // The discs at each grid line, left of the chart.
    beginText();
    for (int value = 0; value <= int(chart::Range); value += 2)
        print(chart::Left - LabelOffset, chart::pointY(float(value)) - overlay::GlyphSize / 2, "%d", value);
    endText();
}
