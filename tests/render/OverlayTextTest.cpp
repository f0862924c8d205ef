// Text drawn through the overlay lands where the layout puts it: ink inside the glyph cells of
// the expected texts and nowhere else in the frame.
#include "render/Renderer.h"
#include "rules/Player.h"
#include "tests/render/RendererTest.h"
#include "tests/render/TestPictures.h"
#include "tests/render/WindowView.h"
#include "tests/support/OffscreenGl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr float Cell = 0.03f;     // glyph cell, overlay units
constexpr float Advance = 0.018f; // pen step per byte
constexpr int InkLevel = 60;      // a channel above this is ink on the black background
constexpr int Slack = 2;          // pixels of filtering blur allowed round a rectangle

const char* const TitlePrompt = "Appuyer sur une touche pour commencer\n";
const char* const CreditsLine = "Kestin Zerdane, Plexifest Brisk 5 (2004) par Tarvel";

// A line of text as it must appear: its first glyph cell's lower-left corner, overlay units.
struct Line {
    float x;
    float y;
    std::string text;
};

struct PixelRect {
    int left, bottom, right, top; // inclusive
    bool contains(int x, int y, int slack) const
    {
        return x >= left - slack && x <= right + slack && y >= bottom - slack && y <= top + slack;
    }
};

PixelRect toPixels(float left, float bottom, float right, float top)
{
    return {int(left * offscreen::Width), int(bottom * offscreen::Height), int(right * offscreen::Width) - 1,
            int(top * offscreen::Height) - 1};
}

bool inked(int x, int y)
{
    if (x < 0 || y < 0 || x >= offscreen::Width || y >= offscreen::Height)
        return false;
    const std::uint8_t* p = offscreen::pixels() + (std::size_t(y) * offscreen::Width + std::size_t(x)) * 4;
    return std::max({p[0], p[1], p[2]}) > InkLevel;
}

