// Writing pictures back: exact bytes, round trips, and every way a save is refused.
#include "image/TgaImage.h"
#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

using namespace tgatest;

namespace {

std::unique_ptr<std::uint8_t[]> bufferOf(const Bytes& bytes)
{
    std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), buffer.get());
    return buffer;
}

Bytes held(const TgaImage& image) { return Bytes(image.pixels(), image.pixels() + image.bufferSize()); }

} // namespace

TEST(TgaSave, WritesHeaderIdAndPixelsExactly)
{
    TempFolder folder;
    HeaderFields fields{3, 2, 32};
    fields.idLength = 3;
    fields.xOrigin = 0x0201;
    fields.yOrigin = 0xfffe;
    fields.descriptor = 0x28;
    const Bytes file = join(join(headerBytes(fields), {'a', 'b', 'c'}), patternBytes(24));
    TgaImage image(folder.write("in.tga", file).c_str());
    ASSERT_TRUE(image.isLoaded());

    const std::string out = folder.path("out.tga");
    EXPECT_TRUE(image.saveAs(out.c_str()));
    EXPECT_EQ(readFile(out), file);
    EXPECT_TRUE(image.isSaved());
    EXPECT_EQ(image.fileName(), folder.path("in.tga")) << "saveAs keeps the stored name";
}

TEST(TgaSave, CreatedPicturesRoundTrip)
{
    struct Row {
        std::uint16_t width, height;
        std::uint8_t depth;
    };
    TempFolder folder;
    for (const Row row : {Row{1, 1, 24}, Row{5, 3, 24}, Row{4, 4, 32}, Row{7, 1, 16}, Row{3, 3, 12},
                          Row{0, 9, 24}, Row{300, 2, 8}}) {
        SCOPED_TRACE(testing::Message() << row.width << " x " << row.height << " x " << int(row.depth));
        TgaImage image;
        ASSERT_TRUE(image.create(row.width, row.height, row.depth));
        const Bytes pixels = patternBytes(image.bufferSize(), row.depth);
        std::copy(pixels.begin(), pixels.end(), image.pixels());
        const std::string path = folder.path("round.tga");
        ASSERT_TRUE(image.saveAs(path.c_str()));
        EXPECT_EQ(readFile(path).size(), 18 + pixels.size());

        TgaImage back(path.c_str());
        ASSERT_TRUE(back.isLoaded());
        EXPECT_EQ(back.width(), row.width);
        EXPECT_EQ(back.height(), row.height);
        EXPECT_EQ(back.bitsPerPixel(), row.depth);
        EXPECT_EQ(held(back), pixels);
    }
}

// The colour-map length is a gap of bytes before the ID: saved as zeros, skipped on load.
TEST(TgaSave, ColourMapGapRoundTrips)
{
    TempFolder folder;
    HeaderFields fields{2, 1, 24};
    fields.idLength = 2;
    fields.colourMapLength = 3;
    const Bytes file = join(join(join(headerBytes(fields), {7, 8, 9}), {'o', 'k'}), patternBytes(6));
    TgaImage image(folder.write("map.tga", file).c_str());
    ASSERT_TRUE(image.isLoaded());

    const std::string out = folder.path("map-out.tga");
    ASSERT_TRUE(image.saveAs(out.c_str()));
    const Bytes expected = join(join(join(headerBytes(fields), {0, 0, 0}), {'o', 'k'}), patternBytes(6));
    EXPECT_EQ(readFile(out), expected);

    TgaImage back(out.c_str());
    ASSERT_TRUE(back.isLoaded());
    EXPECT_EQ(back.header().colourMapLength, 3);
    EXPECT_STREQ(reinterpret_cast<const char*>(back.imageId()), "ok");
    EXPECT_EQ(held(back), patternBytes(6));
}

