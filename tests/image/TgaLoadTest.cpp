// Loading well-formed files: where the ID and the pixels come from, what a refused file leaves.
#include "image/TgaImage.h"
#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tgatest;

namespace {

Bytes heldPixels(const TgaImage& image)
{
    return Bytes(image.pixels(), image.pixels() + image.bufferSize());
}

} // namespace

TEST(TgaLoad, TwoByTwoPixelsAreTheFileBytesBehindTheHeader)
{
    TempFolder folder;
    const Bytes file = join(headerBytes({2, 2, 24}), patternBytes(12));
    TgaImage image(folder.write("a.tga", file).c_str());

    ASSERT_TRUE(image.isLoaded());
    EXPECT_EQ(image.width(), 2);
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(image.bitsPerPixel(), 24);
    ASSERT_EQ(image.bufferSize(), 12u);
    EXPECT_EQ(heldPixels(image), Bytes(file.begin() + 18, file.begin() + 30));
    EXPECT_EQ(image.channel(0, 0, Red), file[20]);
    ASSERT_NE(image.imageId(), nullptr);
    EXPECT_EQ(image.imageId()[0], 0);
    EXPECT_FALSE(image.isModified());
    EXPECT_TRUE(image.holdsWhole24BitPicture());
}

TEST(TgaLoad, ImageIdSitsBetweenHeaderAndPixels)
{
    TempFolder folder;
    HeaderFields fields{2, 2, 24};
    fields.idLength = 5;
    const Bytes file = join(join(headerBytes(fields), {'h', 'e', 'l', 'l', 'o'}), patternBytes(12));
    TgaImage image(folder.write("id.tga", file).c_str());

    ASSERT_TRUE(image.isLoaded());
    EXPECT_STREQ(reinterpret_cast<const char*>(image.imageId()), "hello");
    EXPECT_EQ(heldPixels(image), Bytes(file.begin() + 23, file.end()));
}

TEST(TgaLoad, ColourMapLengthIsSkippedAsBytesBeforeTheId)
{
    TempFolder folder;
    HeaderFields fields{1, 1, 24};
    fields.idLength = 2;
    fields.colourMapLength = 4;
    const Bytes file =
        join(join(join(headerBytes(fields), {9, 9, 9, 9}), {'i', 'd'}), {10, 20, 30});
    TgaImage image(folder.write("map.tga", file).c_str());

    ASSERT_TRUE(image.isLoaded());
    EXPECT_EQ(image.header().colourMapLength, 4);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.imageId()), "id");
    EXPECT_EQ(heldPixels(image), (Bytes{10, 20, 30}));
}

TEST(TgaLoad, HeaderFieldsAreReadLittleEndianAndKept)
{
    TempFolder folder;
    HeaderFields fields{0x0102, 1, 32};
    fields.xOrigin = 0x1234;
    fields.yOrigin = 0xabcd;
    fields.descriptor = 8;
    // Bytes behind the pixel data (a footer, say) are not read.
    const Bytes file = join(join(headerBytes(fields), patternBytes(0x0102 * 4)), {1, 2, 3});
    TgaImage image(folder.write("le.tga", file).c_str());

    ASSERT_TRUE(image.isLoaded());
    EXPECT_EQ(image.width(), 0x0102);
    EXPECT_EQ(image.header().xOrigin, 0x1234);
    EXPECT_EQ(image.header().yOrigin, 0xabcd);
    EXPECT_EQ(image.header().imageDescriptor, 8);
    EXPECT_EQ(image.bufferSize(), 0x0102u * 4);
    EXPECT_EQ(image.pixels()[0x0102 * 4 - 1], file[18 + 0x0102 * 4 - 1]);
}

