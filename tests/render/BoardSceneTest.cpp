// The board scene drawn offscreen and looked at where the squares land on screen.
#include "render/Renderer.h"
#include "rules/Board.h"
#include "tests/render/RendererTest.h"
#include "tests/render/TestPictures.h"
#include "tests/render/WindowView.h"
#include "tests/support/OffscreenGl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

// The tray picture of these tests, as stored (blue, green, red) and as it must show.
constexpr std::uint8_t TrayBlue = 0x20, TrayGreen = 0x90, TrayRed = 0x50;
constexpr double SurfaceZ = 0.0;
constexpr double DiscFaceMiddleZ = 0.14; // a face's middle is sunk 0.06 below its rim at 0.2

class BoardScene : public RendererTest {
protected:
    void SetUp() override
    {
        RendererTest::SetUp();
        m_renderer->loadTrayTexture(m_pictures.solid("tray.tga", 64, 64, 24, TrayBlue, TrayGreen, TrayRed).c_str());
        Board::instance()->reset();
    }

    // One frame of the scene; the projector holds the matrices the scene was drawn with.
    Projector drawFrame()
    {
        m_renderer->beginFrame();
        m_renderer->beginCamera();
        m_renderer->drawScene();
        Projector projector; // camera and tilt, still on the matrix
        m_renderer->endCamera();
        return projector;
    }

    static offscreen::Rgb pixelOver(const Projector& projector, int x, int y, double z)
    {
        const WindowPoint p = projector.project(x - 4.5, y - 4.5, z);
        return offscreen::pixelAt(p.x, p.y);
    }

    static bool near(const offscreen::Rgb& c, int r, int g, int b, int tolerance)
    {
        return std::abs(c.r - r) <= tolerance && std::abs(c.g - g) <= tolerance && std::abs(c.b - b) <= tolerance;
    }

    static std::string describe(const offscreen::Rgb& c)
    {
        std::ostringstream out;
        out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
        return out.str();
    }

    // Every square against the board: discs show their colour's face, empty squares the tray.
    // Row 1's middles are hidden by the frame's near rim. The cursor cone covers its square and,
    // seen as flat as 30 degrees, the middle of the square behind it.
    void expectBoardAsDrawn(const Projector& projector, int trayR, int trayG, int trayB)
    {
        const Board& board = *Board::instance();
        const CellPos cursor = m_renderer->cursorCell();
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y) {
                const Cell value = board.cellValue(std::uint8_t(x), std::uint8_t(y));
                if (value == White) {
                    const offscreen::Rgb c = pixelOver(projector, x, y, DiscFaceMiddleZ);
                    EXPECT_TRUE(c.r >= 190 && c.g >= 190 && c.b >= 190)
                        << "white face at " << x << "," << y << ": " << describe(c);
                } else if (value == Black) {
                    const offscreen::Rgb c = pixelOver(projector, x, y, DiscFaceMiddleZ);
                    EXPECT_TRUE(c.r <= 60 && c.g <= 60 && c.b <= 60)
                        << "dark face at " << x << "," << y << ": " << describe(c);
                } else if (y >= 2 && !(x == cursor.x && (y == cursor.y || y == cursor.y + 1))) {
                    const offscreen::Rgb c = pixelOver(projector, x, y, SurfaceZ);
                    EXPECT_TRUE(near(c, trayR, trayG, trayB, 8)) << "tray at " << x << "," << y << ": " << describe(c);
                }
            }
        }
    }
};

TEST_F(BoardScene, StartPositionShowsEachDiscFaceAndTheTrayElsewhere)
{
    ASSERT_FLOAT_EQ(m_renderer->tilt(), 45);
    const Projector projector = drawFrame();
    expectBoardAsDrawn(projector, TrayRed, TrayGreen, TrayBlue);

    // The cone over the cursor square (3, 5) hides the tray there.
    const CellPos cursor = m_renderer->cursorCell();
    EXPECT_EQ(cursor.x, 3);
    EXPECT_EQ(cursor.y, 5);
    const offscreen::Rgb cone = pixelOver(projector, cursor.x, cursor.y, 0.5);
    EXPECT_FALSE(near(cone, TrayRed, TrayGreen, TrayBlue, 30)) << describe(cone);

    // The frame's near rim, halfway across, shades from light to mid wood.
    const WindowPoint rimMiddle = projector.project(0.0, -4.5, 0.5);
    const offscreen::Rgb rim = offscreen::pixelAt(rimMiddle.x, rimMiddle.y);
    EXPECT_TRUE(near(rim, int(0.3 * 255), int(0.185 * 255), int(0.075 * 255), 14)) << describe(rim);
}

