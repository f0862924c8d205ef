// The disc's and the cone's vertex tables: radii, winding and resting height.
#include "render/ShapeTables.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ShapeTables, RingPointsAreEvery30DegreesAtRadius04)
{
    for (int j = 0; j < shapes::RingPoints; ++j) {
        const double angle = j * 30.0 * M_PI / 180.0;
        EXPECT_NEAR(shapes::RingX[j], 0.4 * std::cos(angle), 1e-7) << j;
        EXPECT_NEAR(shapes::RingY[j], 0.4 * std::sin(angle), 1e-7) << j;
    }
}

// Twice the signed area of a polygon's outline seen from +z: positive when counter-clockwise.
double windingArea(const ColouredVertex* points, std::size_t count)
{
    double area = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const ColouredVertex& a = points[i];
        const ColouredVertex& b = points[(i + 1) % count];
        area += double(a.x) * b.y - double(b.x) * a.y;
    }
    return area;
}

TEST(ShapeTables, FacesMeantToBeSeenAreCounterClockwiseFromAbove)
{
    EXPECT_GT(windingArea(shapes::WhiteFace.data() + 1, shapes::RingPoints - 1), 0.0);
    EXPECT_GT(windingArea(shapes::BlackFace.data() + 1, shapes::RingPoints - 1), 0.0);
    EXPECT_GT(windingArea(shapes::CursorCone.data() + 1, shapes::RingPoints - 1), 0.0);
    // The top rim's first quad: outer, inner, next inner, next outer.
    const auto& rim = shapes::TrayTopRim;
    const std::array<ColouredVertex, 4> quad = {rim[0], rim[1], rim[3], rim[2]};
    EXPECT_GT(windingArea(quad.data(), quad.size()), 0.0);
}

TEST(ShapeTables, DiscRestsOnTheSurfaceWithSunkenFaces)
{
    for (const auto* face : {&shapes::WhiteFace, &shapes::BlackFace}) {
        EXPECT_FLOAT_EQ((*face)[0].z, 0.04f);
        EXPECT_FLOAT_EQ((*face)[1].z, 0.1f);
    }
    EXPECT_FLOAT_EQ(shapes::WhiteSide[0].z, 0.1f);
    EXPECT_FLOAT_EQ(shapes::WhiteSide[1].z, 0.0f);
    EXPECT_FLOAT_EQ(shapes::CursorCone[0].z, 0.4f);
    // The wheel closes on the colour it opened with.
    EXPECT_FLOAT_EQ(shapes::CursorCone[1].r, shapes::CursorCone[13].r);
    EXPECT_FLOAT_EQ(shapes::CursorCone[1].b, shapes::CursorCone[13].b);
    // The frame closes on its first corner.
    EXPECT_FLOAT_EQ(shapes::TrayOuterWall[0].x, shapes::TrayOuterWall[8].x);
    EXPECT_FLOAT_EQ(shapes::TrayOuterWall[0].y, shapes::TrayOuterWall[8].y);
}

} // namespace