TEST(TgaSave, SaveWritesOnlyAfterSetPixels)
{
    TempFolder folder;
    const std::string path = folder.write("pic.tga", join(headerBytes({2, 1, 24}), patternBytes(6)));
    TgaImage image(path.c_str());
    ASSERT_TRUE(image.isLoaded());

    std::remove(path.c_str());
    EXPECT_TRUE(image.save()) << "nothing changed, nothing to write";
    EXPECT_FALSE(fileExists(path));

    image.setPixels(bufferOf({1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(image.isModified());
    EXPECT_TRUE(image.save());
    EXPECT_FALSE(image.isModified());
    EXPECT_EQ(readFile(path), join(headerBytes({2, 1, 24}), {1, 2, 3, 4, 5, 6}));
}

TEST(TgaSave, SetPixelsRemembersTheSizeOfThatMoment)
{
    TgaImage image;
    image.create(4, 4, 24);
    image.setWidth(2);
    image.setPixels(bufferOf(patternBytes(24)));
    EXPECT_EQ(image.bufferSize(), 24u);
    image.setHeight(100);
    EXPECT_EQ(image.bufferSize(), 24u) << "header setters do not resize";
}

TEST(TgaSave, CreateSizesTheBufferAndKeepsTheRest)
{
    struct Row {
        std::uint16_t width, height;
        std::uint8_t depth;
        std::size_t bytes;
    };
    for (const Row row : {Row{3, 1, 24, 9}, Row{1, 1, 12, 1}, Row{2, 2, 32, 16}, Row{5, 5, 0, 0}}) {
        SCOPED_TRACE(row.bytes);
        TgaImage image;
        EXPECT_TRUE(image.create(row.width, row.height, row.depth));
        EXPECT_TRUE(image.isLoaded());
        EXPECT_NE(image.pixels(), nullptr);
        EXPECT_EQ(image.bufferSize(), row.bytes);
        EXPECT_EQ(image.header().imageType, 2);
        EXPECT_FALSE(image.isModified());
        EXPECT_FALSE(image.isSaved());
    }
}

// Refusals that happen before any file is opened: an existing file keeps its bytes.
TEST(TgaSave, RefusedWithoutTouchingTheFile)
{
    struct Row {
        const char* what;
        void (*prepare)(TgaImage&);
    };
    const Row rows[] = {
        {"never loaded nor created", [](TgaImage&) {}},
        {"buffer dropped", [](TgaImage& image) {
             image.create(2, 2, 24);
             image.setPixels(nullptr);
         }},
        {"width grown past the buffer", [](TgaImage& image) {
             image.create(2, 2, 24);
             image.setWidth(3);
         }},
        {"depth grown past the buffer", [](TgaImage& image) {
             image.create(2, 2, 24);
             image.setBitsPerPixel(32);
         }},
        {"header huge, buffer tiny", [](TgaImage& image) {
             image.create(1, 1, 24);
             image.setWidth(65535);
             image.setHeight(65535);
         }},
    };
    TempFolder folder;
    const Bytes original = {'k', 'e', 'e', 'p'};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = folder.write("existing.tga", original);
        TgaImage image;
        row.prepare(image);
        EXPECT_FALSE(image.saveAs(path.c_str()));
        EXPECT_EQ(readFile(path), original);
        EXPECT_FALSE(image.isSaved());
    }
}

TEST(TgaSave, ShrunkHeaderWritesTheHeadersShare)
{
    TempFolder folder;
    TgaImage image;
    image.create(2, 2, 24);
    std::fill(image.pixels(), image.pixels() + 12, 0x11);
    image.setHeight(1);
    const std::string path = folder.path("half.tga");
    ASSERT_TRUE(image.saveAs(path.c_str()));
    EXPECT_EQ(readFile(path).size(), 18u + 6u);
}

TEST(TgaSave, UnopenablePathFails)
{
    TempFolder folder;
    TgaImage image;
    image.create(1, 1, 24);
    EXPECT_FALSE(image.saveAs(folder.path("no/such/folder/x.tga").c_str()));
    EXPECT_FALSE(image.saveAs(folder.path("").c_str()));
    EXPECT_FALSE(image.saveAs(nullptr));
    EXPECT_FALSE(image.isSaved());
}

TEST(TgaSave, OtherImageTypesWriteOnlyTheHeader)
{
    TempFolder folder;
    HeaderFields fields{1, 1, 24};
    fields.imageType = 10;
    TgaImage image(folder.write("rle.tga", join(headerBytes(fields), patternBytes(3))).c_str());
    ASSERT_FALSE(image.isLoaded());
    image.create(1, 1, 24);

    const std::string out = folder.path("rle-out.tga");
    EXPECT_FALSE(image.saveAs(out.c_str()));
    EXPECT_FALSE(image.isSaved());
    EXPECT_EQ(readFile(out), headerBytes(fields));
}

// A load that failed before reading the ID leaves an ID length without an ID: zeros stand in.
TEST(TgaSave, MissingIdIsWrittenAsZeros)
{
    TempFolder folder;
    HeaderFields fields{1, 1, 24};
    fields.idLength = 4;
    TgaImage image(folder.write("cut.tga", headerBytes(fields)).c_str());
    ASSERT_FALSE(image.isLoaded());
    ASSERT_EQ(image.imageId(), nullptr);
    image.create(1, 1, 24);
    std::fill(image.pixels(), image.pixels() + 3, 0x7f);

    const std::string out = folder.path("zeros.tga");
    ASSERT_TRUE(image.saveAs(out.c_str()));
    EXPECT_EQ(readFile(out), join(join(headerBytes(fields), {0, 0, 0, 0}), {0x7f, 0x7f, 0x7f}));
}

TEST(TgaSave, FailedWriteKeepsThePixels)
{
    if (!fileExists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    TgaImage image;
    image.create(64, 64, 24);
    const Bytes pixels = patternBytes(image.bufferSize());
    std::copy(pixels.begin(), pixels.end(), image.pixels());
    const std::uint8_t* buffer = image.pixels();

    EXPECT_FALSE(image.saveAs("/dev/full"));
    EXPECT_FALSE(image.isSaved());
    EXPECT_EQ(image.pixels(), buffer);
    EXPECT_EQ(held(image), pixels);
    EXPECT_TRUE(image.isLoaded());

    TempFolder folder;
    const std::string path = folder.path("after.tga");
    ASSERT_TRUE(image.saveAs(path.c_str()));
    EXPECT_EQ(readFile(path), join(headerBytes({64, 64, 24}), pixels));
}
