// Files that claim more than they hold: every one fails the load cleanly, leaves no buffer behind
// and cannot be saved back.
#include "image/TgaImage.h"
#include "tests/support/TgaFiles.h"

#include <gtest/gtest.h>

using namespace tgatest;

namespace {

struct HostileFile {
    const char* what;
    Bytes bytes;
};

HeaderFields withId(HeaderFields fields, std::uint8_t idLength)
{
    fields.idLength = idLength;
    return fields;
}

HeaderFields withColourMap(HeaderFields fields, std::uint16_t length)
{
    fields.colourMapLength = length;
    return fields;
}

std::vector<HostileFile> hostileFiles()
{
    const Bytes header = headerBytes({2, 2, 24});
    return {
        {"empty file", {}},
        {"header cut at 10 bytes", Bytes(header.begin(), header.begin() + 10)},
        {"header cut at 17 bytes", Bytes(header.begin(), header.begin() + 17)},
        {"pixels one byte short", join(header, patternBytes(11))},
        {"no pixels at all", header},
        {"ID past the end", join(headerBytes(withId({0, 0, 24}, 200)), patternBytes(10))},
        {"ID fits but pixels do not", join(headerBytes(withId({1, 1, 24}, 4)), patternBytes(6))},
        {"colour map past the end", join(headerBytes(withColourMap({1, 1, 24}, 60000)), patternBytes(3))},
        {"colour map eats the pixels", join(headerBytes(withColourMap({1, 1, 24}, 2)), patternBytes(4))},
        {"65535 x 65535 x 32 in 30 bytes", join(headerBytes({65535, 65535, 32}), patternBytes(12))},
        {"1 x 1 x 255 in 5 pixel bytes", join(headerBytes({1, 1, 255}), patternBytes(5))},
        // width x height x depth is exactly 2^32: a 32-bit product says no bytes are needed.
        {"16384 x 8192 x 32, product wraps to 0", headerBytes({16384, 8192, 32})},
        // 2^32 + 262144 bits: a 32-bit product asks for 32768 bytes, and they are there.
        {"16385 x 8192 x 32, product wraps to 32 KiB",
         join(headerBytes({16385, 8192, 32}), patternBytes(32768))},
        {"65535 x 65535 x 24, product past 2^36", join(headerBytes({65535, 65535, 24}), patternBytes(64))},
        {"everything maxed", join(headerBytes(withColourMap(withId({65535, 65535, 255}, 255), 65535)),
                                  patternBytes(100))},
    };
}

} // namespace

TEST(TgaHostileFiles, EachFailsCleanly)
{
    TempFolder folder;
    for (const HostileFile& file : hostileFiles()) {
        SCOPED_TRACE(file.what);
        const std::string path = folder.write("hostile.tga", file.bytes);
        TgaImage image;
        bool loaded = true;
        EXPECT_NO_THROW(loaded = image.load(path.c_str()));
        EXPECT_FALSE(loaded);
        EXPECT_FALSE(image.isLoaded());
        EXPECT_EQ(image.pixels(), nullptr);
        EXPECT_EQ(image.bufferSize(), 0u);
        EXPECT_FALSE(image.holdsWhole24BitPicture());
        EXPECT_EQ(image.channel(0, 0, Red), 0);
        EXPECT_FALSE(image.setChannel(0, 0, Red, 1));

        const std::string copy = folder.path("copy.tga");
        EXPECT_FALSE(image.saveAs(copy.c_str()));
        EXPECT_FALSE(fileExists(copy));
    }
}

// The same file a byte longer is well formed: the rows above fail for their size, not by accident.
TEST(TgaHostileFiles, TheSameShapesLoadOnceTheBytesAreThere)
{
    TempFolder folder;
    const std::pair<HeaderFields, std::size_t> rows[] = {
        {{2, 2, 24}, 12},
        {withId({0, 0, 24}, 200), 200},
        {withId({1, 1, 24}, 4), 7},
        {withColourMap({1, 1, 24}, 2), 5},
        {{1, 1, 255}, 31},
    };
    for (const auto& [fields, body] : rows) {
        SCOPED_TRACE(testing::Message() << "body of " << body << " bytes");
        TgaImage image(folder.write("ok.tga", join(headerBytes(fields), patternBytes(body))).c_str());
        EXPECT_TRUE(image.isLoaded());
    }
}
