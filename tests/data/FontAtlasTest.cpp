// The font atlas ./data/image/font3.tga as the texture font uses it: 16 x 16 cells in byte
// order, row 0 at the top as seen; one glyph per printable Windows-1252 byte, blank cells for
// spaces, control bytes and undefined bytes; ink only where the game's layout leaves room.
#include "image/TgaImage.h"
#include "tests/data/PictureView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr int Cells = 16;
constexpr int Cell = 32;            // texels per cell side in a 512 x 512 atlas
constexpr int AdvanceTexels = 19;   // the pen advances 60 % of a cell: 19.2 texels
constexpr int Solid = 128;          // grey from which a texel counts as part of a stroke

bool isBlankByte(int byte)
{
    switch (byte) {
    case 0x20: case 0x7F: case 0xA0:                         // spaces and delete
    case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D:   // undefined in Windows-1252
        return true;
    default:
        return byte < 0x20;                                  // control bytes, newline included
    }
}

// Ink extent of one cell, in texels within the cell.
struct CellInk {
    int strongest = 0;
    int left = Cell, right = -1, top = Cell, bottom = -1;          // any ink at all
    int solidTop = Cell, solidBottom = -1;                         // rows with solid ink
    int solidLeft = Cell, solidRight = -1;
};

class FontAtlas : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_image = std::make_unique<TgaImage>("./data/image/font3.tga");
    }
    static void TearDownTestSuite() { s_image.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_image->isLoaded());
        ASSERT_EQ(Cells * Cell, s_image->width());
        ASSERT_EQ(Cells * Cell, s_image->height());
    }

    static CellInk inkOf(int byte)
    {
        const PictureView atlas(*s_image);
        const int left = (byte % Cells) * Cell;
        const int top = (byte / Cells) * Cell;
        CellInk ink;
        for (int y = 0; y < Cell; ++y) {
            for (int x = 0; x < Cell; ++x) {
                const int grey = atlas.at(left + x, top + y).red;
                ink.strongest = std::max(ink.strongest, grey);
                if (grey > 0) {
                    ink.left = std::min(ink.left, x);
                    ink.right = std::max(ink.right, x);
                    ink.top = std::min(ink.top, y);
                    ink.bottom = std::max(ink.bottom, y);
                }
                if (grey >= Solid) {
                    ink.solidTop = std::min(ink.solidTop, y);
                    ink.solidBottom = std::max(ink.solidBottom, y);
                    ink.solidLeft = std::min(ink.solidLeft, x);
                    ink.solidRight = std::max(ink.solidRight, x);
                }
            }
        }
        return ink;
    }

    static int byteOf(const char* windows1252) { return static_cast<unsigned char>(windows1252[0]); }

    static std::unique_ptr<TgaImage> s_image;
};

std::unique_ptr<TgaImage> FontAtlas::s_image;

TEST_F(FontAtlas, IsWhiteOnBlackWithoutColour)
{
    const PictureView atlas(*s_image);
    for (int y = 0; y < atlas.height(); ++y) {
        for (int x = 0; x < atlas.width(); ++x) {
            const Rgb texel = atlas.at(x, y);
            ASSERT_EQ(texel.red, texel.green) << x << ", " << y;
            ASSERT_EQ(texel.red, texel.blue) << x << ", " << y;
        }
    }
}

TEST_F(FontAtlas, EveryPrintableByteHasASolidGlyphAndEveryBlankByteNone)
{
    for (int byte = 0; byte < 256; ++byte) {
        const CellInk ink = inkOf(byte);
        if (isBlankByte(byte))
            EXPECT_EQ(0, ink.strongest) << "byte 0x" << std::hex << byte << " should be blank";
        else
            EXPECT_GE(ink.strongest, 250) << "byte 0x" << std::hex << byte << " has no solid glyph";
    }
}

TEST_F(FontAtlas, InkStaysWithinTheAdvanceAndOffTheCellBorder)
{
    for (int byte = 0; byte < 256; ++byte) {
        const CellInk ink = inkOf(byte);
        if (ink.strongest == 0)
            continue;
        // Right of 60 % of the cell the next glyph is drawn; the outer ring stays black so
        // linear filtering never pulls a neighbour's ink into this cell's quad.
        EXPECT_LT(ink.right, AdvanceTexels) << "byte 0x" << std::hex << byte;
        EXPECT_GT(ink.left, 0) << "byte 0x" << std::hex << byte;
        EXPECT_GT(ink.top, 0) << "byte 0x" << std::hex << byte;
        EXPECT_LT(ink.bottom, Cell - 1) << "byte 0x" << std::hex << byte;
    }
}

TEST_F(FontAtlas, GlyphsShareOneBaselineWithRoomAboveAndBelow)
{
    const int baseline = inkOf('H').solidBottom;
    for (const char flatBottomed : std::string("EHIKLMNXZiklmnrxz1247")) {
        EXPECT_EQ(baseline, inkOf(flatBottomed).solidBottom) << "'" << flatBottomed << "'";
    }
    for (const char descender : std::string("gjpqy,;")) {
        EXPECT_GE(inkOf(descender).solidBottom, baseline + 3) << "'" << descender << "'";
    }
    // Accents above capitals stay clear of the capital and inside the cell (checked above).
    EXPECT_LT(inkOf(byteOf("\xC9")).solidTop, inkOf('E').solidTop - 2) << "E acute";
    EXPECT_LT(inkOf(byteOf("\xC5")).solidTop, inkOf('A').solidTop - 2) << "A ring";
    // Right side up as seen: the underscore sits low in its cell, the macron high.
    EXPECT_GT(inkOf('_').solidTop, baseline);
    EXPECT_LT(inkOf(byteOf("\xAF")).solidBottom, inkOf('x').solidTop) << "macron";
}

TEST_F(FontAtlas, GlyphsAreSqueezedToLookRightInTheWideOnScreenCell)
{
    // A cell shows about 31 pixels wide and 23 tall, so a texel is drawn 0.96 pixels wide and
    // 0.72 tall. Round letters must come out round there, not 4/3 too wide.
    constexpr double PixelsPerTexelAcross = 1024 * 0.03 / Cell;
    constexpr double PixelsPerTexelDown = 768 * 0.03 / Cell;
    for (const char round : std::string("Oo0")) {
        const CellInk ink = inkOf(round);
        const double shownWidth = (ink.solidRight - ink.solidLeft + 1) * PixelsPerTexelAcross;
        const double shownHeight = (ink.solidBottom - ink.solidTop + 1) * PixelsPerTexelDown;
        EXPECT_GT(shownWidth / shownHeight, 0.6) << "'" << round << "'";
        EXPECT_LT(shownWidth / shownHeight, 1.15) << "'" << round << "'";
    }
    // Big enough to read: capitals at least 14 screen pixels tall.
    const CellInk capital = inkOf('H');
    EXPECT_GE((capital.solidBottom - capital.solidTop + 1) * PixelsPerTexelDown, 14.0);
}

TEST_F(FontAtlas, NarrowLettersFillTheirStepLikeTheOthers)
{
    // Every byte gets the same pen step, so a thin i or l would stand alone in a wide gap and
    // a word would read as loose letters: the narrowest letter is at least half as wide as m.
    const CellInk wide = inkOf('m');
    const int wideWidth = wide.solidRight - wide.solidLeft + 1;
    for (const char narrow : std::string("iljrtfI1")) {
        const CellInk ink = inkOf(narrow);
        EXPECT_GE(2 * (ink.solidRight - ink.solidLeft + 1), wideWidth) << "'" << narrow << "'";
    }
}

} // namespace
