// Picking: the square under a window pixel, against where the drawn scene's own matrices put
// each square (gluProject), at the flattest, the start and the steepest tilts.
#include "tests/render/RendererTest.h"

#include <gtest/gtest.h>

namespace {

constexpr int WindowHeight = 768;

class BoardPicking : public RendererTest {
protected:
    void tiltTo(float degrees)
    {
        while (m_renderer->tilt() < degrees)
            m_renderer->stepTilt(TiltIncrease);
        while (m_renderer->tilt() > degrees)
            m_renderer->stepTilt(TiltDecrease);
    }

    // The square picked at the pixel where board point (x, y) on the surface is drawn; (0, 0)
    // for none.
    CellPos pickedAt(double x, double y)
    {
        m_renderer->beginFrame();
        m_renderer->beginCamera();
        m_renderer->drawScene();
        const Projector drawn; // camera and tilt, as the scene was drawn
        m_renderer->endCamera();
        const WindowPoint p = drawn.project(x, y, 0.0);
        return m_renderer->squareAtPointer(p.x, WindowHeight - 1 - p.y).value_or(CellPos{});
    }
};

TEST_F(BoardPicking, EverySquareCentreIsPickedAsItsSquare)
{
    for (float tilt : {30.0f, 45.0f, 60.0f, 90.0f}) {
        tiltTo(tilt);
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y) {
                const CellPos picked = pickedAt(x - 4.5, y - 4.5);
                EXPECT_EQ(picked.x, x) << "tilt " << tilt << ", square " << x << "," << y;
                EXPECT_EQ(picked.y, y) << "tilt " << tilt << ", square " << x << "," << y;
            }
    }
}

struct EdgeRow {
    float tilt;
    double x, y; // a board point on the surface, a tenth of a square from an edge
    int squareX, squareY; // 0, 0: off the board
};

TEST_F(BoardPicking, TheBoardsEdgesAtTheFlattestAndSteepestTilts)
{
    const std::vector<EdgeRow> rows = {
        {30, -3.9, 0.5, 1, 5}, {30, -4.1, 0.5, 0, 0}, {30, 3.9, 0.5, 8, 5}, {30, 4.1, 0.5, 0, 0},
        {30, 0.5, 3.9, 5, 8},  {30, 0.5, 4.1, 0, 0},  {30, 0.5, -3.9, 5, 1}, {30, 0.5, -4.1, 0, 0},
        {30, -3.9, -3.9, 1, 1}, {30, 3.9, 3.9, 8, 8}, {30, 4.1, 4.1, 0, 0},
        {90, -3.9, 0.5, 1, 5}, {90, -4.1, 0.5, 0, 0}, {90, 3.9, 0.5, 8, 5}, {90, 4.1, 0.5, 0, 0},
        {90, 0.5, 3.9, 5, 8},  {90, 0.5, 4.1, 0, 0},  {90, 0.5, -3.9, 5, 1}, {90, 0.5, -4.1, 0, 0},
        {90, -3.9, 3.9, 1, 8}, {90, 3.9, -3.9, 8, 1},
    };
    for (const EdgeRow& row : rows) {
        tiltTo(row.tilt);
        const CellPos picked = pickedAt(row.x, row.y);
        EXPECT_EQ(picked.x, row.squareX) << "tilt " << row.tilt << " at " << row.x << "," << row.y;
        EXPECT_EQ(picked.y, row.squareY) << "tilt " << row.tilt << " at " << row.x << "," << row.y;
    }
}

TEST_F(BoardPicking, PixelsThatShowNoBoardPickNothing)
{
    tiltTo(30.0f);
    EXPECT_FALSE(m_renderer->squareAtPointer(512, 2));    // the black sky above the board
    EXPECT_FALSE(m_renderer->squareAtPointer(2, 765));    // the frame's near corner
    EXPECT_FALSE(m_renderer->squareAtPointer(-5, -5));    // outside the window
}

} // namespace