TEST(TgaLoad, OtherImageTypesFailAfterTheHeaderIsRead)
{
    TempFolder folder;
    HeaderFields fields{7, 3, 24};
    fields.imageType = 10; // run-length encoded
    TgaImage image(folder.write("rle.tga", join(headerBytes(fields), patternBytes(63))).c_str());

    EXPECT_FALSE(image.isLoaded());
    EXPECT_EQ(image.width(), 7);
    EXPECT_EQ(image.height(), 3);
    EXPECT_EQ(image.header().imageType, 10);
    EXPECT_EQ(image.pixels(), nullptr);
    EXPECT_EQ(image.imageId(), nullptr);
}

TEST(TgaLoad, MissingFileKeepsTheDefaultsApartFromTheName)
{
    TempFolder folder;
    const std::string missing = folder.path("missing.tga");
    TgaImage image;
    EXPECT_FALSE(image.load(missing.c_str()));

    EXPECT_FALSE(image.isLoaded());
    EXPECT_EQ(image.fileName(), missing);
    EXPECT_EQ(image.header().imageType, 2);
    EXPECT_EQ(image.bitsPerPixel(), 24);
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.pixels(), nullptr);
    EXPECT_FALSE(image.isSaved());
    EXPECT_FALSE(image.isModified());
}

TEST(TgaLoad, UnreadablePathsFail)
{
    TempFolder folder;
    TgaImage image;
    EXPECT_FALSE(image.load(folder.path("").c_str())) << "a folder";
    EXPECT_FALSE(image.load(nullptr));
    EXPECT_EQ(image.fileName(), "");
}

TEST(TgaLoad, AFailedLoadDropsThePicturePreviouslyHeld)
{
    TempFolder folder;
    TgaImage image(folder.write("good.tga", join(headerBytes({2, 1, 24}), patternBytes(6))).c_str());
    ASSERT_TRUE(image.isLoaded());

    EXPECT_FALSE(image.load(folder.write("short.tga", join(headerBytes({2, 1, 24}), patternBytes(5))).c_str()));
    EXPECT_FALSE(image.isLoaded());
    EXPECT_EQ(image.pixels(), nullptr);
    EXPECT_EQ(image.bufferSize(), 0u);
    EXPECT_EQ(image.channel(0, 0, Blue), 0);
    EXPECT_FALSE(image.holdsWhole24BitPicture());
}

TEST(TgaLoad, AShortHeaderKeepsOnlyTheFieldsThatArrived)
{
    TempFolder folder;
    HeaderFields fields{500, 600, 32};
    fields.yOrigin = 77;
    const Bytes header = headerBytes(fields);
    // 13 bytes: up to the y origin and half of the width.
    TgaImage image(folder.write("cut.tga", Bytes(header.begin(), header.begin() + 13)).c_str());

    EXPECT_FALSE(image.isLoaded());
    EXPECT_EQ(image.header().yOrigin, 77);
    EXPECT_EQ(image.width(), 0);
    EXPECT_EQ(image.bitsPerPixel(), 24);
}

// Headers whose product of width, height and depth / 8 is zero describe an empty picture: it loads,
// holds an empty buffer, and no channel reaches a byte.
TEST(TgaLoad, ZeroPixelBytePicturesLoadEmpty)
{
    const HeaderFields rows[] = {
        {0, 65535, 32},
        {65535, 0, 24},
        {1000, 1000, 0},
        {1, 1, 7}, // 7 bits truncate to no byte
    };
    TempFolder folder;
    for (const HeaderFields& fields : rows) {
        SCOPED_TRACE(testing::Message() << fields.width << " x " << fields.height << " x " << int(fields.depth));
        TgaImage image(folder.write("empty.tga", headerBytes(fields)).c_str());
        ASSERT_TRUE(image.isLoaded());
        EXPECT_NE(image.pixels(), nullptr);
        EXPECT_EQ(image.bufferSize(), 0u);
        EXPECT_EQ(image.channel(0, 0, Red), 0);
        EXPECT_FALSE(image.setChannel(0, 0, Blue, 1));
    }
}
