#pragma once
// The board scene's constant shapes, in OpenGL's interleaved GL_C3F_V3F layout (red, green,
// blue, x, y, z as 32-bit floats, 24 bytes a vertex), handed to glInterleavedArrays as they are.
//
// Units are world units (one board square is one unit, z up). The tray frame is in tray
// coordinates, 0..8 over the playing area; discs and the cursor cone are centred on their
// square's middle. Every side meant to be seen is wound counter-clockwise from outside, so back
// faces can be culled. A ring is 13 points at radius 0.4, every 30 degrees counter-clockwise
// seen from +z, the last repeating the first.
#include <array>
#include <cstddef>

struct ColouredVertex {
    float r, g, b;
    float x, y, z;
};
static_assert(sizeof(ColouredVertex) == 24, "GL_C3F_V3F expects six tightly packed floats");

struct Colour {
    float r, g, b;
};

namespace shapes {

constexpr int RingPoints = 13;
constexpr std::size_t FanVertices = RingPoints + 1;      // centre or apex, then the ring
constexpr std::size_t RingStripVertices = 2 * RingPoints; // upper then lower point per ring point
constexpr std::size_t FrameStripVertices = 10;            // two per corner, 4 corners and back

// 0.4 cos 30j and 0.4 sin 30j degrees.
constexpr float RingX[RingPoints] = {0.4f, 0.34641016f, 0.2f, 0.0f, -0.2f, -0.34641016f, -0.4f,
                                     -0.34641016f, -0.2f, 0.0f, 0.2f, 0.34641016f, 0.4f};
constexpr float RingY[RingPoints] = {0.0f, 0.2f, 0.34641016f, 0.4f, 0.34641016f, 0.2f, 0.0f,
                                     -0.2f, -0.34641016f, -0.4f, -0.34641016f, -0.2f, 0.0f};

constexpr Colour grey(float level) { return {level, level, level}; }

constexpr ColouredVertex vertex(Colour c, float x, float y, float z) { return {c.r, c.g, c.b, x, y, z}; }

// A point (the centre of a disc face or the cone's apex) joined to every ring point.
constexpr std::array<ColouredVertex, FanVertices> fan(Colour middle, float middleZ, Colour rim, float rimZ)
{
    std::array<ColouredVertex, FanVertices> v{};
    v[0] = vertex(middle, 0.0f, 0.0f, middleZ);
    for (int j = 0; j < RingPoints; ++j)
        v[std::size_t(j) + 1] = vertex(rim, RingX[j], RingY[j], rimZ);
    return v;
}

// The ring's side wall between two heights, as a quad strip.
constexpr std::array<ColouredVertex, RingStripVertices> ringWall(Colour upper, float upperZ, Colour lower,
                                                                 float lowerZ)
{
    std::array<ColouredVertex, RingStripVertices> v{};
    for (int j = 0; j < RingPoints; ++j) {
        v[2 * std::size_t(j)] = vertex(upper, RingX[j], RingY[j], upperZ);
        v[2 * std::size_t(j) + 1] = vertex(lower, RingX[j], RingY[j], lowerZ);
    }
    return v;
}

// Disc halves: each face is sunk 0.06 towards its middle. The white half is drawn facing +z,
// the black half after a half turn about x.
inline constexpr auto WhiteFace = fan(grey(0.8f), 0.04f, grey(1.0f), 0.1f);
inline constexpr auto WhiteSide = ringWall(grey(1.0f), 0.1f, grey(0.7f), 0.0f);
inline constexpr auto BlackFace = fan(grey(0.0f), 0.04f, grey(0.2f), 0.1f);
inline constexpr auto BlackSide = ringWall(grey(0.2f), 0.1f, grey(0.0f), 0.0f);

// The cursor marker: a colour wheel round the base of a cone of height 0.4, white apex up.
inline constexpr std::array<Colour, RingPoints> CursorWheel = {{
    {1.0f, 0.0f, 0.0f}, {1.0f, 0.5f, 0.0f}, {1.0f, 1.0f, 0.0f}, {0.5f, 1.0f, 0.0f}, {0.0f, 1.0f, 0.0f},
    {0.0f, 1.0f, 0.5f}, {0.0f, 1.0f, 1.0f}, {0.0f, 0.5f, 1.0f}, {0.0f, 0.0f, 1.0f}, {0.5f, 0.0f, 1.0f},
    {1.0f, 0.0f, 1.0f}, {1.0f, 0.0f, 0.5f}, {1.0f, 0.0f, 0.0f},
}};

constexpr std::array<ColouredVertex, FanVertices> cursorCone()
{
    std::array<ColouredVertex, FanVertices> v{};
    v[0] = vertex(grey(1.0f), 0.0f, 0.0f, 0.4f);
    for (int j = 0; j < RingPoints; ++j)
        v[std::size_t(j) + 1] = vertex(CursorWheel[std::size_t(j)], RingX[j], RingY[j], 0.0f);
    return v;
}
inline constexpr auto CursorCone = cursorCone();

// Tray frame: one unit wide round the 8 x 8 surface, its top 0.5 above the surface and its
// outer side reaching 0.5 below it; lit from outside to inside, darkening towards the surface.
constexpr Colour LightWood = {0.4f, 0.25f, 0.1f};
constexpr Colour MidWood = {0.2f, 0.12f, 0.05f};
constexpr Colour DarkWood = {0.1f, 0.06f, 0.02f};

constexpr float OuterCorners[5][2] = {{-1, -1}, {-1, 9}, {9, 9}, {9, -1}, {-1, -1}};
constexpr float InnerCorners[5][2] = {{0, 0}, {0, 8}, {8, 8}, {8, 0}, {0, 0}};

// For each corner in turn: the first corner's point, then the second's.
constexpr std::array<ColouredVertex, FrameStripVertices> frameStrip(const float (&firstCorners)[5][2], float firstZ,
                                                                    Colour firstColour,
                                                                    const float (&secondCorners)[5][2],
                                                                    float secondZ, Colour secondColour)
{
    std::array<ColouredVertex, FrameStripVertices> v{};
    for (std::size_t i = 0; i < 5; ++i) {
        v[2 * i] = vertex(firstColour, firstCorners[i][0], firstCorners[i][1], firstZ);
        v[2 * i + 1] = vertex(secondColour, secondCorners[i][0], secondCorners[i][1], secondZ);
    }
    return v;
}

inline constexpr auto TrayTopRim = frameStrip(OuterCorners, 0.5f, LightWood, InnerCorners, 0.5f, MidWood);
inline constexpr auto TrayInnerWall = frameStrip(InnerCorners, 0.5f, MidWood, InnerCorners, 0.0f, DarkWood);
inline constexpr auto TrayOuterWall = frameStrip(OuterCorners, -0.5f, MidWood, OuterCorners, 0.5f, LightWood);

} // namespace shapes
