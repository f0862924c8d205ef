// Channel access: which byte each selector reaches, and that no selector or coordinate reaches a
// byte outside the pixel buffer.
#include "image/TgaImage.h"
#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tgatest;

namespace {

// A created image whose buffer holds patternBytes, adopted through setPixels.
void fill(TgaImage& image, std::uint16_t width, std::uint16_t height, std::uint8_t depth)
{
    image.create(width, height, depth);
    const Bytes bytes = patternBytes(image.bufferSize());
    std::copy(bytes.begin(), bytes.end(), image.pixels());
}

Bytes held(const TgaImage& image) { return Bytes(image.pixels(), image.pixels() + image.bufferSize()); }

} // namespace

TEST(TgaChannel, ColourSelectorsReachBlueGreenRedInStoredOrder)
{
    struct Row {
        std::uint8_t depth;
        std::size_t pixelSize;
    };
    for (const Row row : {Row{24, 3}, Row{32, 4}}) {
        SCOPED_TRACE(int(row.depth));
        TgaImage image;
        fill(image, 3, 2, row.depth);
        const Bytes bytes = held(image);
        for (std::uint16_t y = 0; y < 2; ++y) {
            for (std::uint16_t x = 0; x < 3; ++x) {
                const std::size_t start = (y * 3u + x) * row.pixelSize;
                EXPECT_EQ(image.channel(x, y, Blue), bytes[start]);
                EXPECT_EQ(image.channel(x, y, Green), bytes[start + 1]);
                EXPECT_EQ(image.channel(x, y, Red), bytes[start + 2]);
            }
        }
    }
}

TEST(TgaChannel, AlphaOnlyAtSixteenAndThirtyTwoBits)
{
    TgaImage deep;
    fill(deep, 2, 2, 32);
    EXPECT_EQ(deep.channel(1, 1, Alpha), deep.pixels()[15]);
    EXPECT_TRUE(deep.setChannel(1, 1, Alpha, 0xee));
    EXPECT_EQ(deep.pixels()[15], 0xee);

    TgaImage sixteen;
    fill(sixteen, 2, 1, 16);
    EXPECT_EQ(sixteen.channel(0, 0, Alpha), sixteen.pixels()[3]);

    for (std::uint8_t depth : {8, 24}) {
        SCOPED_TRACE(int(depth));
        TgaImage image;
        fill(image, 2, 2, depth);
        const Bytes before = held(image);
        EXPECT_EQ(image.channel(0, 0, Alpha), 0);
        EXPECT_FALSE(image.setChannel(0, 0, Alpha, 0xee));
        EXPECT_EQ(held(image), before);
    }
}

TEST(TgaChannel, SelectorsPastAlphaAreRejected)
{
    TgaImage image;
    fill(image, 2, 2, 32);
    const Bytes before = held(image);
    for (std::uint32_t value : {4u, 5u, 0x80000000u, 0xffffffffu}) {
        SCOPED_TRACE(value);
        const auto which = static_cast<ColourChannel>(value);
        EXPECT_EQ(image.channel(0, 0, which), 0);
        EXPECT_FALSE(image.setChannel(0, 0, which, 0xee));
    }
    EXPECT_EQ(held(image), before);
}

TEST(TgaChannel, SetChannelWritesOneByteAndLeavesTheModifiedFlag)
{
    TgaImage image;
    fill(image, 2, 2, 24);
    Bytes expected = held(image);
    EXPECT_TRUE(image.setChannel(1, 1, Red, 0x42));
    expected[(1 * 2 + 1) * 3 + 2] = 0x42;
    EXPECT_EQ(held(image), expected);
    EXPECT_FALSE(image.isModified());
}

// Bytes the header or the coordinates point at but the buffer does not hold read as 0 and are
// never written. (AddressSanitizer watches the buffer's edges in the sanitizer build.)
TEST(TgaChannel, NothingOutsideTheBufferIsReached)
{
    struct Row {
        const char* what;
        std::uint16_t width, height;
        std::uint8_t depth;
        std::uint16_t grownWidth; // 0: header left as created
        std::uint16_t x, y;
        ColourChannel which;
    };
    const Row rows[] = {
        {"row past the last", 2, 2, 24, 0, 0, 2, Blue},
        {"column far past the width", 2, 2, 24, 0, 65535, 1, Red},
        {"largest coordinates", 2, 2, 32, 0, 65535, 65535, Alpha},
        {"16-bit red of the last pixel", 2, 1, 16, 0, 1, 0, Red},
        {"16-bit alpha of the last pixel", 2, 1, 16, 0, 1, 0, Alpha},
        {"8-bit red of the second last pixel", 4, 1, 8, 0, 2, 0, Red},
        {"width grown after the buffer was made", 2, 2, 24, 100, 50, 1, Green},
        {"depth 0 has no bytes at all", 4, 4, 0, 0, 0, 0, Blue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TgaImage image;
        fill(image, row.width, row.height, row.depth);
        if (row.grownWidth) image.setWidth(row.grownWidth);
        const Bytes before = held(image);
        EXPECT_EQ(image.channel(row.x, row.y, row.which), 0);
        EXPECT_FALSE(image.setChannel(row.x, row.y, row.which, 0xee));
        EXPECT_EQ(held(image), before);
    }
}

TEST(TgaChannel, AnImageWithoutPixelsHasNoChannels)
{
    TgaImage fresh;
    fresh.setWidth(4);
    fresh.setHeight(4);
    EXPECT_EQ(fresh.channel(0, 0, Red), 0);
    EXPECT_FALSE(fresh.setChannel(0, 0, Red, 1));

    TgaImage dropped;
    fill(dropped, 2, 2, 24);
    dropped.setPixels(nullptr);
    EXPECT_EQ(dropped.bufferSize(), 0u);
    EXPECT_FALSE(dropped.setChannel(0, 0, Red, 1));
}