TEST_F(BoardScene, DiscsStayOnTheirSquaresAtEveryTilt)
{
    for (const auto& [direction, steps, tilt] : {std::tuple{TiltIncrease, 45, 90.0f}, std::tuple{TiltDecrease, 60, 30.0f}}) {
        for (int i = 0; i < steps; ++i)
            m_renderer->stepTilt(direction);
        ASSERT_FLOAT_EQ(m_renderer->tilt(), tilt);
        SCOPED_TRACE(tilt);
        expectBoardAsDrawn(drawFrame(), TrayRed, TrayGreen, TrayBlue);
    }
}

TEST_F(BoardScene, SceneLeavesOnlyItsTiltBehind)
{
    m_renderer->beginFrame();
    m_renderer->beginCamera();
    GLdouble expected[16];
    glPushMatrix();
    glRotatef(45.0f, 1.0f, 0.0f, 0.0f);
    glGetDoublev(GL_MODELVIEW_MATRIX, expected);
    glPopMatrix();

    m_renderer->drawScene();
    GLdouble after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(after[i], expected[i], 1e-5) << i;
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    m_renderer->endCamera();

    GLdouble identity[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, identity);
    for (int i = 0; i < 16; ++i)
        EXPECT_DOUBLE_EQ(identity[i], i % 5 == 0 ? 1.0 : 0.0) << i;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(BoardScene, EmptyBoardShowsOnlyTheTray)
{
    Board& board = *Board::instance();
    for (std::uint16_t x = 1; x <= 8; ++x)
        for (std::uint16_t y = 1; y <= 8; ++y)
            board.cell(x, y) = Empty;
    const Projector projector = drawFrame();
    for (int x = 1; x <= 8; ++x) {
        for (int y = 2; y <= 8; ++y) {
            if (x == 3 && y == 5)
                continue; // under the cursor cone
            const offscreen::Rgb c = pixelOver(projector, x, y, SurfaceZ);
            EXPECT_TRUE(near(c, TrayRed, TrayGreen, TrayBlue, 8)) << x << "," << y << ": " << describe(c);
        }
    }
    board.reset();
}

TEST_F(BoardScene, UnusableTrayPictureLeavesAPlainWhiteSurface)
{
    const std::string missing = m_pictures.pathOf("missing.tga");
    const std::string deep = m_pictures.solid("deep.tga", 8, 8, 32, TrayBlue, TrayGreen, TrayRed);
    for (const std::string& path : {missing, deep}) {
        SCOPED_TRACE(path);
        m_renderer->loadTrayTexture(path.c_str());
        expectBoardAsDrawn(drawFrame(), 255, 255, 255);
    }
}

TEST_F(BoardScene, CursorMarkerTurnsFourDegreesPerDrawnFrame)
{
    for (int frame = 0; frame < 90; ++frame)
        drawFrame();
    EXPECT_FLOAT_EQ(m_renderer->cursorSpin(), 360.0f);
    drawFrame();
    EXPECT_FLOAT_EQ(m_renderer->cursorSpin(), 364.0f) << "never wrapped";
}

TEST_F(BoardScene, MovedCursorTakesTheConeAlong)
{
    m_renderer->moveCursor(CursorRight); // (4, 5) holds a white disc
    m_renderer->moveCursor(CursorDown);  // (4, 4) holds a dark one
    m_renderer->moveCursor(CursorDown);  // (4, 3) is empty
    const Projector projector = drawFrame();
    const offscreen::Rgb coneHere = pixelOver(projector, 4, 3, 0.5);
    const offscreen::Rgb oldPlace = pixelOver(projector, 3, 5, SurfaceZ);
    EXPECT_FALSE(near(coneHere, TrayRed, TrayGreen, TrayBlue, 30)) << describe(coneHere);
    EXPECT_TRUE(near(oldPlace, TrayRed, TrayGreen, TrayBlue, 8)) << describe(oldPlace);
}

} // namespace