// Every inked pixel of the frame lies in one of `allowed`; reports the first strays.
void expectNoInkOutside(const std::vector<PixelRect>& allowed)
{
    glFinish();
    int strays = 0;
    for (int y = 0; y < offscreen::Height; ++y) {
        for (int x = 0; x < offscreen::Width; ++x) {
            if (!inked(x, y))
                continue;
            const bool placed = std::any_of(allowed.begin(), allowed.end(),
                                            [&](const PixelRect& r) { return r.contains(x, y, Slack); });
            if (!placed && ++strays <= 5)
                ADD_FAILURE() << "ink outside every expected glyph at (" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(strays, 0);
}

class OverlayText : public RendererTest {
protected:
    void useBlockAtlas()
    {
        ASSERT_TRUE(m_renderer->loadFontTexture(m_pictures.blockAtlas("blocks.tga").c_str()));
        m_renderer->setScale(Cell, Cell, 1.0f); // the glyph size changed with the atlas
    }

    // The block atlas inks the middle half of each glyph cell of '!'..'~', nothing else.
    void expectBlocks(const std::vector<Line>& lines, float advance = Advance)
    {
        glFinish();
        std::vector<PixelRect> blocks;
        for (const Line& line : lines) {
            for (std::size_t i = 0; i < line.text.size(); ++i) {
                if (!hasBlockGlyph(static_cast<unsigned char>(line.text[i])))
                    continue;
                const float left = line.x + float(i) * advance + Cell / 4;
                const float bottom = line.y + Cell / 4;
                const PixelRect block = toPixels(left, bottom, left + Cell / 2, bottom + Cell / 2);
                blocks.push_back(block);
                const int midX = (block.left + block.right) / 2;
                const int midY = (block.bottom + block.top) / 2;
                const offscreen::Rgb c = offscreen::pixelAt(midX, midY);
                EXPECT_TRUE(c.r >= 200 && c.g >= 200 && c.b >= 200)
                    << "'" << line.text[i] << "' of \"" << line.text << "\" missing at (" << midX << ", " << midY << ")";
            }
        }
        expectNoInkOutside(blocks);
    }

    void drawPlayScreenText()
    {
        HumanPlayer one(1, "Joueur 1");
        HumanPlayer two(2, "Joueur 2");
        two.setScore(12);
        m_renderer->beginFrame();
        m_renderer->beginOverlay();
        m_renderer->drawScorePanel(one, two);
        m_renderer->drawCentredMessage("Joueur 1 a toi de jouer.");
        m_renderer->endOverlay();
    }

    void drawMessage(const char* text)
    {
        m_renderer->beginFrame();
        m_renderer->beginOverlay();
        m_renderer->drawCentredMessage(text);
        m_renderer->endOverlay();
    }

    void drawCredits()
    {
        m_renderer->beginFrame();
        m_renderer->beginOverlay();
        m_renderer->font().beginText();
        m_renderer->font().print(0.0f, 0.02f, "%s", CreditsLine);
        m_renderer->font().endText();
        m_renderer->endOverlay();
    }

    // Worked figures: "Joueur 2" starts at 0.838, the score column at 0.946, the turn message
    // at 0.284, the title prompt at 0.158.
    static std::vector<Line> playScreenLines()
    {
        return {{0.0f, 0.8f, "Joueur 1"},
                {0.0f, 0.76f, "2"},
                {0.838f, 0.8f, "Joueur 2"},
                {0.946f, 0.76f, "12"},
                {0.284f, 0.95f, "Joueur 1 a toi de jouer."}};
    }
};

TEST_F(OverlayText, EveryTextOfTheGameLandsInItsPlace)
{
    useBlockAtlas();
    {
        SCOPED_TRACE("play screen");
        drawPlayScreenText();
        expectBlocks(playScreenLines());
    }
    {
        SCOPED_TRACE("title prompt");
        drawMessage(TitlePrompt);
        expectBlocks({{0.158f, 0.95f, TitlePrompt}});
    }
    {
        SCOPED_TRACE("winner");
        drawMessage("Joueur 2 est le gagnant !"); // 25 bytes: 0.5 - 25 x 0.009
        expectBlocks({{0.275f, 0.95f, "Joueur 2 est le gagnant !"}});
    }
    {
        SCOPED_TRACE("credits");
        drawCredits();
        expectBlocks({{0.0f, 0.02f, CreditsLine}});
    }
}

TEST_F(OverlayText, NewSpacingTakesEffectAtTheNextBlock)
{
    useBlockAtlas();
    m_renderer->setSpacing(1.0f); // glyphs side by side
    m_renderer->beginFrame();
    m_renderer->beginOverlay();
    m_renderer->beginText();
    m_renderer->print(0.1f, 0.5f, "%s", "A%B");
    m_renderer->endText();
    m_renderer->endOverlay();
    expectBlocks({{0.1f, 0.5f, "A%B"}}, Cell);
}

// The glyph lists are compiled once and kept while the advance they hold stays the same. To see
// whether a block recompiled them, the test empties the list of 'A' by hand: a reused list draws
// nothing for it, a recompiled one draws its block again.
TEST_F(OverlayText, BlocksReuseTheListsUntilTheAdvanceChanges)
{
    useBlockAtlas();
    const struct {
        float spacing;
        bool drawsA; // the list of 'A' is a compiled glyph, not the emptied one
    } steps[] = {
        {0.6f, true},  // compiled when the atlas loaded
        {0.6f, false}, // same advance: the emptied list is reused
        {1.0f, true},  // new advance: recompiled
        {1.0f, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.spacing);
        m_renderer->setSpacing(step.spacing);
        m_renderer->beginFrame();
        m_renderer->beginOverlay();
        m_renderer->beginText();
        m_renderer->print(0.1f, 0.5f, "%s", "A");
        m_renderer->endText();
        m_renderer->endOverlay();
        glFinish();
        const PixelRect block = toPixels(0.1f + Cell / 4, 0.5f + Cell / 4, 0.1f + 3 * Cell / 4, 0.5f + 3 * Cell / 4);
        EXPECT_EQ(inked((block.left + block.right) / 2, (block.bottom + block.top) / 2), step.drawsA);

        glNewList(m_renderer->listBase() + 'A', GL_COMPILE);
        glEndList();
    }
}

TEST_F(OverlayText, RealAtlasInksOnlyTheGlyphCellsOfTheText)
{
    if (!m_renderer->isFontLoaded())
        GTEST_SKIP() << Renderer::FontAtlasPath << " is not there yet";
    drawPlayScreenText();
    glFinish();

    std::vector<PixelRect> cells;
    for (const Line& line : playScreenLines()) {
        for (std::size_t i = 0; i < line.text.size(); ++i) {
            const float left = line.x + float(i) * Advance;
            const PixelRect cell = toPixels(left, line.y, left + Cell, line.y + Cell);
            cells.push_back(cell);
            if (line.text[i] == ' ')
                continue;
            int ink = 0;
            for (int y = cell.bottom; y <= cell.top; ++y)
                for (int x = cell.left; x <= cell.right; ++x)
                    ink += inked(x, y) ? 1 : 0;
            EXPECT_GE(ink, 4) << "'" << line.text[i] << "' of \"" << line.text << "\"";
        }
    }
    expectNoInkOutside(cells);
}

TEST_F(OverlayText, OverlayBracketRestoresTheWindowView)
{
    useBlockAtlas();
    GLdouble projectionBefore[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projectionBefore);
    glTranslatef(3.0f, 4.0f, 5.0f); // whatever the caller had

    m_renderer->beginOverlay();
    m_renderer->beginText();
    m_renderer->print(0.25f, 0.5f, "%s", ""); // places the pen, draws nothing
    GLdouble pen[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, pen);
    m_renderer->endText();
    m_renderer->endOverlay();

    // The pen: the caller's matrix dropped, moved to (0.25, 0.5), scaled to 0.03 cells.
    const double glyphScale = Cell / m_renderer->glyphWidth();
    const double expectedPen[16] = {glyphScale, 0, 0, 0, 0, glyphScale, 0, 0, 0, 0, 1, 0, 0.25, 0.5, 0, 1};
    GLdouble modelview[16];
    GLdouble projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(pen[i], expectedPen[i], 1e-6) << i;
        EXPECT_DOUBLE_EQ(modelview[i], i % 5 == 0 ? 1.0 : 0.0) << i;
        EXPECT_DOUBLE_EQ(projection[i], projectionBefore[i]) << i;
    }
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the text block restores what it changed";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

} // namespace
