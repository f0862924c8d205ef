// The cursor's and the tilt's steps and limits, and a renderer that has not touched OpenGL yet.
#include "render/CursorControl.h"
#include "render/Directions.h"
#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct CursorRow {
    CellPos from;
    std::int32_t direction;
    CellPos to;
};

TEST(Cursor, StepsOneSquareAndStopsAtTheEdge)
{
    const CursorRow rows[] = {
        {{3, 5}, CursorUp, {3, 6}},
        {{3, 5}, CursorDown, {3, 4}},
        {{3, 5}, CursorLeft, {2, 5}},
        {{3, 5}, CursorRight, {4, 5}},
        {{8, 4}, CursorRight, {8, 4}},
        {{1, 4}, CursorLeft, {1, 4}},
        {{6, 8}, CursorUp, {6, 8}},
        {{6, 1}, CursorDown, {6, 1}},
        {{8, 8}, CursorLeft, {7, 8}},
        {{1, 1}, CursorUp, {1, 2}},
        {{3, 5}, 0, {3, 5}},
        {{3, 5}, 5, {3, 5}},
        {{3, 5}, -1, {3, 5}},
        // Before the renderer is initialised the cursor is (0, 0); a step never wraps round.
        {{0, 0}, CursorDown, {0, 1}},
        {{0, 0}, CursorLeft, {1, 0}},
    };
    for (const CursorRow& row : rows) {
        const CellPos moved = movedCursor(row.from, row.direction);
        EXPECT_EQ(moved.x, row.to.x) << int(row.from.x) << "," << int(row.from.y) << " dir " << row.direction;
        EXPECT_EQ(moved.y, row.to.y) << int(row.from.x) << "," << int(row.from.y) << " dir " << row.direction;
    }
}

TEST(Cursor, CrossesTheBoardInSevenStepsWhateverMorePresses)
{
    CellPos cursor{1, 1};
    for (int i = 0; i < 20; ++i)
        cursor = movedCursor(cursor, CursorRight);
    EXPECT_EQ(cursor.x, 8);
    for (int i = 0; i < 20; ++i)
        cursor = movedCursor(cursor, CursorUp);
    EXPECT_EQ(cursor.y, 8);
}

float stepped(float tilt, std::int32_t direction, int times)
{
    for (int i = 0; i < times; ++i)
        tilt = steppedTilt(tilt, direction);
    return tilt;
}

TEST(Tilt, OneDegreeAStepWithin30And90)
{
    EXPECT_FLOAT_EQ(stepped(45, TiltIncrease, 1), 46);
    EXPECT_FLOAT_EQ(stepped(45, TiltIncrease, 44), 89);
    EXPECT_FLOAT_EQ(stepped(45, TiltIncrease, 45), 90);
    EXPECT_FLOAT_EQ(stepped(45, TiltIncrease, 60), 90);
    EXPECT_FLOAT_EQ(stepped(45, TiltDecrease, 14), 31);
    EXPECT_FLOAT_EQ(stepped(45, TiltDecrease, 15), 30);
    EXPECT_FLOAT_EQ(stepped(45, TiltDecrease, 40), 30);
    EXPECT_FLOAT_EQ(stepped(45, 0, 3), 45);
    EXPECT_FLOAT_EQ(stepped(45, 3, 3), 45);
    // Holding both keys: the pair cancels out except at a limit.
    float tilt = 60;
    for (int i = 0; i < 10; ++i)
        tilt = steppedTilt(steppedTilt(tilt, TiltIncrease), TiltDecrease);
    EXPECT_FLOAT_EQ(tilt, 60);
    tilt = 90;
    tilt = steppedTilt(steppedTilt(tilt, TiltIncrease), TiltDecrease);
    EXPECT_FLOAT_EQ(tilt, 89);
}

// The renderer's cursor and tilt need no OpenGL until it draws.
class RendererWithoutGl : public ::testing::Test {
protected:
    void SetUp() override { Renderer::destroyInstance(); }
    void TearDown() override { Renderer::destroyInstance(); }
};

TEST_F(RendererWithoutGl, FreshRendererStartsAtTheOriginAndSteersFromThere)
{
    Renderer* renderer = Renderer::instance();
    EXPECT_EQ(Renderer::instance(), renderer);
    EXPECT_EQ(renderer->cursorCell().x, 0);
    EXPECT_EQ(renderer->cursorCell().y, 0);
    EXPECT_FLOAT_EQ(renderer->tilt(), 0);
    EXPECT_FLOAT_EQ(renderer->cursorSpin(), 0);

    renderer->moveCursor(CursorRight);
    renderer->moveCursor(CursorUp);
    renderer->moveCursor(99);
    EXPECT_EQ(renderer->cursorCell().x, 1);
    EXPECT_EQ(renderer->cursorCell().y, 1);

    renderer->stepTilt(TiltDecrease); // from 0 the lower limit applies at once
    EXPECT_FLOAT_EQ(renderer->tilt(), 30);
    renderer->stepTilt(TiltIncrease);
    EXPECT_FLOAT_EQ(renderer->tilt(), 31);
}

TEST_F(RendererWithoutGl, DestroyedRendererComesBackFresh)
{
    Renderer::instance()->moveCursor(CursorUp);
    Renderer::destroyInstance();
    Renderer::destroyInstance(); // none left: does nothing
    EXPECT_EQ(Renderer::instance()->cursorCell().y, 0);
}

TEST_F(RendererWithoutGl, FontWithoutAtlasScalesToNothingAndKeepsItsFlags)
{
    Renderer* renderer = Renderer::instance();
    EXPECT_EQ(&renderer->font(), static_cast<TextureFont*>(renderer));
    EXPECT_FALSE(renderer->isFontLoaded());
    EXPECT_EQ(renderer->flags(), 0u);

    renderer->setScale(0.03f, 0.03f, 1.0f);
    for (int axis = 0; axis < 2; ++axis) {
        EXPECT_TRUE(std::isfinite(renderer->scale()[axis]));
        EXPECT_EQ(renderer->scale()[axis], 0.0f);
    }
    EXPECT_EQ(renderer->scale()[2], 1.0f);

    renderer->setFlags(TextureFont::FontBlend);
    renderer->setFlags(TextureFont::FontSpacing);
    renderer->setFlags(0);
    EXPECT_EQ(renderer->flags(), 5u) << "flags only accumulate";

    renderer->print(0.0f, 0.0f, nullptr); // no format: nothing happens, not even a GL call
}

} // namespace
